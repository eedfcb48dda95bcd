// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner report written in its text forms: the clipboard's plain text, HTML and CSV. The
// paged forms (print, PDF, OpenDocument) are laid out by the desktop services from the same
// description.

#include <string>
#include <vector>

#include "platform/report.h"

namespace movesta {

// The plain text: heading, rule, "- name  - (hh:mmmin, kcal kcal)" per row, rule, the total
// lines; CR LF between lines and none after the last. Every text as it stands.
std::string ReportText(const PlannerReport& report);
// A whole HTML document: the heading, a table of the rows with the totals row in its footer,
// then the total lines. Names lose their trailing blanks here; numbers keep their decimal comma.
std::string ReportHtml(const PlannerReport& report);
// RFC 4180: the column headings, one record per row, the totals row, then each total line as a
// label and a value; CR LF after every record, fields quoted where they hold a comma, a double
// quote or a line break. A text cell that a spreadsheet would take for a formula (it begins
// with = + - @, a tab or a CR) is written quoted after a ' so that it shows as the text it is;
// the numbers the report writes stay numbers.
std::string ReportCsv(const PlannerReport& report);

enum class ReportFormat { Csv, Html, Text };
std::string WriteReport(const PlannerReport& report, ReportFormat format);
// Several reports in one file, one after the other (the diary's days): the texts with an empty
// line between them; the CSV with each report's heading as a record before its table; one HTML
// document. One report is written exactly as above.
std::string WriteReport(const std::vector<PlannerReport>& sections, ReportFormat format);

class DesktopServices;
// Asks for a file in the save dialog and writes the reports there, in the type its extension
// names (or the type chosen, whose extension it then gets); a failure names the file and why.
void SaveReportSections(DesktopServices& desktop, const std::string& title, const std::string& suggestedName,
                        const std::vector<PlannerReport>& sections);

} // namespace movesta
