// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diary/diary_view.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "diary/diary.h"
#include "platform/qt/qt_window_manager.h"
#include "platform/qt/twips.h"

namespace movesta {

namespace {

// The day's table: the name column and four number columns, in twips.
constexpr int kTableTop = 480, kTableHeight = 2400, kTotalsTop = 2940;
constexpr int kName = 4860, kNameWidth = 3000, kNumbers = kName + kNameWidth, kNumberWidth = 840;

int numberColumn(int index)
{
    return kNumbers + index * kNumberWidth;
}

} // namespace

DiaryView::DiaryView(Diary& model, QtWindowManager& manager)
    : FormView(model, manager, 11370, 8040)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    bindCalendar(model.Month, twipsRect(120, 120, 4500, 3300))->setAccessibleName(QStringLiteral("Month"));
    bindLabel(model.DayCaption, twipsRect(kName, 120, 6360, 300));
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    const auto box = [](int left, int width) { return twipsRect(left, kTableTop, width, kTableHeight); };
    QTableView* table = bindListBoxes(
        {{model.Activities, box(kName, kNameWidth), Qt::AlignLeft | Qt::AlignVCenter, "Activity"},
         {model.Hours, box(numberColumn(0), kNumberWidth), number, "h"},
         {model.Minutes, box(numberColumn(1), kNumberWidth), number, "min"},
         {model.Kilojoules, box(numberColumn(2), kNumberWidth), number, "kJ"},
         {model.Kilocalories, box(numberColumn(3), kNumberWidth), number, "kcal"}});
    table->setAccessibleName(QStringLiteral("Entries of the day"));
    bindLabel(model.TotalCaption, twipsRect(kName, kTotalsTop, kNameWidth, 300));
    Label* totals[] = {&model.TotalHours, &model.TotalMinutes, &model.TotalKilojoules,
                       &model.TotalKilocalories};
    const char* names[] = {"Total hours", "Total minutes", "Total kJ", "Total kcal"};
    for (int i = 0; i < 4; ++i)
        bindLabel(*totals[i], twipsRect(numberColumn(i), kTotalsTop, kNumberWidth - 90, 300), number)
            ->setAccessibleDescription(QString::fromLatin1(names[i]));
    bindLabel(model.DayTarget, twipsRect(kName, kTotalsTop + 330, 6360, 300));

    bindLabel(model.WeekTotal, twipsRect(120, 3600, 11130, 300));
    bindLabel(model.MonthTotal, twipsRect(120, 3930, 11130, 300));
    bindChart(model.Chart, twipsRect(120, 4320, 11130, 3000))
        ->setAccessibleName(QStringLiteral("Energy expenditure a day in the month"));

    bindButton(model.OpenInPlanner, twipsRect(120, 7500, 2400, 405));
    bindButton(model.DeleteEntry, twipsRect(2640, 7500, 2100, 405));
    bindButton(model.Export, twipsRect(4860, 7500, 1800, 405));
}

} // namespace movesta
