// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the product page. The page is read back the way a browser would (tags dropped,
// character references resolved) by a small reader of its own, so a row the page misstates, a
// character it leaves unescaped or a worked example the program no longer agrees with fails
// here instead of misleading a reader.

#include "product_page/product_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue.h"
#include "core/text.h"
#include "support/headless_program.h"

namespace movesta {
namespace {

void AppendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The text an HTML fragment shows: tags dropped, references resolved. nullopt when the fragment
// holds a '<', '>' or '&' that is not markup, which is a character the page failed to escape.
std::optional<std::string> TextOf(std::string_view html)
{
    std::string text;
    for (std::size_t i = 0; i < html.size();) {
        const char c = html[i];
        if (c == '<') {
            const bool tag = i + 1 < html.size() &&
                             (std::isalpha(static_cast<unsigned char>(html[i + 1])) || html[i + 1] == '/');
            const std::size_t end = html.find('>', i);
            if (!tag || end == std::string_view::npos)
                return std::nullopt;
            i = end + 1;
        } else if (c == '>') {
            return std::nullopt;
        } else if (c == '&') {
            const std::size_t end = html.find(';', i);
            if (end == std::string_view::npos)
                return std::nullopt;
            const std::string_view name = html.substr(i + 1, end - i - 1);
            if (name == "amp")
                text += '&';
            else if (name == "lt")
                text += '<';
            else if (name == "gt")
                text += '>';
            else if (name == "quot")
                text += '"';
            else if (name == "apos")
                text += '\'';
            else if (name.size() > 1 && name[0] == '#') {
                const bool hex = name[1] == 'x' || name[1] == 'X';
                const std::string digits(name.substr(hex ? 2 : 1));
                if (digits.empty() || digits.size() > 6)
                    return std::nullopt;
                std::size_t used = 0;
                const unsigned long code = std::stoul(digits, &used, hex ? 16 : 10);
                if (used != digits.size())
                    return std::nullopt;
                AppendUtf8(text, static_cast<std::uint32_t>(code));
            } else {
                return std::nullopt;
            }
            i = end + 1;
        } else {
            text += c;
            ++i;
        }
    }
    return text;
}

// What lies between `open` and the `close` after it, from `from` on; advances `from` past it.
std::optional<std::string_view> Between(std::string_view html, std::string_view open, std::string_view close,
                                        std::size_t& from)
{
    const std::size_t start = html.find(open, from);
    if (start == std::string_view::npos)
        return std::nullopt;
    const std::size_t contentStart = html.find('>', start) + 1;
    const std::size_t end = html.find(close, contentStart);
    if (end == std::string_view::npos)
        return std::nullopt;
    from = end + close.size();
    return html.substr(contentStart, end - contentStart);
}

using Rows = std::vector<std::vector<std::string>>;

// The shown texts of the body rows of the table with this id; a cell that does not read back
// as text is "<unreadable>".
Rows BodyRows(std::string_view page, std::string_view id)
{
    Rows rows;
    const std::size_t table = page.find("<table id=\"" + std::string(id) + "\"");
    if (table == std::string_view::npos)
        return rows;
    std::size_t from = table;
    const std::optional<std::string_view> body = Between(page, "<tbody", "</tbody>", from);
    if (!body)
        return rows;
    std::size_t rowFrom = 0;
    while (const std::optional<std::string_view> row = Between(*body, "<tr", "</tr>", rowFrom)) {
        std::vector<std::string>& cells = rows.emplace_back();
        std::size_t cellFrom = 0;
        while (const std::optional<std::string_view> cell = Between(*row, "<td", "</td>", cellFrom))
            cells.push_back(TextOf(*cell).value_or("<unreadable>"));
    }
    return rows;
}

// Values of every `attribute="..."` in the page, resolved.
std::vector<std::string> AttributeValues(std::string_view page, std::string_view attribute)
{
    std::vector<std::string> values;
    const std::string open = " " + std::string(attribute) + "=\"";
    for (std::size_t at = page.find(open); at != std::string_view::npos; at = page.find(open, at + 1)) {
        const std::size_t start = at + open.size();
        const std::size_t end = page.find('"', start);
        values.push_back(TextOf(page.substr(start, end - start)).value_or("<unreadable>"));
    }
    return values;
}

std::optional<std::string> DecodeBase64(std::string_view text)
{
    constexpr std::string_view kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 4) {
        std::uint32_t group = 0;
        int padding = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            std::uint32_t value = 0;
            if (c == '=' && i + 4 == text.size() && k >= 2) {
                ++padding;
            } else {
                const std::size_t digit = kDigits.find(c);
                if (digit == std::string_view::npos || padding > 0)
                    return std::nullopt;
                value = static_cast<std::uint32_t>(digit);
            }
            group = (group << 6) | value;
        }
        out += static_cast<char>((group >> 16) & 0xFF);
        if (padding < 2)
            out += static_cast<char>((group >> 8) & 0xFF);
        if (padding < 1)
            out += static_cast<char>(group & 0xFF);
    }
    return out;
}

const std::string& Page()
{
    static const std::string page = RenderProductPage("1.0.0", {});
    return page;
}

TEST(ProductPage, CatalogueEqualsTheProgramsTableRowForRow)
{
    const Rows rows = BodyRows(Page(), "catalogue-table");
    ASSERT_EQ(rows.size(), kCatalogue.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string>& cells = rows[i];
        ASSERT_EQ(cells.size(), 4u) << "row " << i + 1;
        EXPECT_EQ(cells[0], std::to_string(i + 1));
        EXPECT_EQ(cells[1], kCatalogue[i].name) << "row " << i + 1;
        EXPECT_EQ(cells[2], kCatalogue[i].kj) << "row " << i + 1;
        EXPECT_EQ(cells[3], kCatalogue[i].kcal) << "row " << i + 1;
    }
}

TEST(ProductPage, NeedsNothingFromOutsideAndItsLinksLeadSomewhere)
{
    const std::string& page = Page();
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<link"), std::string::npos);
    EXPECT_EQ(page.find("@import"), std::string::npos);
    EXPECT_EQ(page.find("url("), std::string::npos);
    EXPECT_EQ(page.find("<iframe"), std::string::npos);

    std::set<std::string> ids;
    for (const std::string& id : AttributeValues(page, "id"))
        EXPECT_TRUE(ids.insert(id).second) << "id used twice: " << id;
    const std::vector<std::string> links = AttributeValues(page, "href");
    EXPECT_FALSE(links.empty());
    for (const std::string& link : links) {
        ASSERT_FALSE(link.empty());
        EXPECT_EQ(link[0], '#') << link;
        EXPECT_TRUE(ids.count(link.substr(1))) << "link to nothing: " << link;
    }
    for (const std::string& source : AttributeValues(page, "src"))
        EXPECT_EQ(source.rfind("data:", 0), 0u) << source;
    // F1 opens each window's help page, which sends the browser on to the window's part of the
    // page, which holds that window's keys.
    std::set<std::string> helped;
    for (const HelpPage& help : RenderHelpPages()) {
        const std::vector<std::string> to = AttributeValues(help.html, "href");
        ASSERT_EQ(to.size(), 1u) << help.file;
        const std::string section = to[0].substr(to[0].find('#') + 1);
        EXPECT_EQ(help.file, "help-" + section + ".html");
        EXPECT_NE(help.html.find("content=\"0; url=index.html#" + section + "\""), std::string::npos);
        EXPECT_TRUE(ids.count(section) && !BodyRows(page, section + "-help").empty()) << section;
        helped.insert(section);
    }
    EXPECT_EQ(helped,
              (std::set<std::string>{"main-window", "planner", "time-to-burn", "diary", "my-activities"}));
}

TEST(ProductPage, PicturesAreEmbeddedByteForByte)
{
    // Lengths 1 to 5 cover every way the last group of three bytes can end.
    const std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\"><title>\xC3\xA9 & \xE2\x9C\x93</title></svg>";
    const std::vector<std::string> pictures{"<", "<s", "<sv", "<svg", "<svg>", svg};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::string& icon = pictures[i % pictures.size()];
        const std::string& planner = pictures[(i + 1) % pictures.size()];
        const std::string& timeToBurn = pictures[(i + 2) % pictures.size()];
        const std::string page = RenderProductPage("1.0.0", {icon, planner, timeToBurn});
        std::vector<std::string> embedded;
        for (const std::string& source : AttributeValues(page, "src")) {
            constexpr std::string_view kPrefix = "data:image/svg+xml;base64,";
            ASSERT_EQ(source.rfind(kPrefix, 0), 0u) << source;
            embedded.push_back(
                DecodeBase64(std::string_view(source).substr(kPrefix.size())).value_or("<bad>"));
        }
        EXPECT_EQ(embedded, (std::vector<std::string>{icon, planner, timeToBurn}));
    }
    // A picture not given is left out rather than shown broken.
    EXPECT_EQ(AttributeValues(RenderProductPage("1.0.0", {"<svg/>", "", ""}), "src").size(), 1u);
}

TEST(ProductPage, EscapedTextReadsBackExactly)
{
    // Every ASCII character a document may hold; the other control characters read back as U+FFFD.
    std::string everyAscii = "\t\n\r";
    for (int c = 0x20; c < 128; ++c)
        everyAscii += static_cast<char>(c);
    const std::vector<std::string> texts{
        "",
        "Bicycling, < 16 km/h",
        "Children's games",
        "a > b & c \"quoted\"",
        "&amp; stays as typed",
        "<script>alert(1)</script>",
        "Prika\xC5\xBEi ispis u Wordu \xE2\x80\x94 \xF0\x9F\x9A\xB4 ",
        everyAscii,
    };
    for (const std::string& text : texts) {
        const std::string escaped = Markup(text);
        EXPECT_EQ(escaped.find_first_of("<>\"'"), std::string::npos) << escaped;
        EXPECT_EQ(TextOf(escaped), text);
    }
    EXPECT_EQ(TextOf(Markup("a\x01\x1F"
                            "b")),
              "a\xEF\xBF\xBD\xEF\xBF\xBD"
              "b");
    // The version goes through the same escaping.
    const std::string page = RenderProductPage("2.0 <beta>", {});
    EXPECT_NE(page.find("Version 2.0 &lt;beta&gt;"), std::string::npos);
    EXPECT_EQ(page.find("<beta>"), std::string::npos);
}

using Session = testing::HeadlessProgram;

template <typename Items>
int IndexOf(const Items& items, std::string_view text)
{
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(std::distance(items.begin(), found));
}

TEST(ProductPage, WorkedExamplesAreWhatTheProgramShows)
{
    const Rows planner = BodyRows(Page(), "planner-examples");
    ASSERT_FALSE(planner.empty());
    for (const std::vector<std::string>& row : planner) {
        ASSERT_EQ(row.size(), 6u);
        SCOPED_TRACE(row[1]);
        Session session;
        Form7* form = &session.openPlanner(row[0]);
        const int activity = IndexOf(form->Combo1.items(), row[1]);
        ASSERT_GE(activity, 0);
        const int hours = IndexOf(form->Combo4.items(), row[2]);
        const int minutes = IndexOf(form->Combo5.items(), row[3]);
        ASSERT_GE(hours, 0);
        ASSERT_GE(minutes, 0);
        form->Combo1.choose(activity);
        form->Combo4.choose(hours);
        form->Combo5.choose(minutes);
        EXPECT_EQ(form->Label14.caption(), row[4]);
        EXPECT_EQ(form->Label27.caption(), row[5]);
    }

    const Rows timeToBurn = BodyRows(Page(), "time-to-burn-examples");
    ASSERT_FALSE(timeToBurn.empty());
    for (const std::vector<std::string>& row : timeToBurn) {
        ASSERT_EQ(row.size(), 4u);
        SCOPED_TRACE(row[2]);
        Session session;
        Form4* form = &session.openTimeToBurn(row[0]);
        form->Text2.setText(row[1]);
        const int activity = IndexOf(form->List1.items(), row[2]);
        ASSERT_GE(activity, 0);
        form->List1.setListIndex(activity);
        EXPECT_EQ(form->Label13.caption(), row[3]);
    }

    const Rows pounds = BodyRows(Page(), "pounds-examples");
    ASSERT_FALSE(pounds.empty());
    for (const std::vector<std::string>& row : pounds) {
        ASSERT_EQ(row.size(), 2u);
        Session session;
        session.main.Option2.select();
        session.main.Text1.setText(row[0]);
        EXPECT_EQ(session.main.Text2.text(), row[1]) << row[0] << " lb";
    }
}

TEST(ProductPage, ShortcutsAreThoseOfThePlannersMenu)
{
    Session session;
    Form7* form = &session.openPlanner("70");
    std::set<std::pair<std::string, std::string>> usable;
    for (const Control* control : form->controls())
        if (const auto* item = dynamic_cast<const MenuItem*>(control);
            item && item->visible() && item->enabled())
            usable.emplace(item->shortcut(), item->caption());

    std::set<std::pair<std::string, std::string>> listed;
    for (const std::vector<std::string>& row : BodyRows(Page(), "planner-keys")) {
        ASSERT_EQ(row.size(), 3u);
        listed.emplace(row[0], row[1]);
    }
    EXPECT_EQ(listed, usable);
}

} // namespace
} // namespace movesta
