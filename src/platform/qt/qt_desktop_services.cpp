#include "platform/qt/qt_desktop_services.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "platform/qt/number_dialog.h"

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

void QtDesktopServices::setClipboardText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtDesktopServices::openAddress(const std::string& address)
{
    // The user sees the browser or nothing; a failure has nowhere useful to go.
    (void)QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

} // namespace movesta
