// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "planner/report_formats.h"

#include "core/text.h"

namespace movesta {

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr std::size_t kHeadingRule = 83;
constexpr std::size_t kTotalsRule = 82;
// Fixed characters of one text row line, and about those of the lines around the rows.
constexpr std::size_t kRowFrame = 22;
constexpr std::size_t kReportFrame = 400;
constexpr std::size_t kNameColumn = 0;

// The cells of a table form: names without their trailing blanks, everything else as it stands.
std::array<std::string_view, ReportRow::kColumns> cells(const ReportRow& row)
{
    std::array<std::string_view, ReportRow::kColumns> cells = row.cells();
    cells[kNameColumn] = WithoutTrailingBlanks(cells[kNameColumn]);
    return cells;
}

std::string totalLineText(const ReportTotalLine& line)
{
    return line.label + " = " + line.value;
}

// `text`: a cell of words, not one of the numbers the report wrote. One that begins as a formula
// would is kept from being run by a spreadsheet: quoted, after a '.
void appendCsvField(std::string& out, std::string_view field, bool text)
{
    const bool formula =
        text && !field.empty() && std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos;
    if (!formula && field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += formula ? "\"'" : "\"";
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// The first field of every record is words (a name, a heading, a caption); the rest are the
// report's own numbers and durations.
void appendCsvRecord(std::string& out, const std::array<std::string_view, ReportRow::kColumns>& fields)
{
    for (std::size_t column = 0; column < fields.size(); ++column) {
        if (column > 0)
            out += ',';
        appendCsvField(out, fields[column], column == kNameColumn);
    }
    out += kLineBreak;
}

// The HTML table row; `tag` is "td", or "th" in the heading and totals rows.
void appendHtmlRow(std::string& out, const ReportRow& row, std::string_view tag)
{
    out += "<tr>";
    const auto fields = cells(row);
    for (std::size_t column = 0; column < fields.size(); ++column) {
        out += '<';
        out += tag;
        out += column == kNameColumn ? " align=\"left\">" : " align=\"right\">";
        AppendMarkup(out, fields[column]);
        out += "</";
        out += tag;
        out += '>';
    }
    out += "</tr>\n";
}

} // namespace

std::string ReportText(const PlannerReport& report)
{
    // Measured first and written into one string: the report of a long list is copied once.
    std::size_t size = kReportFrame + report.heading.size();
    for (const ReportRow& row : report.rows)
        size +=
            kRowFrame + row.activity.size() + row.hours.size() + row.minutes.size() + row.kilocalories.size();
    for (const ReportTotalLine& line : report.totalLines)
        size += line.label.size() + line.value.size() + 5;
    std::string text;
    text.reserve(size);

    text += report.heading;
    text += kLineBreak;
    text.append(kHeadingRule, '-');
    for (const ReportRow& row : report.rows) {
        text += kLineBreak;
        text += "- ";
        text += row.activity;
        text += "  - (";
        text += row.hours;
        text += "h:";
        text += row.minutes;
        text += "min, ";
        text += row.kilocalories;
        text += " kcal)";
    }
    text += kLineBreak;
    text.append(kTotalsRule, '-');
    for (const ReportTotalLine& line : report.totalLines) {
        text += kLineBreak;
        text += line.label;
        text += " = ";
        text += line.value;
    }
    return text;
}

namespace {

void appendHtmlSection(std::string& html, const PlannerReport& report)
{
    html += "<h1>";
    AppendMarkup(html, report.heading);
    html += "</h1>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<thead>\n";
    appendHtmlRow(html, report.columns, "th");
    html += "</thead>\n<tbody>\n";
    for (const ReportRow& row : report.rows)
        appendHtmlRow(html, row, "td");
    html += "</tbody>\n<tfoot>\n";
    appendHtmlRow(html, report.totals, "th");
    html += "</tfoot>\n</table>\n";
    for (const ReportTotalLine& line : report.totalLines) {
        html += "<p>";
        AppendMarkup(html, totalLineText(line));
        html += "</p>\n";
    }
}

// One HTML document, titled by the first report's heading.
std::string reportHtml(const std::vector<const PlannerReport*>& sections)
{
    std::string html;
    std::size_t rows = 0;
    for (const PlannerReport* report : sections)
        rows += report->rows.size();
    html.reserve(kReportFrame * 2 * sections.size() + rows * 200);
    html += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    if (!sections.empty())
        AppendMarkup(html, sections.front()->heading);
    html += "</title>\n</head>\n<body>\n";
    for (const PlannerReport* report : sections)
        appendHtmlSection(html, *report);
    html += "</body>\n</html>\n";
    return html;
}

} // namespace

std::string ReportHtml(const PlannerReport& report)
{
    return reportHtml({&report});
}

std::string ReportCsv(const PlannerReport& report)
{
    std::string csv;
    appendCsvRecord(csv, cells(report.columns));
    for (const ReportRow& row : report.rows)
        appendCsvRecord(csv, cells(row));
    appendCsvRecord(csv, cells(report.totals));
    for (const ReportTotalLine& line : report.totalLines)
        appendCsvRecord(csv, {WithoutTrailingBlanks(line.label), line.value, {}, {}, {}});
    return csv;
}

std::string WriteReport(const PlannerReport& report, ReportFormat format)
{
    switch (format) {
    case ReportFormat::Csv:
        return ReportCsv(report);
    case ReportFormat::Html:
        return ReportHtml(report);
    case ReportFormat::Text:
        break;
    }
    return ReportText(report);
}

std::string WriteReport(const std::vector<PlannerReport>& sections, ReportFormat format)
{
    if (sections.size() == 1)
        return WriteReport(sections.front(), format);
    std::string out;
    if (format == ReportFormat::Html) {
        std::vector<const PlannerReport*> all;
        for (const PlannerReport& section : sections)
            all.push_back(&section);
        return reportHtml(all);
    }
    for (const PlannerReport& section : sections) {
        if (format == ReportFormat::Csv) {
            appendCsvRecord(out, {section.heading, {}, {}, {}, {}});
            out += ReportCsv(section);
        } else {
            if (!out.empty())
                out += std::string(kLineBreak) + kLineBreak;
            out += ReportText(section);
        }
    }
    return out;
}

} // namespace movesta
