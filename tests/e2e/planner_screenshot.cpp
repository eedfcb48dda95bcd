// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a picture of the planner with a few activities and a target set, for the README:
//     planner_screenshot OUT.png
// Run under xvfb-run with QT_QPA_PLATFORM=xcb, and with QT_SCALE_FACTOR=2 for the 2x picture.

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <cstdio>

#include "e2e_support.h"
#include "planner/form7.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: planner_screenshot OUT.png\n");
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    movesta::testing::App app;
    app.form1->Text1.setText("70");
    app.form1->Image1.click();
    auto* planner = app.windows->find<movesta::Form7>();
    if (!planner)
        return 1;
    const struct {
        int activity;
        const char* hours;
        const char* minutes;
    } rows[] = {{198, "0", "45"}, {31, "1", "30"}, {121, "0", "30"}, {7, "1", "0"}, {9, "2", "15"}};
    for (const auto& row : rows) {
        planner->Combo1.choose(row.activity);
        planner->Combo4.setText(row.hours);
        planner->Combo5.setText(row.minutes);
        planner->Image5.click();
    }
    planner->SetTargetEnergy("2500");
    planner->List1.setListIndex(1);
    movesta::FormView* view = app.view(*planner);
    app.activate(*planner);
    QTest::qWait(300); // the first paint, and the lists' layouts
    return view->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
