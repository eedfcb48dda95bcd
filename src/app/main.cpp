#include <QApplication>

#include "app/register_forms.h"
#include "main_window/form1.h"
#include "platform/qt/qt_desktop_services.h"
#include "platform/qt/qt_window_manager.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Movesta"));
    QApplication::setDesktopFileName(QStringLiteral("movesta"));
    QApplication::setQuitOnLastWindowClosed(false);

    movesta::QtDesktopServices desktop;
    movesta::QtWindowManager windows;
    movesta::RegisterForms(windows, desktop);
    windows.show(movesta::kMainWindowId);
    const int status = QApplication::exec();
    windows.destroyUnloaded();
    return status;
}
