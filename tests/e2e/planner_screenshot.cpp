// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a picture of the planner with a few activities and a target set, for the README; with
// "diary" one of the diary window after a fortnight of days saved from it; with "activities" the
// window of one's own activities; with "mostused" the planner offering the most used of them all;
// with "main" or "timetoburn" those windows as they open; "planner" is the default. POINTS sets
// the application font's size (the desktop's otherwise):
//     planner_screenshot OUT.png [planner|diary|activities|mostused|main|timetoburn] [POINTS]
// Run under xvfb-run with QT_QPA_PLATFORM=xcb, and with QT_SCALE_FACTOR=2 for the 2x picture.

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "diary/diary.h"
#include "diary/my_activities.h"
#include "e2e_support.h"
#include "planner/form7.h"
#include "time_to_burn/form4.h"

namespace {

bool save(movesta::testing::App& app, movesta::Window& window, const char* path)
{
    app.activate(window);
    QTest::qWait(300); // the first paint, and the lists' layouts
    return app.view(window)->grab().save(QString::fromLocal8Bit(path));
}

} // namespace

int main(int argc, char** argv)
{
    std::string mode = argc >= 3 ? argv[2] : "";
    const double points = argc == 4 ? std::atof(argv[3]) : 0;
    if (mode == "planner")
        mode.clear();
    if (argc > 4 || argc < 2 || (argc == 4 && points <= 0) ||
        (!mode.empty() && mode != "diary" && mode != "activities" && mode != "mostused" && mode != "main" &&
         mode != "timetoburn")) {
        std::fprintf(stderr, "usage: planner_screenshot OUT.png "
                             "[planner|diary|activities|mostused|main|timetoburn] [POINTS]\n");
        return 2;
    }
    const bool diary = !mode.empty();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (points > 0) {
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }
    movesta::testing::App app;
    app.form1->Text1.setText("70");
    if (mode == "main")
        return save(app, *app.form1, argv[1]) ? 0 : 1;
    if (mode == "timetoburn") {
        app.form1->Image3.click();
        auto* burn = app.windows->find<movesta::Form4>();
        return burn && save(app, *burn, argv[1]) ? 0 : 1;
    }
    app.form1->Image1.click();
    auto* planner = app.windows->find<movesta::Form7>();
    if (!planner)
        return 1;
    if (mode == "activities" || mode == "mostused") {
        // Three activities of one's own, after the catalogue's 478.
        planner->mak.click();
        auto* own = app.windows->find<movesta::MyActivities>();
        if (!own)
            return 1;
        for (const auto& [name, factor] :
             {std::pair{"Spinning class", "8,5"}, {"Coach's circuit", "6"}, {"Kolo, folk dance", "4,5"}}) {
            own->Name.setText(name);
            own->Factor.setText(factor);
            own->Add.click();
        }
        own->Names.setListIndex(1);
        if (mode == "activities")
            return save(app, *own, argv[1]) ? 0 : 1;
    }
    const struct {
        int activity;
        const char* hours;
        const char* minutes;
    } rows[] = {{198, "0", "45"}, {31, "1", "30"}, {121, "0", "30"},
                {7, "1", "0"},    {9, "2", "15"},  {478, "1", "0"}};
    for (const auto& row : rows) {
        if (row.activity >= static_cast<int>(planner->Combo1.items().size()))
            continue; // the own activity, only where one was added
        planner->Combo1.choose(row.activity);
        planner->Combo4.setText(row.hours);
        planner->Combo5.setText(row.minutes);
        planner->Image5.click();
    }
    planner->SetTargetEnergy("2500");
    movesta::Window* shown = planner;
    if (diary) {
        // A day in two of every three; the list loses a row now and then.
        for (int day = 1; day <= 14; ++day) {
            if (day % 3 == 0)
                continue;
            planner->List1.setListIndex(day % planner->List1.listCount());
            if (day % 4 == 0)
                planner->DeleteSelectedRow();
            app.desktop.expectDate("2026-12-" + std::string(day < 10 ? "0" : "") + std::to_string(day));
            planner->sdn.click();
        }
        if (mode == "mostused") {
            // The box emptied while it holds the focus: the most used are offered.
            app.activate(*planner);
            app.view(*planner)->widgetOf(planner->Combo1)->setFocus();
            QTest::qWait(100);
            planner->Combo1.setText("");
            QTest::qWait(300);
            return app.view(*planner)->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        }
        planner->dnev.click();
        auto* window = app.windows->find<movesta::Diary>();
        if (!window)
            return 1;
        window->Month.choose("2026-12-07");
        window->Activities.setListIndex(1);
        shown = window;
    } else {
        planner->List1.setListIndex(1);
    }
    return save(app, *shown, argv[1]) ? 0 : 1;
}
