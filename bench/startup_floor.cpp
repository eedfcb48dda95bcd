// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of the start-up comparison: an empty Qt Widgets window with the main window's client
// size, fixed, centred and titled, that quits the same way after its first paint. With --text it
// shows one line of text as well, so that it pays for the font database as every real window does.
// Built a second time with SQLite linked, it shows what the diary's library adds to a start.

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#ifdef MOVESTA_FLOOR_WITH_SQLITE
#include <sqlite3.h>
#endif

namespace {

// Same detection as the program's: the first Paint of the window, then an idle event loop.
class FirstPaintQuit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] { QCoreApplication::quit(); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Movesta"));
    QApplication::setQuitOnLastWindowClosed(false);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Movesta"));
    window.setFixedSize(482, 379); // the main window's client area, 7230 x 5685 twips
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
    if (argc > 1 && QByteArray(argv[1]) == "--text")
        (new QLabel(QStringLiteral("Movesta"), &window))->move(8, 8);
#ifdef MOVESTA_FLOOR_WITH_SQLITE
    // One call, so that the linker keeps the library as the program's own link does; it opens
    // no database, as the program opens none before the first save.
    if (sqlite3_libversion_number() <= 0)
        return 1;
#endif
    FirstPaintQuit quitter;
    window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
