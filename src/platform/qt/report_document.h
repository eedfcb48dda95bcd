// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner report as one Qt text document, and the paged outputs written from it: print,
// PDF and OpenDocument text. The layout lives in the document; each output only renders it.

#include <QByteArray>

#include <memory>
#include <string>
#include <vector>

#include "platform/report.h"

class QPrinter;
class QTextDocument;

namespace movesta {

// Each report one after the other: its heading, its table (the column headings repeated on
// every page, the totals row last) and the lines after the table, as paragraphs.
using ReportSections = std::vector<PlannerReport>;
std::unique_ptr<QTextDocument> ReportDocument(const ReportSections& sections);

// The document as the bytes of a file; empty when Qt could not write it.
QByteArray ReportPdf(const ReportSections& sections);
QByteArray ReportOdt(const ReportSections& sections);

// Prints on a printer already set up (by the print dialog, or to a PDF file); the reason of a
// failure, naming the printer or the file, or empty.
std::string PrintReport(QPrinter& printer, const PlannerReport& report);

} // namespace movesta
