// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner report, described once: heading, columns, rows, totals row and the lines after the
// table. Every form of it is written from this one description, the text forms by the planner
// and the paged documents (print, PDF, OpenDocument) by the desktop services.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace movesta {

// One row of the table as the window's lists hold it. Views of the window's own texts: a report
// is written at once, while the lists and totals it was composed from stand unchanged.
struct ReportRow {
    std::string_view activity;
    std::string_view hours;
    std::string_view minutes;
    std::string_view kilojoules;
    std::string_view kilocalories;

    static constexpr std::size_t kColumns = 5;
    // The cells in the order of the table's columns; the activity first.
    std::array<std::string_view, kColumns> cells() const
    {
        return {activity, hours, minutes, kilojoules, kilocalories};
    }
};

// A line after the table, written "label = value" ("Total duration of physical activities =
// 2h:30min"); the table forms put label and value in cells of their own.
struct ReportTotalLine {
    std::string label;
    std::string value;
};

struct PlannerReport {
    std::string_view heading;
    ReportRow columns; // headings of the table forms
    std::vector<ReportRow> rows;
    ReportRow totals; // the table forms' totals row: its caption and the four totals
    std::vector<ReportTotalLine> totalLines;
};

// Names lose their trailing blanks in the table forms; the plain text keeps them.
inline std::string_view WithoutTrailingBlanks(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

} // namespace movesta
