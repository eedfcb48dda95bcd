// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/register_windows.h"
#include "diary/diary.h"
#include "main_window/form1.h"
#include "planner/form7.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_desktop_services.h"
#include "platform/qt/qt_window_manager.h"
#include "support/temporary_diary.h"

// Checks that need a real X server: the program's own desktop services, the system clipboard and
// another program reading it, and the icon that the window manager reads of each window.
namespace movesta {
namespace {

constexpr int kAccordion = 0; // "Accordion, playing": 7,5 kJ and 1,8 kcal per hour and kilogram

// Another program reads the report from the X clipboard while the planner is still open.
TEST(PlannerXvfb, AnotherProgramReadsTheReportFromTheSystemClipboard)
{
    ASSERT_EQ(QGuiApplication::platformName(), QLatin1String("xcb"))
        << "needs an X display: run under xvfb-run, as scripts/test.sh does";
    if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
        GTEST_FAIL() << "xclip is not installed";

    QtDesktopServices desktop;
    testing::TemporaryDiary diary;
    auto windows = std::make_unique<QtWindowManager>();
    RegisterWindows(*windows, desktop, diary.store);
    RegisterViews(*windows);
    auto* form1 = windows->show<Form1>();
    FormView* mainView = windows->viewOf(*form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainView));
    QTest::keyClicks(qobject_cast<QLineEdit*>(mainView->widgetOf(form1->Text1)), "80");
    QTest::mouseClick(mainView->widgetOf(form1->Image1), Qt::LeftButton);
    auto* planner = windows->find<Form7>();
    ASSERT_NE(planner, nullptr);
    FormView* view = windows->viewOf(*planner);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));

    planner->Combo1.choose(kAccordion);
    QTest::mouseClick(view->widgetOf(planner->Image5), Qt::LeftButton);
    planner->Combo4.setText("2");
    planner->Combo5.setText("45");
    QTest::mouseClick(view->widgetOf(planner->Image5), Qt::LeftButton);
    auto* weight = qobject_cast<QLineEdit*>(view->widgetOf(planner->Text1));
    weight->setFocus();
    weight->selectAll();
    QTest::keyClick(weight, Qt::Key_C, Qt::ControlModifier);

    QProcess xclip;
    QSignalSpy finished(&xclip, &QProcess::finished);
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    // The event loop keeps running meanwhile, so the planner can hand the text over.
    ASSERT_TRUE(finished.wait(20000)) << "xclip did not finish";
    EXPECT_EQ(xclip.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(xclip.exitCode(), 0) << xclip.readAllStandardError().toStdString();
    EXPECT_TRUE(windows->isLoaded(kPlannerId));
    EXPECT_EQ(xclip.readAllStandardOutput().toStdString(),
              "Physical activities\r\n" + std::string(83, '-') +
                  "\r\n- Accordion, playing  - (1h:0min, 144,0 kcal)"
                  "\r\n- Accordion, playing  - (2h:45min, 396,0 kcal)\r\n" +
                  std::string(82, '-') +
                  "\r\nTotal duration of physical activities = 3h:45min"
                  "\r\nTotal energy expenditure of selected physical activities = 540,0 kcal");

    // The same entry offers the report as an HTML table, for spreadsheets and word processors.
    QProcess html;
    QSignalSpy htmlFinished(&html, &QProcess::finished);
    html.start(QStringLiteral("xclip"),
               {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                QStringLiteral("-t"), QStringLiteral("text/html")});
    ASSERT_TRUE(htmlFinished.wait(20000)) << "xclip did not finish";
    EXPECT_EQ(html.exitCode(), 0) << html.readAllStandardError().toStdString();
    const std::string table = html.readAllStandardOutput().toStdString();
    std::vector<std::string> rows;
    const std::regex row("<tr>(.*?)</tr>"), cell("<t[hd][^>]*>(.*?)</t[hd]>");
    for (std::sregex_iterator r(table.begin(), table.end(), row), end; r != end; ++r) {
        const std::string inside = (*r)[1];
        std::string cells;
        for (std::sregex_iterator c(inside.begin(), inside.end(), cell); c != end; ++c)
            cells += std::string((*c)[1]) + "|";
        rows.push_back(cells);
    }
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "Physical activity|h|min|kJ|kcal|", "Accordion, playing|1|0|600,0|144,0|",
                        "Accordion, playing|2|45|1650,0|396,0|", "Total|3|45|2250,0|540,0|"}));
    windows.reset();
    QApplication::processEvents();
}

// Whether a window's _NET_WM_ICON, as xprop (x11-utils) reads it, begins with a 32-pixel image.
bool CarriesIcon(const QWidget* window)
{
    QProcess xprop;
    xprop.start("xprop",
                {"-id", QString::number(window->winId()), "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON"});
    return xprop.waitForFinished(20000) &&
           xprop.readAllStandardOutput().startsWith("_NET_WM_ICON(CARDINAL) = 32, 32, ");
}

TEST(WindowIconXvfb, EveryWindowAndMessageBoxCarriesMovestasIcon)
{
    SetUpApplication();
    QtDesktopServices desktop;
    testing::TemporaryDiary diary;
    auto windows = std::make_unique<QtWindowManager>();
    RegisterWindows(*windows, desktop, diary.store);
    RegisterViews(*windows);
    windows->show<Form1>()->Text1.setText("70");
    for (const char* id : {kMainWindowId, kPlannerId, kTimeToBurnId, Diary::kId}) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(windows->viewOf(*windows->show(id)))) << id;
        EXPECT_TRUE(CarriesIcon(windows->viewOf(*windows->find(id)))) << id;
    }
    bool messageIcon = false;
    QTimer::singleShot(0, [&] { // runs once the box is up, in its own event loop
        if (QWidget* box = QApplication::activeModalWidget())
            messageIcon = CarriesIcon(box) && box->close();
    });
    desktop.messageBox("Test", MessageButtons::Ok, MessageIcon::None, "");
    EXPECT_TRUE(messageIcon);
}

} // namespace
} // namespace movesta
