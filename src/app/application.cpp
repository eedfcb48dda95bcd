// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "app/register_windows.h"
#include "diary/sqlite_diary_store.h"
#include "main_window/form1.h"
#include "platform/qt/form_view.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_desktop_services.h"
#include "platform/qt/qt_window_manager.h"

namespace movesta {

namespace {

// Waits for the first paint of a window, then for the event loop to fall idle.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* window, std::function<void()> action)
        : m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { m_action(); });
        }
        return false;
    }

private:
    std::function<void()> m_action;
    bool m_seen = false;
};

} // namespace

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Movesta"));
    QApplication::setDesktopFileName(QStringLiteral("movesta"));
    // Set once here, every window and dialog shows it without a word of its own.
    QApplication::setWindowIcon(applicationIcon());
    // Only closing the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

int RunMovesta(int& argc, char** argv, const std::function<void()>& afterFirstPaint)
{
    QApplication app(argc, argv);
    SetUpApplication();

    QtDesktopServices desktop;
    // Opened at its first use, not here: a person who never saves finds nothing written.
    SqliteDiaryStore diary(DiaryPath());
    QtWindowManager windows;
    RegisterWindows(windows, desktop, diary);
    RegisterViews(windows);
    Window* main = windows.show(kMainWindowId);
    std::unique_ptr<FirstPaintWatcher> watcher;
    if (afterFirstPaint && main)
        watcher = std::make_unique<FirstPaintWatcher>(windows.viewOf(*main), afterFirstPaint);
    const int status = QApplication::exec();
    windows.destroyUnloaded();
    return status;
}

} // namespace movesta
