// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/snapshot.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/controls.h"
#include "platform/window.h"

namespace movesta::testing {

namespace {

// In quotes, with control characters escaped so that every control stays on one line.
std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
        out += static_cast<unsigned char>(c) < 0x20 ? escaped : c == '"' ? "\\\"" : std::string(1, c);
    }
    return out + '"';
}

std::string colour(Color c)
{
    const char* system[] = {"default", "", "ButtonFace", "Highlight", "HighlightText"};
    if (c.kind != Color::Kind::Rgb)
        return system[static_cast<int>(c.kind)];
    return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

// Short lists in full; long ones by count, first and last items and a checksum of them all.
std::string items(const std::vector<std::string>& list, int index)
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
    char sum[16];
    std::snprintf(sum, sizeof sum, " #%08x", hash);
    return out + "]" + (whole ? "" : sum) + " index=" + std::to_string(index);
}

std::string describe(const Control& c)
{
    std::string line = c.name();
    if (const auto* combo = dynamic_cast<const ComboBox*>(&c))
        line += " ComboBox " + quoted(combo->text()) + items(combo->items(), combo->listIndex());
    else if (const auto* box = dynamic_cast<const TextBox*>(&c))
        line += " TextBox " + quoted(box->text());
    else if (const auto* label = dynamic_cast<const Label*>(&c))
        line += " Label " + quoted(label->caption());
    else if (const auto* list = dynamic_cast<const ListBox*>(&c))
        line += " ListBox" + items({list->items().begin(), list->items().end()}, list->listIndex());
    else if (const auto* picture = dynamic_cast<const Picture*>(&c))
        line += " Picture " + picture->picture();
    else if (const auto* option = dynamic_cast<const OptionButton*>(&c))
        line += " OptionButton " + quoted(option->caption()) + (option->value() ? " selected" : "");
    else if (const auto* item = dynamic_cast<const MenuItem*>(&c))
        line += " MenuItem " + quoted(item->caption()) + " " + quoted(item->shortcut());
    else if (const auto* button = dynamic_cast<const CommandButton*>(&c))
        line += " CommandButton " + quoted(button->caption());
    else if (const auto* calendar = dynamic_cast<const Calendar*>(&c))
        line += " Calendar " + quoted(calendar->date()) + " month=" + quoted(calendar->month()) +
                items(calendar->markedDays(), -1);
    else if (const auto* chart = dynamic_cast<const BarChart*>(&c))
        line += " BarChart bars=" + std::to_string(chart->bars().size()) + " " + quoted(chart->description());
    else if (const auto* decoration = dynamic_cast<const Decoration*>(&c))
        line += " Decoration " + quoted(decoration->caption());
    line += std::string(c.visible() ? "" : " hidden") + (c.enabled() ? "" : " disabled");
    line += c.backColor() == Color{} ? "" : " back=" + colour(c.backColor());
    line += c.foreColor() == Color{} ? "" : " fore=" + colour(c.foreColor());
    line += c.bold() ? " bold" : "";
    line += c.fontSize() == 0 ? "" : " size=" + std::to_string(c.fontSize());
    return line + (c.toolTip().empty() ? "" : " tip=" + quoted(c.toolTip()));
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

std::string CommittedSnapshot(const std::string& name, const Window& window)
{
    return CommittedFile(name + ".txt", Snapshot(window));
}

std::string CommittedFile(const std::string& name, const std::string& actual)
{
    const std::string path = std::string(MOVESTA_SNAPSHOT_DIR) + "/" + name;
    if (const char* update = std::getenv("MOVESTA_UPDATE_SNAPSHOTS"); update && std::string(update) == "1")
        std::ofstream(path, std::ios::binary) << actual;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "no snapshot " + path + "; MOVESTA_UPDATE_SNAPSHOTS=1 writes it\n";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace movesta::testing
