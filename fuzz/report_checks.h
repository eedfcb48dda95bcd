// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Properties of the planner report's forms that must hold whatever the names and totals hold:
// any bytes, megabytes of them. The report is built through its public fields only, as the
// planner composes it. Each check returns an empty text when everything holds, else what went
// wrong.

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <optional>
#include <string.h> // memmem, a GNU extension
#include <string>
#include <string_view>
#include <vector>

#include "checks.h"
#include "planner/report_formats.h"

namespace movesta::fuzz {

// The report's shape read from the data's first two bytes: up to 15 rows, up to 3 total lines.
struct ReportShape {
    std::size_t rows = 0;
    std::size_t lines = 0;
    std::size_t texts() const { return 1 + 5 + 5 * rows + 5 + 2 * lines; }
};

// The report over `texts` in their order: heading, column headings, the rows, the totals row,
// then each total line's label and value.
inline PlannerReport ReportOf(const std::vector<std::string>& texts, const ReportShape& shape)
{
    std::size_t next = 0;
    const auto text = [&]() -> std::string_view { return texts[next++]; };
    const auto row = [&] { return ReportRow{text(), text(), text(), text(), text()}; };
    PlannerReport report;
    report.heading = text();
    report.columns = row();
    for (std::size_t i = 0; i < shape.rows; ++i)
        report.rows.push_back(row());
    report.totals = row();
    for (std::size_t i = 0; i < shape.lines; ++i) {
        std::string label(text());
        report.totalLines.push_back({std::move(label), std::string(text())});
    }
    return report;
}

// After the shape, each text is a length byte and that many bytes; a length byte of 255 is
// followed by three more, the length from 0 to 16 MB (least significant first), so that any
// name can hold a pasted megabyte. A length beyond the data takes what is left; texts past the
// end of the data are empty.
inline std::vector<std::string> ReportTexts(std::string_view data, ReportShape& shape)
{
    std::size_t at = 0;
    const auto byte = [&]() -> std::size_t {
        return at < data.size() ? static_cast<unsigned char>(data[at++]) : 0;
    };
    shape.rows = byte() % 16;
    shape.lines = byte() % 4;
    std::vector<std::string> texts(shape.texts());
    for (std::string& text : texts) {
        std::size_t length = byte();
        if (length == 255) {
            length = byte();
            length |= byte() << 8;
            length |= byte() << 16;
        }
        const std::size_t taken = std::min(length, data.size() - at);
        text = data.substr(at, taken);
        at += taken;
    }
    return texts;
}

// The number of fields of each record of an RFC 4180 text; nullopt where it is not one (a quote
// inside an unquoted field, anything between a closing quote and the next separator, a line
// break other than CR LF outside quotes, a last record without its CR LF).
inline std::optional<std::vector<std::size_t>> CsvFieldCounts(std::string_view csv)
{
    std::vector<std::size_t> records;
    std::size_t fields = 1;
    for (std::size_t i = 0; i < csv.size();) {
        if (csv[i] == '"') {
            for (++i;; ++i) {
                if (i >= csv.size())
                    return std::nullopt;
                if (csv[i] == '"' && (i + 1 >= csv.size() || csv[i + 1] != '"'))
                    break;
                if (csv[i] == '"')
                    ++i; // a doubled quote
            }
            ++i;
        } else {
            for (; i < csv.size() && csv[i] != ',' && csv[i] != '\r' && csv[i] != '\n'; ++i)
                if (csv[i] == '"')
                    return std::nullopt;
        }
        if (i < csv.size() && csv[i] == ',') {
            ++fields;
            ++i;
        } else if (csv.substr(i, 2) == "\r\n") {
            records.push_back(fields);
            fields = 1;
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return records;
}

// Every '&' of a markup text starts a character reference.
inline bool AmpersandsAreReferences(std::string_view html)
{
    for (std::size_t at = html.find('&'); at != std::string_view::npos; at = html.find('&', at + 1)) {
        std::size_t end = at + 1;
        if (end < html.size() && html[end] == '#')
            ++end;
        const std::size_t nameStart = end;
        while (end < html.size() && std::isalnum(static_cast<unsigned char>(html[end])))
            ++end;
        if (end == nameStart || end >= html.size() || html[end] != ';')
            return false;
    }
    return true;
}

inline std::string CheckReportForms(std::string_view data)
{
    ReportShape shape;
    const std::vector<std::string> texts = ReportTexts(data, shape);
    const PlannerReport report = ReportOf(texts, shape);
    // The same report with harmless texts: its markup is the writer's alone.
    const std::vector<std::string> plainTexts(texts.size(), "x");
    const PlannerReport plain = ReportOf(plainTexts, shape);
    const std::string where =
        "report of " + std::to_string(shape.rows) + " rows from \"" + Shown(data) + "\": ";

    const std::string html = ReportHtml(report);
    if (!IsUtf8(html))
        return where + "the HTML is not UTF-8";
    const std::string plainHtml = ReportHtml(plain);
    if (std::count(html.begin(), html.end(), '<') != std::count(plainHtml.begin(), plainHtml.end(), '<'))
        return where + "a text put a '<' of its own into the HTML";
    if (!AmpersandsAreReferences(html))
        return where + "the HTML holds an '&' that starts no reference";

    const std::optional<std::vector<std::size_t>> records = CsvFieldCounts(ReportCsv(report));
    if (!records)
        return where + "the CSV does not read as RFC 4180";
    // The column headings, the rows, the totals row and the total lines, five fields each.
    const std::vector<std::size_t> expected(1 + shape.rows + 1 + shape.lines, 5);
    if (*records != expected)
        return where + "the CSV reads back as " + std::to_string(records->size()) +
               " records, or records of other than five fields";

    // The names stand in the rows' order. glibc's memmem, since it is linear: a plain find, and
    // libstdc++'s Boyer-Moore tables, take the product of the lengths on "aaa...a" and "baa...a".
    const std::string text = ReportText(report);
    std::size_t from = 0;
    for (const ReportRow& row : report.rows) {
        const void* found =
            ::memmem(text.data() + from, text.size() - from, row.activity.data(), row.activity.size());
        if (found == nullptr)
            return where + "the text lacks the name \"" + Shown(row.activity) + "\"";
        from = static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) + row.activity.size();
    }
    return {};
}

} // namespace movesta::fuzz
