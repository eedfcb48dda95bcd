// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner report, described once (heading, columns, rows, totals row, total lines) and
// written from that one description in each of its forms: the clipboard's plain text, HTML,
// CSV and an OpenDocument text. A line added to the total lines shows in every form.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace movesta {

// One row of the table: activity, hours, minutes, kJ, kcal, as the window's lists hold them.
using ReportRow = std::array<std::string_view, 5>;

// A line after the table, written "label = value" ("Total duration of physical activities =
// 2h:30min"); the table forms put label and value in cells of their own.
struct ReportTotalLine {
    std::string label;
    std::string value;
};

// Rows and totals are views of the window's own texts: a report is written at once, while the
// lists and totals it was composed from stand unchanged.
struct PlannerReport {
    std::string_view heading;
    std::array<std::string_view, 5> columns; // headings of the table forms
    std::vector<ReportRow> rows;
    ReportRow totals; // the table forms' totals row: its caption and the four totals
    std::vector<ReportTotalLine> totalLines;
};

// The plain text: heading, rule, "- name  - (hh:mmmin, kcal kcal)" per row, rule, the total
// lines; CR LF between lines and none after the last. Every text as it stands.
std::string ReportText(const PlannerReport& report);
// A whole HTML document: the heading, a table of the rows with the totals row in its footer,
// then the total lines. Names lose their trailing blanks here; numbers keep their decimal comma.
std::string ReportHtml(const PlannerReport& report);
// RFC 4180: the column headings, one record per row, the totals row, then each total line as a
// label and a value; CR LF after every record, fields quoted where they hold a comma, a double
// quote or a line break.
std::string ReportCsv(const PlannerReport& report);
// An OpenDocument text (.odt): the heading, the table and the total lines as paragraphs.
std::string ReportOdt(const PlannerReport& report);

enum class ReportFormat { OpenDocument, Csv, Html, Text };
std::string WriteReport(const PlannerReport& report, ReportFormat format);

} // namespace movesta
