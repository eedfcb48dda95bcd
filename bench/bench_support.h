// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the in-process benchmarks of the windows share: the program with the recording desktop,
// waiting for a window's first paint, and a main that creates the QApplication.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/register_windows.h"
#include "main_window/form1.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_window_manager.h"
#include "support/fake_desktop.h"
#include "support/temporary_diary.h"

namespace movesta::bench {

// Counts the paints of a window.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) { window->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the event loop until the window is exposed and painted; false after 5 s without.
inline bool WaitUntilPainted(QWidget* window, const PaintCounter& counter)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed() && counter.paints > 0)) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Shows the window and runs the event loop until it is painted; nullptr when it never is.
template <class W>
W* ShowPainted(QtWindowManager& windows)
{
    W* window = windows.show<W>();
    const PaintCounter paints(windows.viewOf(*window));
    return WaitUntilPainted(windows.viewOf(*window), paints) ? window : nullptr;
}

// The program on real widgets with its main window painted. Message boxes are answered at once
// (a real one waits for a click) and recorded, since a message in a measured operation means it
// failed; the clipboard and the browser are the recording fake's.
struct BenchProgram {
    BenchProgram()
    {
        desktop.answerAll([](const testing::MessageCall& call) {
            return call.buttons == MessageButtons::YesNo ? kAnswerYes : kAnswerOk;
        });
        RegisterWindows(windows, desktop, diary.store);
        RegisterViews(windows);
        ShowPainted<Form1>(windows);
    }
    testing::FakeDesktop desktop;
    testing::TemporaryDiary diary;
    QtWindowManager windows;
};

// Lets the event loop finish what it has queued: deferred deletions, layouts, repaints.
inline void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The main of a window benchmark: one QApplication on the offscreen platform unless a platform
// was chosen, then the registered benchmarks; `beforeExit` drops what they kept of the program
// while the QApplication still exists.
inline int RunWindowBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    if (beforeExit)
        beforeExit();
    benchmark::Shutdown();
    return 0;
}

} // namespace movesta::bench
