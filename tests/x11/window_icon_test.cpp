// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "app/application.h"
#include "app/register_windows.h"
#include "diary/diary.h"
#include "main_window/form1.h"
#include "planner/form7.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_desktop_services.h"
#include "platform/qt/qt_window_manager.h"
#include "support/temporary_diary.h"
#include "time_to_burn/form4.h"

// What the window manager and the task bar read of each window: the icon that X11 carries.
namespace movesta {
namespace {

// The sizes of the images in a window's _NET_WM_ICON ("32x32 64x64"), as xprop reads them; empty
// when the window carries none.
std::string IconSizes(const QWidget& window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window.winId()), QStringLiteral("-f"),
                 QStringLiteral("_NET_WM_ICON"), QStringLiteral("32c"), QStringLiteral("_NET_WM_ICON")});
    if (!xprop.waitForFinished(20000))
        return "xprop did not finish";
    const std::string out = xprop.readAllStandardOutput().toStdString();
    const auto equals = out.find(" = ");
    if (equals == std::string::npos)
        return {};
    std::istringstream values(out.substr(equals + 3));
    std::string sizes;
    unsigned long width = 0, height = 0, pixel = 0;
    char comma = 0;
    while (values >> width >> comma >> height) {
        sizes += (sizes.empty() ? "" : " ") + std::to_string(width) + "x" + std::to_string(height);
        for (unsigned long i = 0; i < width * height; ++i)
            values >> comma >> pixel;
        values >> comma;
    }
    return sizes;
}

TEST(WindowIconXvfb, EveryWindowDialogAndMessageBoxCarriesMovestasIcon)
{
    ASSERT_EQ(QGuiApplication::platformName(), QLatin1String("xcb"))
        << "needs an X display: run under xvfb-run, as scripts/test.sh does";
    if (QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
        GTEST_FAIL() << "xprop is not installed (x11-utils)";
    SetUpApplication();
    const std::string kIcon = "32x32 64x64";

    QtDesktopServices desktop;
    testing::TemporaryDiary diary;
    auto windows = std::make_unique<QtWindowManager>();
    RegisterWindows(*windows, desktop, diary.store);
    RegisterViews(*windows);
    auto* form1 = windows->show<Form1>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->viewOf(*form1)));
    QTest::mouseClick(windows->viewOf(*form1)->widgetOf(form1->Image3), Qt::LeftButton);
    QTest::mouseClick(windows->viewOf(*form1)->widgetOf(form1->Image1), Qt::LeftButton);
    auto* planner = windows->find<Form7>();
    ASSERT_NE(planner, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->viewOf(*planner)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_J, Qt::ControlModifier);
    for (const Window* window :
         {static_cast<Window*>(form1), static_cast<Window*>(planner),
          static_cast<Window*>(windows->find<Form4>()), static_cast<Window*>(windows->find<Diary>())}) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(IconSizes(*windows->viewOf(*window)), kIcon) << window->caption();
    }

    // A message box and a dialog, read while they are up and then closed.
    const std::function<void()> modals[] = {
        [&] { desktop.messageBox("Test", MessageButtons::Ok, MessageIcon::Critical, ""); },
        [&] { desktop.askNumber({.title = "Target", .prompt = "kcal:", .current = "", .digits = 5}); },
    };
    for (const auto& open : modals) {
        std::string seen = "no modal window came up";
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen = IconSizes(*modal);
                modal->reject();
            }
        });
        poll.start(50);
        QTimer::singleShot(20000, &poll, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->reject();
        });
        open();
        EXPECT_EQ(seen, kIcon);
    }
    windows.reset();
    QApplication::processEvents();
}

} // namespace
} // namespace movesta
