// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "planner/report_formats.h"

#include "core/stored_zip.h"
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

std::string_view withoutTrailingBlanks(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// The cell of a table form: names without their trailing blanks, everything else as it stands.
std::string_view cell(const ReportRow& row, std::size_t column)
{
    return column == kNameColumn ? withoutTrailingBlanks(row[column]) : row[column];
}

std::string totalLineText(const ReportTotalLine& line)
{
    return line.label + " = " + line.value;
}

void appendCsvField(std::string& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendCsvRecord(std::string& out, const ReportRow& row)
{
    for (std::size_t column = 0; column < row.size(); ++column) {
        if (column > 0)
            out += ',';
        appendCsvField(out, cell(row, column));
    }
    out += kLineBreak;
}

// The HTML table row; `tag` is "td", or "th" in the heading and totals rows.
void appendHtmlRow(std::string& out, const ReportRow& row, std::string_view tag)
{
    out += "<tr>";
    for (std::size_t column = 0; column < row.size(); ++column) {
        out += '<';
        out += tag;
        out += column == kNameColumn ? " align=\"left\">" : " align=\"right\">";
        AppendMarkup(out, cell(row, column));
        out += "</";
        out += tag;
        out += '>';
    }
    out += "</tr>\n";
}

// The OpenDocument table row; paragraph styles: bold for the heading and totals rows, numbers
// to the right.
void appendOdtRow(std::string& out, const ReportRow& row, bool bold)
{
    out += "<table:table-row>";
    for (std::size_t column = 0; column < row.size(); ++column) {
        const char* style =
            column == kNameColumn ? (bold ? "Bold" : "Standard") : (bold ? "BoldNumber" : "Number");
        out += "<table:table-cell office:value-type=\"string\"><text:p text:style-name=\"";
        out += style;
        out += "\">";
        AppendMarkup(out, cell(row, column));
        out += "</text:p></table:table-cell>";
    }
    out += "</table:table-row>\n";
}

constexpr const char* kOdfNamespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\""
    " office:version=\"1.2\"";

std::string odtContent(const PlannerReport& report)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content";
    out += kOdfNamespaces;
    out += ">\n<office:automatic-styles>\n"
           "<style:style style:name=\"Report\" style:family=\"table\">"
           "<style:table-properties style:width=\"16cm\" table:align=\"left\"/></style:style>\n"
           "<style:style style:name=\"NameColumn\" style:family=\"table-column\">"
           "<style:table-column-properties style:column-width=\"8cm\"/></style:style>\n"
           "<style:style style:name=\"NumberColumn\" style:family=\"table-column\">"
           "<style:table-column-properties style:column-width=\"2cm\"/></style:style>\n"
           "<style:style style:name=\"Bold\" style:family=\"paragraph\">"
           "<style:text-properties fo:font-weight=\"bold\"/></style:style>\n"
           "<style:style style:name=\"Number\" style:family=\"paragraph\">"
           "<style:paragraph-properties fo:text-align=\"end\"/></style:style>\n"
           "<style:style style:name=\"BoldNumber\" style:family=\"paragraph\">"
           "<style:paragraph-properties fo:text-align=\"end\"/>"
           "<style:text-properties fo:font-weight=\"bold\"/></style:style>\n"
           "</office:automatic-styles>\n<office:body>\n<office:text>\n"
           "<text:h text:outline-level=\"1\">";
    AppendMarkup(out, report.heading);
    out += "</text:h>\n<table:table table:name=\"";
    AppendMarkup(out, report.heading);
    out += "\" table:style-name=\"Report\">\n"
           "<table:table-column table:style-name=\"NameColumn\"/>\n"
           "<table:table-column table:style-name=\"NumberColumn\" table:number-columns-repeated=\"4\"/>\n"
           "<table:table-header-rows>\n";
    appendOdtRow(out, report.columns, true);
    out += "</table:table-header-rows>\n";
    for (const ReportRow& row : report.rows)
        appendOdtRow(out, row, false);
    appendOdtRow(out, report.totals, true);
    out += "</table:table>\n";
    for (const ReportTotalLine& line : report.totalLines) {
        out += "<text:p>";
        AppendMarkup(out, totalLineText(line));
        out += "</text:p>\n";
    }
    out += "</office:text>\n</office:body>\n</office:document-content>\n";
    return out;
}

} // namespace

std::string ReportText(const PlannerReport& report)
{
    // Measured first and written into one string: the report of a long list is copied once.
    std::size_t size = kReportFrame + report.heading.size();
    for (const ReportRow& row : report.rows)
        size += kRowFrame + row[0].size() + row[1].size() + row[2].size() + row[4].size();
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
        text += row[0];
        text += "  - (";
        text += row[1];
        text += "h:";
        text += row[2];
        text += "min, ";
        text += row[4];
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

std::string ReportHtml(const PlannerReport& report)
{
    std::string html;
    html.reserve(kReportFrame * 2 + report.rows.size() * 200);
    const std::string heading = Markup(report.heading);
    html += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    html += heading;
    html += "</title>\n</head>\n<body>\n<h1>";
    html += heading;
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
    html += "</body>\n</html>\n";
    return html;
}

std::string ReportCsv(const PlannerReport& report)
{
    std::string csv;
    appendCsvRecord(csv, report.columns);
    for (const ReportRow& row : report.rows)
        appendCsvRecord(csv, row);
    appendCsvRecord(csv, report.totals);
    for (const ReportTotalLine& line : report.totalLines)
        appendCsvRecord(csv, {line.label, line.value, {}, {}, {}});
    return csv;
}

std::string ReportOdt(const PlannerReport& report)
{
    StoredZip zip;
    // The type first and stored as it is, so that a program can tell the file's kind from its
    // first bytes.
    zip.add("mimetype", "application/vnd.oasis.opendocument.text");
    zip.add("META-INF/manifest.xml",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\""
            " manifest:version=\"1.2\">\n"
            " <manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\""
            " manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>\n"
            " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
            " <manifest:file-entry manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>\n"
            " <manifest:file-entry manifest:full-path=\"meta.xml\" manifest:media-type=\"text/xml\"/>\n"
            "</manifest:manifest>\n");
    zip.add("content.xml", odtContent(report));
    zip.add("styles.xml", std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-styles") +
                              kOdfNamespaces + "><office:styles/></office:document-styles>\n");
    zip.add("meta.xml", std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-meta") +
                            kOdfNamespaces +
                            "><office:meta><meta:generator>Movesta</meta:generator></office:meta>"
                            "</office:document-meta>\n");
    return zip.finish();
}

std::string WriteReport(const PlannerReport& report, ReportFormat format)
{
    switch (format) {
    case ReportFormat::OpenDocument:
        return ReportOdt(report);
    case ReportFormat::Csv:
        return ReportCsv(report);
    case ReportFormat::Html:
        return ReportHtml(report);
    case ReportFormat::Text:
        break;
    }
    return ReportText(report);
}

} // namespace movesta
