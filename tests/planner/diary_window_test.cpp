// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's rows saved to the diary and the diary's window, on a real SQLite file in a
// temporary folder.

#include <filesystem>
#include <fstream>

#include "core/number_rules.h"
#include "diary/diary.h"
#include "diary/my_activities.h"
#include "planner_session.h"
#include "support/files.h"
#include "support/snapshot.h"

namespace movesta::testing {
namespace {

class DiaryWindow : public PlannerSession {
protected:
    // Rows of exact energies that the table rounds (44,375 kJ shows 44,4), and minutes carried
    // into the hours.
    Form7& planned()
    {
        Form7& p = open("71");
        for (int i = 0; i < 3; ++i)
            add(p, kAccordion, "0", "5");
        add(p, kJogging, "1", "55");
        return p;
    }
    void saveTo(Form7& p, const std::string& day)
    {
        desktop.expectDate(day);
        p.sdn.click();
    }
    static std::vector<Row> rowsIn(const Diary& d)
    {
        std::vector<Row> rows;
        for (int i = 0; i < d.Activities.listCount(); ++i)
            rows.push_back({d.Activities.item(i), d.Hours.item(i), d.Minutes.item(i), d.Kilojoules.item(i),
                            d.Kilocalories.item(i)});
        return rows;
    }
    static Totals totalsIn(const Diary& d)
    {
        return {d.TotalHours.caption(), d.TotalMinutes.caption(), d.TotalKilojoules.caption(),
                d.TotalKilocalories.caption()};
    }
};

TEST_F(DiaryWindow, ADaySavedReadsBackInTheNextProgramAndOpensInItsPlannerAsItWasAdded)
{
    Form7& p = planned();
    ASSERT_EQ(p.Label18.caption(), "4079,6"); // each row's exact energy added to the total shown
    p.SetTargetEnergy("1500");
    saveTo(p, "2026-12-01");
    EXPECT_EQ(desktop.dateQuestions.at(0).current, "2026-12-09"); // today, to begin with
    EXPECT_TRUE(desktop.messages.empty());

    HeadlessProgram next(diary.store.path());
    Form7& q = next.openPlanner("80");
    q.dnev.click();
    Diary& d = *next.windows.find<Diary>();
    EXPECT_EQ(d.Month.date(), "2026-12-09");
    EXPECT_EQ(d.Month.markedDays(), std::vector<std::string>{"2026-12-01"});
    d.Month.choose("2026-12-01");
    EXPECT_EQ(rowsIn(d), rowsOf(p));
    EXPECT_EQ(totalsIn(d), totalsOf(p));
    EXPECT_EQ(d.DayTarget.caption(), "Target: 1500 kcal");
    EXPECT_EQ(next.diary.store.entriesOfDay("2026-12-01").at(0).weight, "71");

    // The month: one bar a day, the saved day's kcal with its target; the week from Monday.
    ASSERT_EQ(d.Chart.bars().size(), 31u);
    EXPECT_EQ(d.Chart.bars()[0].value, ReadDecimalNumber(p.Label21.caption()));
    EXPECT_EQ(d.Chart.bars()[0].mark, 1500);
    EXPECT_EQ(d.Chart.bars()[1].value, 0);
    const std::string kcal = p.Label21.caption();
    EXPECT_EQ(d.Chart.description(),
              "Energy expenditure a day in December 2026, in kcal; 2026-12-01: " + kcal + " (target 1500).");
    EXPECT_EQ(d.MonthTotal.caption(),
              "December 2026: " + kcal + " kcal in 1 day with entries, " + kcal + " kcal a day");
    EXPECT_EQ(d.WeekTotal.caption(), "Week of 2026-11-30 to 2026-12-06: " + kcal + " kcal");

    // Into the planner, as if its rows had been added there: an empty list is not asked about,
    // a full one is, and No leaves it.
    d.OpenInPlanner.click();
    EXPECT_EQ(rowsOf(q), rowsOf(p));
    EXPECT_EQ(totalsOf(q), totalsOf(p));
    add(q, kBowling, "1", "0");
    next.desktop.expectMessage(kAnswerNo);
    d.OpenInPlanner.click();
    EXPECT_EQ(q.List1.listCount(), 5);
    // Saved again, the planner's rows keep the exact energies they came with.
    next.desktop.expectDate("2026-12-02");
    q.sdn.click();
    d.Month.choose("2026-12-02");
    EXPECT_EQ(totalsIn(d), totalsOf(q));
}

TEST_F(DiaryWindow, NothingIsWrittenUntilADayIsSaved)
{
    Form7& p = open("70");
    desktop.expectMessage();
    p.sdn.click();
    EXPECT_EQ(desktop.messages.at(0).prompt, "There is nothing to save: no physical activity is selected.");
    add(p, kJogging, "1", "0");
    desktop.expectDate(std::nullopt); // Cancel
    p.sdn.click();
    p.dnev.click();
    Diary& d = *windows.find<Diary>();
    d.Month.choose("2026-11-15");
    EXPECT_EQ(d.Activities.listCount(), 0);
    EXPECT_EQ(d.MonthTotal.caption(), "November 2026: no entries");
    EXPECT_FALSE(std::filesystem::exists(diary.store.path()));
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(DiaryWindow, AnEntryIsDeletedOnlyWhenThePersonSaysSoAndTheOthersStay)
{
    Form7& p = planned();
    saveTo(p, "2026-12-09");
    p.dnev.click();
    Diary& d = *windows.find<Diary>();
    desktop.expectMessage();
    d.DeleteEntry.click(); // no row chosen
    d.Activities.setListIndex(3);
    EXPECT_EQ(d.Kilocalories.listIndex(), 3);
    for (const int answer : {kAnswerNo, kAnswerYes}) {
        desktop.expectMessage(answer);
        d.DeleteEntry.click();
    }
    EXPECT_EQ(desktop.messages.at(2).prompt, "Delete the entry \"Jogging, general\" of 2026-12-09?");
    EXPECT_EQ(rowsIn(d), std::vector<Row>(3, rowsOf(p)[0]));
    EXPECT_EQ(d.TotalKilojoules.caption(), "133,2");
}

TEST_F(DiaryWindow, ARangeIsExportedADayASectionThenTheRangesTotals)
{
    Form7& p = planned();
    p.SetTargetEnergy("900");
    saveTo(p, "2026-12-03");
    add(p, kBowling, "2", "30");
    saveTo(p, "2026-12-01");
    p.dnev.click();
    Diary& d = *windows.find<Diary>();
    for (const char* file : {"/r/diary.txt", "/r/diary.csv"}) {
        desktop.expectDateRange({{"2026-11-30", "2026-12-05"}});
        desktop.expectSaveDialog(file);
        d.Export.click();
    }
    EXPECT_EQ(desktop.dateQuestions.at(2).current, "2026-12-01"); // the month shown
    EXPECT_EQ(desktop.saveDialogs.at(0).suggestedName, "Diary 2026-11-30 to 2026-12-05");
    for (const char* name : {"diary.txt", "diary.csv"}) {
        const std::string& file = desktop.files["/r/" + std::string(name)];
        EXPECT_EQ(file, CommittedFile("diary_export_" + std::string(name), file));
    }
}

TEST_F(DiaryWindow, AFileThatIsNoDiaryIsNamedLeftAsItIsAndThePlannerKeepsItsRows)
{
    std::ofstream(diary.store.path(), std::ios::binary) << "a letter, not a diary";
    Form7& p = planned();
    desktop.expectMessage();
    saveTo(p, "2026-12-09");
    EXPECT_NE(desktop.messages.at(0).prompt.find(diary.store.path()), std::string::npos);
    EXPECT_EQ(desktop.messages.at(0).title, "Save to Diary");
    EXPECT_EQ(p.List1.listCount(), 4);
    // Nor is an own activity added to it: the window opens empty, says why, and Add says so again.
    desktop.expectMessage();
    desktop.expectMessage();
    p.mak.click();
    MyActivities& own = *windows.find<MyActivities>();
    own.Name.setText("Kolo");
    own.Factor.setText("4");
    own.Add.click();
    EXPECT_EQ(desktop.messages.at(2).prompt, desktop.messages.at(0).prompt);
    EXPECT_EQ(desktop.messages.at(2).title, "My Activities");
    EXPECT_EQ(FileContents(diary.store.path()), "a letter, not a diary");
    EXPECT_EQ(p.Combo1.items().size(), 478u);
}

} // namespace
} // namespace movesta::testing
