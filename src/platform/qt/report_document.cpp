// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/report_document.h"

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>

#include "platform/qt/qt_text.h"

namespace movesta {

namespace {

constexpr int kNameColumn = 0;
constexpr qreal kHeadingPoints = 16;
constexpr qreal kBodyPoints = 10;
// The name's share of the table; the four numbers share the rest, each wide enough for a total
// such as "117593,0" in bold.
constexpr qreal kNameShare = 0.44;
// A4's width less 2 cm a side (Letter is wider).
constexpr qreal kTextWidthPoints = 17 / 2.54 * 72;

// A text of the report as the document holds it: control characters other than a tab, which
// no document format keeps as they are, become U+FFFD, as in the HTML form.
QString documentText(std::string_view text)
{
    QString shown = toQ(text);
    for (QChar& c : shown)
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            c = QChar::ReplacementCharacter;
    return shown;
}

void fillRow(QTextTable& table, int row, const ReportRow& cells, bool bold)
{
    QTextCharFormat character;
    if (bold)
        character.setFontWeight(QFont::Bold);
    const auto texts = cells.cells();
    for (int column = 0; column < static_cast<int>(texts.size()); ++column) {
        QTextCursor cursor = table.cellAt(row, column).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(column == kNameColumn ? Qt::AlignLeft : Qt::AlignRight);
        cursor.setBlockFormat(block);
        const std::string_view text = texts[static_cast<std::size_t>(column)];
        cursor.insertText(documentText(column == kNameColumn ? WithoutTrailingBlanks(text) : text),
                          character);
    }
}

// A4, or Letter where the locale measures in inches.
QPageSize localPageSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

// The table's width: a share of the page's (print and PDF, whatever the paper), or a width in
// points, since Qt's OpenDocument writer writes a share as points (100 % as "100pt").
void appendSection(QTextCursor& cursor, const PlannerReport& report, QTextLength::Type widths, bool first)
{
    if (!first)
        cursor.insertBlock();
    QTextCharFormat heading;
    heading.setFontPointSize(kHeadingPoints);
    heading.setFontWeight(QFont::Bold);
    QTextBlockFormat headingBlock;
    headingBlock.setHeadingLevel(1);
    headingBlock.setBottomMargin(kBodyPoints);
    if (!first)
        headingBlock.setTopMargin(2 * kBodyPoints);
    cursor.setBlockFormat(headingBlock);
    cursor.insertText(documentText(report.heading), heading);

    // The name takes what the four numbers leave; the table is as wide as the page allows.
    const qreal whole = widths == QTextLength::PercentageLength ? 100 : kTextWidthPoints;
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setWidth(QTextLength(widths, whole));
    QList<QTextLength> columns{QTextLength(widths, whole * kNameShare)};
    for (std::size_t column = 1; column < ReportRow::kColumns; ++column)
        columns.append(QTextLength(widths, whole * (1 - kNameShare) / (ReportRow::kColumns - 1)));
    format.setColumnWidthConstraints(columns);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorder(0.5);
    format.setBorderCollapse(true);
    format.setBorderBrush(QBrush(Qt::black));
    const int rows = static_cast<int>(report.rows.size());
    QTextTable* table = cursor.insertTable(rows + 2, static_cast<int>(ReportRow::kColumns), format);
    fillRow(*table, 0, report.columns, true);
    for (int row = 0; row < rows; ++row)
        fillRow(*table, row + 1, report.rows[static_cast<std::size_t>(row)], false);
    fillRow(*table, rows + 1, report.totals, true);

    // After the table stands one empty paragraph: the first line goes there.
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat line;
    line.setTopMargin(kBodyPoints / 2);
    cursor.setBlockFormat(line);
    for (std::size_t at = 0; at < report.totalLines.size(); ++at) {
        if (at > 0)
            cursor.insertBlock(line, QTextCharFormat());
        const ReportTotalLine& total = report.totalLines[at];
        cursor.insertText(documentText(total.label + " = " + total.value), QTextCharFormat());
    }
}

std::unique_ptr<QTextDocument> buildDocument(const ReportSections& sections, QTextLength::Type widths)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font = QGuiApplication::font();
    font.setPointSizeF(kBodyPoints);
    document->setDefaultFont(font);
    if (!sections.empty())
        document->setMetaInformation(QTextDocument::DocumentTitle, documentText(sections.front().heading));
    QTextCursor cursor(document.get());
    for (std::size_t at = 0; at < sections.size(); ++at)
        appendSection(cursor, sections[at], widths, at == 0);
    return document;
}

} // namespace

std::unique_ptr<QTextDocument> ReportDocument(const ReportSections& sections)
{
    return buildDocument(sections, QTextLength::PercentageLength);
}

QByteArray ReportPdf(const ReportSections& sections)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Movesta"));
        if (!sections.empty())
            pdf.setTitle(documentText(sections.front().heading));
        // No margins of the writer's own: the document keeps 2 cm around its text and puts the
        // page numbers in the bottom one.
        pdf.setPageLayout(QPageLayout(localPageSize(), QPageLayout::Portrait, QMarginsF()));
        ReportDocument(sections)->print(&pdf);
    } // the writer finishes the file as it goes
    return bytes;
}

QByteArray ReportOdt(const ReportSections& sections)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QTextDocumentWriter writer(&buffer, QByteArrayLiteral("odf"));
    if (!writer.write(buildDocument(sections, QTextLength::FixedLength).get()))
        return {};
    return bytes;
}

std::string PrintReport(QPrinter& printer, const PlannerReport& report)
{
    ReportDocument({report})->print(&printer);
    if (printer.printerState() != QPrinter::Error)
        return {};
    const QString where = printer.outputFileName().isEmpty()
                              ? QStringLiteral("the printer \"%1\"").arg(printer.printerName())
                              : QStringLiteral("the file %1").arg(printer.outputFileName());
    return fromQ(QStringLiteral("The report could not be printed on %1.").arg(where));
}

} // namespace movesta
