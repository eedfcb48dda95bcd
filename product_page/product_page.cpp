// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "product_page/product_page.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "core/catalogue.h"
#include "core/text.h"
#include "diary/diary.h"
#include "diary/my_activities.h"
#include "main_window/form1.h"
#include "planner/form7.h"
#include "product_page/program_sessions.h"
#include "time_to_burn/form4.h"

namespace movesta {

namespace {

// What each command of the planner's menu does, by the menu item's name. The keys and the
// captions are the menu's own; a command without its line here stops the page from being written.
struct MenuEffect {
    std::string_view item;
    std::string_view effect;
};

constexpr std::array<MenuEffect, 10> kMenuEffects{{
    {"br_p", "deletes the selected row"},
    {"br_s", "deletes every row, after asking first"},
    {"spr", "saves the report as a document, a spreadsheet (CSV), a web page, text or PDF"},
    {"isp", "prints the report, the column headings on every page"},
    {"kopi", "copies the list as a report, a table where one can be pasted"},
    {"izl", "closes the planner"},
    {"cilj", "asks for a target energy in kcal; the totals then show the share of it reached"},
    {"sdn", "adds the list's rows to a day of the diary, kept on this computer"},
    {"dnev", "opens the diary: a month of days, a day's rows and totals, a chart of kcal a day"},
    {"mak", "adds, renames and deletes activities of one's own, listed after the catalogue's"},
}};

// Worked examples: what is typed and chosen in each session. What the calculator shows is
// worked out by the program's own windows when the page is written.
struct PlannerExample {
    std::string_view weight;
    std::string_view activity;
    std::string_view hours;
    std::string_view minutes;
};

constexpr std::array<PlannerExample, 3> kPlannerExamples{{
    {"70", "Accordion, playing", "1", "30"},
    {"70", "Aerobic, low impact", "0", "45"},
    {"55", "Bicycling, < 16 km/h, general leisure, to work or for pleasure", "2", "15"},
}};

struct TimeToBurnExample {
    std::string_view weight;
    std::string_view energy;
    std::string_view activity;
};

constexpr std::array<TimeToBurnExample, 4> kTimeToBurnExamples{{
    {"70", "200", "Aerobic, low impact"},
    {"50", "199", "Bakery, general"},
    {"70", "200", "Accordion, playing"},
    {"50", "300", "Bakery, general"},
}};

constexpr std::array<std::string_view, 3> kPoundsExamples{"150", "151", "2"};

constexpr std::string_view kStyle = R"css(
:root { --teal: #0f766e; --teal-light: #ccfbf1; --orange: #f97316; --slate: #1e293b; --muted: #64748b;
        --line: #e2e8f0; --paper: #f8fafc; }
* { box-sizing: border-box; }
body { margin: 0; font: 16px/1.55 "DejaVu Sans", "Segoe UI", Helvetica, Arial, sans-serif;
       color: var(--slate); background: var(--paper); }
header { background: linear-gradient(90deg, #115e59, var(--teal) 55%, #0d9488); color: #fff;
         border-bottom: 4px solid var(--orange); }
.bar { max-width: 62rem; margin: 0 auto; padding: 1.6rem 1.25rem; display: flex; gap: 1.25rem;
       align-items: center; }
.bar img { width: 88px; height: 88px; flex: none; }
h1 { margin: 0; font-size: 2.4rem; letter-spacing: .02em; }
.tagline { margin: .2rem 0 0; font-size: 1.1rem; opacity: .92; }
.version { display: inline-block; margin-top: .5rem; padding: .1rem .6rem; border-radius: 999px;
           background: rgba(255, 255, 255, .16); font-size: .85rem; }
nav { background: var(--slate); }
nav ul { max-width: 62rem; margin: 0 auto; padding: .5rem 1.25rem; list-style: none; }
nav li { display: inline-block; margin-right: 1.5rem; }
nav a { color: #e2e8f0; text-decoration: none; font-size: .95rem; }
nav a:hover, nav a:focus { color: var(--orange); }
main { max-width: 62rem; margin: 0 auto; padding: 0 1.25rem 2rem; }
section { margin-top: 2.2rem; }
h2 { color: var(--teal); font-size: 1.5rem; margin: 0 0 .8rem; padding-bottom: .3rem;
     border-bottom: 2px solid var(--line); }
h3 { margin: 0 0 .4rem; font-size: 1.15rem; }
.cards { display: grid; grid-template-columns: repeat(auto-fit, minmax(18rem, 1fr)); gap: 1.2rem; }
.card { background: #fff; border: 1px solid var(--line); border-top: 4px solid var(--orange);
        border-radius: 10px; padding: 1.1rem 1.2rem; box-shadow: 0 1px 3px rgba(15, 23, 42, .06); }
.card img { float: right; width: 96px; height: auto; margin: 0 0 .5rem .8rem; }
.formula { margin: .6rem 0; padding: .7rem 1rem; background: var(--teal-light); border-left: 4px solid var(--teal);
           border-radius: 6px; font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: .95rem; }
table { border-collapse: collapse; width: 100%; background: #fff; border: 1px solid var(--line);
        border-radius: 8px; overflow: hidden; margin: .6rem 0 1.2rem; }
table.compact { width: auto; min-width: 16rem; }
caption { text-align: left; font-weight: bold; padding: 0 0 .4rem; color: var(--slate); }
th { background: var(--slate); color: #fff; text-align: left; font-weight: 600; padding: .45rem .7rem; }
td { padding: .35rem .7rem; border-top: 1px solid var(--line); vertical-align: top; }
tbody tr:nth-child(even) { background: #f1f5f9; }
tbody tr:hover { background: #fff7ed; }
.number { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
.result { color: var(--teal); font-weight: bold; }
kbd { display: inline-block; padding: .05rem .45rem; border: 1px solid #cbd5e1; border-bottom-width: 2px;
      border-radius: 5px; background: #fff; font: .9rem "DejaVu Sans Mono", Consolas, monospace; }
#catalogue-table { font-size: .93rem; }
#catalogue-table thead th { position: sticky; top: 0; }
.note { color: var(--muted); font-size: .92rem; }
footer { border-top: 1px solid var(--line); color: var(--muted); font-size: .9rem; text-align: center;
         padding: 1.2rem; }
@media print { nav { display: none; } #catalogue-table thead th { position: static; } }
)css";

// A picture as an <img> whose source is the SVG itself; decorative, so its text is empty.
void AppendPicture(std::string& out, std::string_view svg)
{
    if (svg.empty())
        return;
    out += R"(<img alt="" src="data:image/svg+xml;base64,)";
    out += QByteArray::fromRawData(svg.data(), static_cast<qsizetype>(svg.size())).toBase64().toStdString();
    out += R"(">)";
}

struct Cell {
    std::string_view text;
    bool number = false;
    bool result = false;
};

void AppendRow(std::string& out, std::initializer_list<Cell> cells)
{
    out += "<tr>";
    for (const Cell& cell : cells) {
        out += "<td";
        if (cell.number || cell.result) {
            out += " class=\"";
            out += cell.number ? "number" : "";
            out += cell.number && cell.result ? " " : "";
            out += cell.result ? "result" : "";
            out += '"';
        }
        out += '>';
        AppendMarkup(out, cell.text);
        out += "</td>";
    }
    out += "</tr>\n";
}

void AppendHead(std::string& out, std::initializer_list<Cell> headings)
{
    out += "<thead><tr>";
    for (const Cell& heading : headings) {
        out += heading.number ? R"(<th scope="col" class="number">)" : R"(<th scope="col">)";
        AppendMarkup(out, heading.text);
        out += "</th>";
    }
    out += "</tr></thead>\n<tbody>\n";
}

void AppendHeader(std::string& out, std::string_view version, std::string_view icon)
{
    out += "<header><div class=\"bar\">";
    AppendPicture(out, icon);
    out += "<div><h1>Movesta</h1>\n<p class=\"tagline\">The energy you spend in physical activity, "
           "and the time it takes to spend it.</p>\n<span class=\"version\">Version ";
    AppendMarkup(out, version);
    out += "</span></div></div></header>\n";
    out += "<nav><ul><li><a href=\"#calculators\">The calculators</a></li>"
           "<li><a href=\"#how\">How it computes</a></li><li><a href=\"#keyboard\">Keyboard and help</a></li>"
           "<li><a href=\"#catalogue\">Catalogue of activities</a></li></ul></nav>\n";
}

void AppendCalculators(std::string& out, const ProductPagePictures& pictures)
{
    out += "<section id=\"calculators\">\n<h2>The calculators</h2>\n"
           "<p>Movesta is a small desktop calculator of the energy a person spends in physical activity. "
           "In the main window you give your body weight, in kilograms (Metric) or in pounds (English), "
           "and open either calculator by clicking its picture; the calculator takes the weight over "
           "when it opens. Decimal numbers are written with a decimal comma, as in the program.</p>\n"
           "<div class=\"cards\">\n<div class=\"card\">";
    AppendPicture(out, pictures.planner);
    out += "<h3>Energy expenditure planner</h3>\n"
           "<p>Choose one of the ";
    out += std::to_string(kCatalogue.size());
    out += " activities of the catalogue (type any words of its name to find "
           "it) and a duration in hours (0 to 12) and "
           "minutes (0 to 55, in steps of five): the energy it costs shows at once, in kJ and in kcal. "
           "Add it to the list with the plus picture; the list keeps running totals of time and "
           "energy, with the minutes carried into hours at 60. Rows can be deleted one at a time or "
           "all at once, and the whole list can be copied to the clipboard as a report that pastes as "
           "text or as a table, or saved as a document, a spreadsheet file, a web page or text.</p>"
           "</div>\n<div class=\"card\">";
    AppendPicture(out, pictures.timeToBurn);
    out += "<h3>Time to burn</h3>\n"
           "<p>Give an amount of energy in kcal (200 to start with) and click an activity of the list: "
           "Movesta shows how long that activity must last for a person of your weight to spend the "
           "energy, in minutes, or in hours and minutes from one hour on.</p></div>\n</div>\n</section>\n";
}

void AppendHowItComputes(std::string& out)
{
    out += "<section id=\"how\">\n<h2>How it computes</h2>\n"
           "<p>Each activity of the catalogue has an energy factor: the energy it costs per hour and per "
           "kilogram of body weight, once in kJ and once in kcal.</p>\n"
           "<h3>Energy of an activity</h3>\n"
           "<p class=\"formula\">energy = factor &times; weight in kg &times; (hours + minutes / 60)</p>\n"
           "<p>The planner works it out with the kJ factor and with the kcal factor and shows both to one "
           "decimal, halves rounded away from zero.</p>\n"
           "<table id=\"planner-examples\"><caption>Examples in the planner</caption>\n";
    AppendHead(
        out, {{"Weight (kg)", true}, {"Activity"}, {"h", true}, {"min", true}, {"kJ", true}, {"kcal", true}});
    for (const PlannerExample& e : kPlannerExamples) {
        const EnergyShown energy = PlannerPreview(e.weight, e.activity, e.hours, e.minutes);
        AppendRow(out, {{e.weight, true},
                        {e.activity},
                        {e.hours, true},
                        {e.minutes, true},
                        {energy.kj, true, true},
                        {energy.kcal, true, true}});
    }
    out += "</tbody></table>\n";

    out += "<h3>Time to burn an amount of energy</h3>\n"
           "<p class=\"formula\">T = 60 &times; E / (W &times; F) minutes</p>\n"
           "<p>with E the energy in kcal, W the weight in kg and F the activity&#39;s kcal factor. "
           "Under 60 minutes the time shows as whole minutes, T rounded (&ldquo;34 min&rdquo;). From 60 "
           "minutes on it shows as hours and minutes: the time in hours, T / 60, is rounded to two "
           "decimals, giving h<sub>2</sub>; H is the whole hours of h<sub>2</sub> and the minutes are "
           "60 &times; (h<sub>2</sub> &minus; H), rounded to a whole number (&ldquo;1 h : 35 min&rdquo;). "
           "Those minutes are therefore exact to about one minute.</p>\n"
           "<table id=\"time-to-burn-examples\"><caption>Examples of the time to burn</caption>\n";
    AppendHead(out, {{"Weight (kg)", true}, {"Energy (kcal)", true}, {"Activity"}, {"Time", true}});
    for (const TimeToBurnExample& e : kTimeToBurnExamples) {
        const std::string time = TimeToBurn(e.weight, e.energy, e.activity);
        AppendRow(out, {{e.weight, true}, {e.energy, true}, {e.activity}, {time, true, true}});
    }
    out += "</tbody></table>\n";

    out += "<h3>Pounds to kilograms</h3>\n"
           "<p class=\"formula\">kilograms = pounds &times; 0,454, rounded to a whole number</p>\n"
           "<p>With the English unit chosen in the main window, the weight is typed in pounds and the "
           "calculators receive whole kilograms, halves rounded away from zero.</p>\n"
           "<table id=\"pounds-examples\" class=\"compact\"><caption>Examples of the conversion</caption>\n";
    AppendHead(out, {{"Pounds", true}, {"Kilograms", true}});
    for (const std::string_view pounds : kPoundsExamples) {
        const std::string kilograms = KilogramsForPounds(pounds);
        AppendRow(out, {{pounds, true}, {kilograms, true, true}});
    }
    out += "</tbody></table>\n</section>\n";
}

// What a person does in each window and the keys for it, a part of the page per window: F1 in a
// window opens the page at its part (the window model's help section).
struct WindowHelp {
    std::string_view section;
    std::string_view heading;
    std::vector<std::array<std::string_view, 2>> rows; // what is done, the keys for it
};

std::vector<WindowHelp> WindowHelps()
{
    return {
        {Form1::kHelpSection,
         "Main window",
         {{"Choose Metric or English, type the weight; the left picture opens the planner, the right one "
           "the time-to-burn calculator; the banner opens this page",
           "Tab: weight \u2192 units (the selected one; \u2190/\u2192 choose the other) \u2192 planner picture "
           "\u2192 time-to-burn picture \u2192 banner"}}},
        {Form7::kHelpSection,
         "Energy expenditure planner",
         {{"Choose an activity, type the weight (at most three digits, 800 kg at most), choose hours and "
           "minutes; the preview shows kJ and kcal; the plus adds the row",
           "Tab: activity \u2192 weight \u2192 hours \u2192 minutes \u2192 the list, one stop for its five "
           "columns (arrows, Page Up/Down, Home and End choose a row) \u2192 product logo \u2192 Exit \u2192 "
           "Delete Selected \u2192 Delete All \u2192 add (plus) \u2192 \u201cCopy to Clipboard\u201d link "
           "\u2192 copy picture; the third digit of the weight moves on to the activity"},
          {"Find an activity: type any words of its name into the activity box, in any order, capitals and "
           "accents as you like (\u201cswim lap\u201d, \u201ccycl\u201d); a list under the box shows every "
           "activity that holds them all, and changes at each key",
           "Down / Up walk the list, Return or a click chooses, Escape closes it and keeps the text"},
          {"With the activity box empty and focused, the list under it offers the activities saved to the "
           "diary most often in the last 60 days",
           "A click chooses one; the arrows step through the activity box\u2019s own list as ever; Escape "
           "closes the list"}}},
        {Form4::kHelpSection,
         "Time to burn",
         {{"Type weight and energy, pick an activity (click, or \u2191/\u2193 in the list; typing letters "
           "moves to the next activity that begins with them): the time shows below",
           "Tab: activity list \u2192 weight \u2192 energy \u2192 banner \u2192 exit picture"}}},
        {Diary::kHelpSection,
         "Diary",
         {{"Choose a day in the calendar; its rows and totals show beside it. Open in Planner puts a day's "
           "rows back in the planner, Delete Entry removes the chosen row, Export... writes the days of a "
           "range",
           "Arrows move the day, Page Up/Down the month. Tab: calendar \u2192 the day's rows (one stop; "
           "arrows choose a row) \u2192 chart \u2192 Open in Planner \u2192 Delete Entry \u2192 Export..."}}},
        {MyActivities::kHelpSection,
         "My activities",
         {{"Type a name and an energy factor per kilogram and hour, choose kcal or kJ, Add; choose a row to "
           "rename it (its name comes into the box) or to delete it. Your activities are listed after the "
           "catalogue\u2019s, marked \u201c(my activity)\u201d",
           "Tab: the list \u2192 name \u2192 factor \u2192 kcal / kJ \u2192 Add \u2192 Rename \u2192 "
           "Delete"}}},
    };
}

void AppendPlannerMenuKeys(std::string& out)
{
    out += "<table id=\"planner-keys\"><caption>Shortcuts of the planner&#39;s menu; they work whichever "
           "box has the focus</caption>\n";
    AppendHead(out, {{"Keys"}, {"Command"}, {"What it does"}});
    for (const MenuCommand& command : PlannerMenuCommands()) {
        const auto effect = std::find_if(kMenuEffects.begin(), kMenuEffects.end(),
                                         [&](const MenuEffect& e) { return e.item == command.item; });
        if (effect == kMenuEffects.end())
            throw SessionError("the planner's menu item " + command.item + " has no line on the page");
        out += "<tr><td><kbd>";
        AppendMarkup(out, command.shortcut);
        out += "</kbd></td><td>";
        AppendMarkup(out, command.caption);
        out += "</td><td>";
        AppendMarkup(out, effect->effect);
        out += "</td></tr>\n";
    }
    out += "</tbody></table>\n";
}

void AppendKeyboard(std::string& out)
{
    out += "<section id=\"keyboard\">\n<h2>Keyboard and help</h2>\n"
           "<p><kbd>F1</kbd> in any window opens this page at that window&#39;s part. In every window, each "
           "picture button and the report link is a button for the keyboard too: <kbd>Tab</kbd> and "
           "<kbd>Shift+Tab</kbd> reach it (a ring shows the focus), <kbd>Space</kbd> or <kbd>Return</kbd> "
           "runs it.</p>\n";
    for (const WindowHelp& help : WindowHelps()) {
        out += "<section id=\"";
        AppendMarkup(out, help.section);
        out += "\">\n<h3>";
        AppendMarkup(out, help.heading);
        out += "</h3>\n<table id=\"";
        AppendMarkup(out, help.section);
        out += "-help\">\n";
        AppendHead(out, {{"What"}, {"Keys"}});
        for (const auto& [what, keys] : help.rows)
            AppendRow(out, {{what}, {keys}});
        out += "</tbody></table>\n";
        if (help.section == Form7::kHelpSection)
            AppendPlannerMenuKeys(out);
        out += "</section>\n";
    }
    out += "<ul>\n<li>The weight boxes of both calculators take digits only, at most three; the energy "
           "box of the time-to-burn calculator and the hours and minutes boxes of the planner take "
           "digits only too. <kbd>Backspace</kbd> works as usual.</li>\n"
           "<li>The weight box of the main window takes any text and reads the number it begins "
           "with.</li>\n</ul>\n</section>\n";
}

void AppendCatalogue(std::string& out)
{
    out += "<section id=\"catalogue\">\n<h2>Catalogue of activities</h2>\n"
           "<p>The ";
    out += std::to_string(kCatalogue.size());
    out += " activities that both calculators offer, in the program&#39;s order, with their energy "
           "factors per hour and per kilogram of body weight. This table is made from the program&#39;s "
           "own catalogue each time Movesta is built.</p>\n"
           "<table id=\"catalogue-table\">\n";
    AppendHead(out, {{"#", true}, {"Activity"}, {"kJ / h / kg", true}, {"kcal / h / kg", true}});
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        AppendRow(
            out,
            {{number, true}, {kCatalogue[i].name}, {kCatalogue[i].kj, true}, {kCatalogue[i].kcal, true}});
    }
    out += "</tbody></table>\n</section>\n";
}

} // namespace

std::string RenderProductPage(std::string_view version, const ProductPagePictures& pictures)
{
    std::string out;
    out.reserve(96 * 1024);
    out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>Movesta: energy of everyday activity</title>\n<style>";
    out += kStyle;
    out += "</style>\n</head>\n<body>\n";
    AppendHeader(out, version, pictures.icon);
    out += "<main>\n";
    AppendCalculators(out, pictures);
    AppendHowItComputes(out);
    AppendKeyboard(out);
    AppendCatalogue(out);
    out += "</main>\n<footer>&copy; 2026 The Movesta developers. Free software: use, share and improve "
           "it. Movesta ";
    AppendMarkup(out, version);
    out += ".</footer>\n</body>\n</html>\n";
    return out;
}

std::vector<HelpPage> RenderHelpPages()
{
    std::vector<HelpPage> pages;
    for (const WindowHelp& help : WindowHelps()) {
        std::string target = "index.html#";
        AppendMarkup(target, help.section);
        std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta http-equiv=\"refresh\" content=\"0; url=" +
                           target + "\">\n<title>Movesta help: ";
        AppendMarkup(html, help.heading);
        html += "</title>\n</head>\n<body>\n<p><a href=\"" + target + "\">Movesta help: ";
        AppendMarkup(html, help.heading);
        html += "</a></p>\n</body>\n</html>\n";
        pages.push_back({"help-" + std::string(help.section) + ".html", std::move(html)});
    }
    return pages;
}

} // namespace movesta
