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

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "app/register_windows.h"
#include "main_window/form1.h"
#include "planner/form7.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_desktop_services.h"
#include "platform/qt/qt_window_manager.h"
#include "support/temporary_diary.h"

// Checks that need a real X server: the program's own desktop services, the system clipboard and
// another program reading it.
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

} // namespace
} // namespace movesta
