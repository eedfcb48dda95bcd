#include "support/snapshot.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "platform/controls.h"
#include "platform/window.h"
#include "support/fake_desktop.h"

namespace movesta::testing {

namespace {

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string colour(Color c)
{
    switch (c.kind) {
    case Color::Kind::Rgb:
        return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
    case Color::Kind::ButtonFace:
        return "ButtonFace";
    case Color::Kind::Highlight:
        return "Highlight";
    case Color::Kind::HighlightText:
        return "HighlightText";
    default:
        return "default";
    }
}

// Short lists in full; long ones by count, first and last items and a checksum of them all.
std::string items(const std::vector<std::string>& list)
{
    std::string out = " items=" + std::to_string(list.size()) + " [";
    const bool whole = list.size() <= 13;
    std::uint32_t hash = 2166136261u; // FNV-1a over every item and its end
    for (std::size_t i = 0; i < list.size(); ++i) {
        for (const char c : list[i] + '\n')
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        if (whole || i < 2 || i + 1 == list.size())
            out += (i ? ", " : "") + quoted(list[i]);
        else if (i == 2)
            out += ", ...";
    }
    out += "]";
    if (!whole) {
        char sum[16];
        std::snprintf(sum, sizeof sum, " #%08x", hash);
        out += sum;
    }
    return out;
}

std::string describe(const Control& c)
{
    std::string line = c.name();
    if (const auto* combo = dynamic_cast<const ComboBox*>(&c))
        line += " ComboBox " + quoted(combo->text()) + items(combo->items()) +
                " index=" + std::to_string(combo->listIndex());
    else if (const auto* box = dynamic_cast<const TextBox*>(&c))
        line += " TextBox " + quoted(box->text());
    else if (const auto* label = dynamic_cast<const Label*>(&c))
        line += " Label " + quoted(label->caption());
    else if (const auto* list = dynamic_cast<const ListBox*>(&c))
        line += " ListBox" + items(list->items()) + " index=" + std::to_string(list->listIndex());
    else if (const auto* picture = dynamic_cast<const Picture*>(&c))
        line += " Picture " + picture->picture();
    else if (const auto* option = dynamic_cast<const OptionButton*>(&c))
        line += " OptionButton " + quoted(option->caption()) + (option->value() ? " selected" : "");
    else if (const auto* item = dynamic_cast<const MenuItem*>(&c))
        line += " MenuItem " + quoted(item->caption()) + " " + quoted(item->shortcut());
    else if (const auto* decoration = dynamic_cast<const Decoration*>(&c))
        line += " Decoration " + quoted(decoration->caption());
    line += c.visible() ? "" : " hidden";
    line += c.enabled() ? "" : " disabled";
    if (c.backColor() != Color{})
        line += " back=" + colour(c.backColor());
    if (c.foreColor() != Color{})
        line += " fore=" + colour(c.foreColor());
    line += c.bold() ? " bold" : "";
    if (c.fontSize() != 0)
        line += " size=" + std::to_string(c.fontSize());
    if (!c.toolTip().empty())
        line += " tip=" + quoted(c.toolTip());
    return line;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines only one side has, in order ("-" the committed file, "+" the window now).
std::string difference(const std::vector<std::string>& was, const std::vector<std::string>& is)
{
    // Longest common subsequence, then a walk that writes what is not in it.
    std::vector<std::vector<int>> common(was.size() + 1, std::vector<int>(is.size() + 1));
    for (std::size_t i = was.size(); i-- > 0;)
        for (std::size_t j = is.size(); j-- > 0;)
            common[i][j] =
                was[i] == is[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::string out;
    std::size_t i = 0, j = 0;
    while (i < was.size() || j < is.size()) {
        if (i < was.size() && j < is.size() && was[i] == is[j]) {
            ++i, ++j;
        } else if (j == is.size() || (i < was.size() && common[i + 1][j] >= common[i][j + 1])) {
            out += "- " + was[i++] + "\n";
        } else {
            out += "+ " + is[j++] + "\n";
        }
    }
    return out;
}

} // namespace

std::string Snapshot(const Window& window)
{
    const Control* focus = window.focusedControl();
    std::string text = quoted(window.caption()) + (window.isShown() ? " shown" : "") +
                       " focus=" + (focus ? focus->name() : "none") + "\n";
    for (const Control* control : window.controls())
        text += describe(*control) + "\n";
    return text;
}

::testing::AssertionResult MatchesSnapshot(const Window& window, const std::string& name)
{
    const std::string path = std::string(MOVESTA_SNAPSHOT_DIR) + "/" + name + ".txt";
    const std::string now = Snapshot(window);
    if (const char* update = std::getenv("MOVESTA_UPDATE_SNAPSHOTS"); update && std::string(update) == "1") {
        std::ofstream(path, std::ios::binary) << now;
        return ::testing::AssertionSuccess();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return ::testing::AssertionFailure()
               << "no snapshot " << path << "; MOVESTA_UPDATE_SNAPSHOTS=1 writes it";
    const std::string committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (committed == now)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the window differs from " << path << " (MOVESTA_UPDATE_SNAPSHOTS=1 rewrites it):\n"
           << difference(linesOf(committed), linesOf(now));
}

void ReportFakeFailuresToGTest()
{
    FakeDesktop::setFailureHandler([](const std::string& failure) { ADD_FAILURE() << failure; });
}

} // namespace movesta::testing
