// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/register_windows.h"
#include "main_window/form1.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_window_manager.h"
#include "support/fake_desktop.h"

namespace movesta::testing {

// The whole program on real widgets, with the desktop faked.
struct App {
    FakeDesktop desktop;
    std::unique_ptr<QtWindowManager> windows = std::make_unique<QtWindowManager>();
    Form1* form1 = nullptr;

    App()
    {
        RegisterWindows(*windows, desktop);
        RegisterViews(*windows);
        form1 = static_cast<Form1*>(windows->show(kMainWindowId));
        activate(*form1);
    }
    ~App()
    {
        windows.reset();
        QApplication::processEvents();
    }
    FormView* view(const Window& w) const { return windows->viewOf(w); }
    bool activate(const Window& w) const
    {
        FormView* v = view(w);
        if (!v)
            return false;
        v->activateWindow();
        return QTest::qWaitForWindowActive(v);
    }
    template <class T>
    T* widget(const Window& w, const Control& c) const
    {
        return qobject_cast<T*>(view(w)->widgetOf(c));
    }
};

// Keys go where the user's keys go: to the widget that has the focus.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key, modifiers);
}

// The planner's report of these row lines and totals, as the clipboard gets it.
inline std::string report(const std::vector<std::string>& rowLines, const std::string& hours,
                          const std::string& minutes, const std::string& kcal)
{
    std::string text = "Physical activities\r\n" + std::string(83, '-');
    for (const std::string& line : rowLines)
        text += "\r\n" + line;
    return text + "\r\n" + std::string(82, '-') + "\r\nTotal duration of physical activities = " + hours +
           "h:" + minutes + "min\r\nTotal energy expenditure of selected physical activities = " + kcal +
           " kcal";
}

} // namespace movesta::testing
