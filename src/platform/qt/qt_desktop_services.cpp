// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/qt_desktop_services.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt/date_dialog.h"
#include "platform/qt/number_dialog.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/report_document.h"

namespace movesta {

namespace {

// The page ships with the program: beside the executable in the build tree, under the data
// directory once installed.
QString findProductPage()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates{
        appDir + QStringLiteral("/product_page/index.html"),
        appDir + QStringLiteral("/../share/movesta/product_page/index.html"),
        QStringLiteral(MOVESTA_INSTALL_DATADIR "/movesta/product_page/index.html"),
    };
    for (const QString& path : candidates)
        if (QFileInfo::exists(path))
            return QFileInfo(path).canonicalFilePath();
    return QDir::cleanPath(candidates.back());
}

} // namespace

QtDesktopServices::QtDesktopServices()
    : m_productPage(QUrl::fromLocalFile(findProductPage()).toString().toStdString())
{}

std::optional<std::string> QtDesktopServices::askNumber(const NumberQuestion& question)
{
    return AskNumberInDialog(question, QApplication::activeWindow());
}

int QtDesktopServices::messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                                  const std::string& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(title.empty() ? std::string(kApplicationTitle) : title));
    QString text = QString::fromStdString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(text);
    box.setIcon(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::YesNo)
        return answer == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
    return kAnswerOk;
}

void QtDesktopServices::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void QtDesktopServices::openAddress(const std::string& address)
{
    // The user sees the browser or nothing; a failure has nowhere useful to go.
    (void)QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

// --- The report as a table and as a file ---

void QtDesktopServices::setClipboardContent(const std::string& text, const std::string& html)
{
    auto* content = new QMimeData;
    content->setText(QString::fromStdString(text));
    // As the UTF-8 the document declares: half the memory of a QString, and no conversion.
    content->setData(QStringLiteral("text/html"), QByteArray::fromStdString(html));
    QGuiApplication::clipboard()->setMimeData(content);
}

DesktopServices::ChosenFile QtDesktopServices::chooseFileToSave(const std::string& title,
                                                                const std::string& suggestedName,
                                                                const std::vector<FileType>& types)
{
    QStringList filters;
    for (const FileType& type : types)
        filters.push_back(
            QStringLiteral("%1 (*.%2)")
                .arg(QString::fromStdString(type.description), QString::fromStdString(type.extension)));
    const auto suffixOf = [&types](qsizetype index) {
        return index >= 0 && index < static_cast<qsizetype>(types.size())
                   ? QString::fromStdString(types[static_cast<std::size_t>(index)].extension)
                   : QString();
    };
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    // A name typed without an extension gets the chosen type's, before the dialog asks about
    // replacing an existing file, so that it asks about the file that will be written.
    dialog.setDefaultSuffix(suffixOf(0));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixOf(filters.indexOf(filter)));
    });
    dialog.selectFile(
        QDir(folder).filePath(QString::fromStdString(suggestedName) + QLatin1Char('.') + suffixOf(0)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst().toStdString(),
            static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

namespace {

std::string writeWholeFile(const std::string& path, const char* data, qint64 size)
{
    // Written beside the file and renamed over it once complete: a failure on the way leaves the
    // file that was there as it was. Unbuffered, and every byte accounted for: QSaveFile's commit
    // does not notice a buffered write cut short (a full disk), and would rename a truncated file
    // over the old one.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString().toStdString();
    for (qint64 written = 0; written < size;) {
        const qint64 now = file.write(data + written, size - written);
        if (now <= 0) {
            const std::string reason = file.errorString().toStdString();
            file.cancelWriting();
            return reason;
        }
        written += now;
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return {};
}

} // namespace

std::string QtDesktopServices::writeFile(const std::string& path, const std::string& contents)
{
    return writeWholeFile(path, contents.data(), static_cast<qint64>(contents.size()));
}

bool QtDesktopServices::fileExists(const std::string& path) const
{
    return QFileInfo::exists(QString::fromStdString(path));
}

std::string QtDesktopServices::writeDocument(const std::string& path,
                                             const std::vector<PlannerReport>& sections,
                                             DocumentFormat format)
{
    const QByteArray bytes = format == DocumentFormat::Pdf ? ReportPdf(sections) : ReportOdt(sections);
    if (bytes.isEmpty())
        return "The document could not be laid out.";
    return writeWholeFile(path, bytes.constData(), bytes.size());
}

std::string QtDesktopServices::printReport(const PlannerReport& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(
        QString::fromUtf8(report.heading.data(), static_cast<qsizetype>(report.heading.size())));
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return PrintReport(printer, report);
}

std::string QtDesktopServices::today() const
{
    return fromQ(QDate::currentDate().toString(Qt::ISODate));
}

std::optional<std::string> QtDesktopServices::askDate(const DateQuestion& question)
{
    const auto dates =
        AskDatesInDialog(question.title, {{question.prompt, question.current}}, QApplication::activeWindow());
    if (!dates)
        return std::nullopt;
    return dates->front();
}

std::optional<DesktopServices::DateRange> QtDesktopServices::askDateRange(const std::string& title,
                                                                          const DateRange& current)
{
    const auto dates = AskDatesInDialog(title, {{"From:", current.first}, {"To:", current.last}},
                                        QApplication::activeWindow());
    if (!dates)
        return std::nullopt;
    return DateRange{(*dates)[0], (*dates)[1]};
}

} // namespace movesta
