// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The person's own activities on a real diary file: the rules of a name and a factor, where they
// are listed (after the catalogue, which stays as it is), what choosing one computes, and the
// activities most used of late.

#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "diary/my_activities.h"
#include "support/files.h"
#include "support/headless_program.h"

namespace movesta::testing {
namespace {

struct OwnActivities : ::testing::Test, HeadlessProgram {
    Form7& planner = openPlanner("70");
    MyActivities& window = (planner.mak.click(), *windows.find<MyActivities>());

    // Types the name and factor and clicks Add; the message shown, if any.
    std::string add(const std::string& name, const std::string& factor, bool inKilojoules = false)
    {
        (inKilojoules ? window.InKilojoules : window.InKilocalories).select();
        window.Name.setText(name);
        window.Factor.setText(factor);
        desktop.answerAllOk();
        const std::size_t before = desktop.messages.size();
        window.Add.click();
        return desktop.messages.size() > before ? desktop.messages.back().prompt : "";
    }
};

TEST_F(OwnActivities, EachRuleOfANameAndAFactorIsRefusedWithItsMessageAndNothingIsWritten)
{
    ASSERT_EQ(add("Kolo", "4,5"), "");
    const std::string before = FileContents(diary.store.path());
    const char* digits = "The energy factor can hold only digits and at most one decimal comma, as in 6,5.";
    const char* taken = "\"Kolo\" is one of your activities already; give this one another name.";
    const struct {
        std::string name, factor;
        bool inKilojoules;
        const char* message;
    } cases[] = {
        {"   ", "5", false, "Give the activity a name."},
        {std::string(121, 'x'), "5", false, "A name can have at most 120 characters."},
        {"Tab\there", "5", false, "A name cannot hold line breaks, tabs or other control characters."},
        {"  jogging, GENERAL ", "5", false,
         "\"Jogging, general\" is an activity of the catalogue already; give yours another name."},
        {"KOLO", "5", false, taken},
        {"K\xC3\xB3lo ", "5", false, taken},
        {"Row", "", false, "Give the energy factor, in kcal or kJ per kilogram and hour."},
        {"Row", "6.5", false, digits},
        {"Row", "1,2,3", false, digits},
        {"Row", ",5", true, digits},
        {"Row", "-3", false, digits},
        {"Row", "0,0", false, "The energy factor must be greater than 0."},
        {"Row", "30,1", false, "The energy factor can be at most 30 kcal or 125 kJ per kilogram and hour."},
        {"Row", "125,5", true, "The energy factor can be at most 30 kcal or 125 kJ per kilogram and hour."},
        {"Row", "0,2", true,
         "The energy factor is too small: in kcal it would be 0,0 per kilogram and hour."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " / " + c.factor);
        EXPECT_EQ(add(c.name, c.factor, c.inKilojoules), c.message);
        EXPECT_EQ(desktop.messages.back().title, "My Activities");
    }
    EXPECT_TRUE(FileContents(diary.store.path()) == before);
    EXPECT_EQ(window.Names.items(), std::vector<std::string>{"Kolo"});
    // At the limits, accepted: 120 characters, 30 kcal, 125 kJ.
    EXPECT_EQ(add(std::string(120, 'y'), "30"), "");
    EXPECT_EQ(add("Coach's value", "125", true), "");
    EXPECT_EQ(window.Kilocalories.items().back(), "29,9");
}

// Accordion, playing: 7,5 kJ and 1,8 kcal; 1,8 kcal typed gives 7,5 kJ, the same factors.
TEST_F(OwnActivities, ListedAfterTheCatalogueTheyComputeAsACatalogueRowWithTheSameFactors)
{
    ASSERT_EQ(add("Squeezebox ", "1,8"), "");
    ASSERT_EQ(add("Gym class", "42", true), "");
    // Both windows list the catalogue's rows as they are, then the own ones, marked.
    Form4& burn = openTimeToBurn("70");
    std::vector<std::string> expected;
    for (const CatalogueRow& row : kCatalogue)
        expected.push_back(std::string(row.name) + "|" + std::string(row.kj) + "|" + std::string(row.kcal));
    expected.insert(expected.end(), {"Squeezebox (my activity)|7,5|1,8", "Gym class (my activity)|42|10,0"});
    const auto listed = [](const auto& names, const auto& kj, const auto& kcal) {
        std::vector<std::string> rows;
        for (int i = 0; i < static_cast<int>(names.items().size()); ++i)
            rows.push_back(names.shownItem(i) + "|" + kj.items().at(i) + "|" + kcal.items().at(i));
        return rows;
    };
    EXPECT_EQ(listed(planner.Combo1, planner.Combo2, planner.Combo3), expected);
    EXPECT_EQ(listed(burn.List1, burn.List2, burn.List3), expected);
    const int own = static_cast<int>(kCatalogueRows);

    std::vector<std::string> planned, burned;
    for (const int row : {0, own}) {
        planner.Combo1.choose(row);
        planned.push_back(planner.Label14.caption() + " " + planner.Label27.caption());
        planner.Image5.click();
        burn.List1.setListIndex(row);
        burned.push_back(burn.Label13.caption());
    }
    EXPECT_EQ(planned[0], planned[1]);
    EXPECT_EQ(burned[0], burned[1]);
    EXPECT_EQ(planner.List1.item(1), "Squeezebox");
    EXPECT_EQ(burn.Label6.caption(), "Squeezebox");

    // Renamed while chosen, it is chosen again by its new name; deleted, the rows that used it stay.
    window.Names.setListIndex(0);
    window.Name.setText("Button accordion");
    window.Rename.click();
    EXPECT_EQ(planner.Combo1.text(), "Button accordion");
    EXPECT_EQ(burn.Label6.caption(), "Button accordion");
    desktop.expectDate("2026-12-09");
    planner.sdn.click();
    window.Names.setListIndex(0);
    desktop.answerAll([](const MessageCall&) { return kAnswerYes; });
    window.Delete.click();
    EXPECT_EQ(window.Names.items(), std::vector<std::string>{"Gym class"});
    EXPECT_EQ(planner.Combo1.items().size(), kCatalogueRows + 1);
    EXPECT_EQ(burn.List1.listIndex(), -1);
    EXPECT_EQ(diary.store.entriesOfDay("2026-12-09").at(1).activity, "Squeezebox");
}

TEST_F(OwnActivities, AnEmptyActivityBoxOffersTheMostUsedOfTheLast60DaysMostUsedFirst)
{
    const auto saved = [this](const std::string& day, const std::vector<std::string>& names) {
        std::vector<DiaryEntry> entries(names.size());
        for (std::size_t i = 0; i < names.size(); ++i)
            entries[i].activity = names[i];
        diary.store.appendToDay(day, std::move(entries), "");
    };
    ASSERT_EQ(add("Kolo", "4"), "");
    saved("2026-10-11", {"Bowling", "Bowling", "Bowling"}); // 59 days before the 9th of December
    saved("2026-10-10", {"Jogging, general", "Jogging, general", "Jogging, general", "Jogging, general"});
    saved("2026-12-01", {"Kolo", "Kolo", "Gone, deleted since", "Accordion, playing"});
    saved("2026-12-09", {"Accordion, playing", "Kolo"});
    ASSERT_TRUE(planner.Combo1.setFocus());
    std::vector<std::string> offered;
    for (const int row : planner.FoundActivities())
        offered.push_back(planner.Combo1.items()[static_cast<std::size_t>(row)]);
    EXPECT_EQ(offered, (std::vector<std::string>{"Kolo", "Bowling", "Accordion, playing"}));
    EXPECT_EQ(planner.FoundActivitiesHeading(), "Most used in the last 60 days");
    // Typing finds as before; emptying the box offers them again.
    planner.Combo1.setText("bowl");
    EXPECT_EQ(planner.FoundActivitiesHeading(), "");
    planner.Combo1.setText("");
    EXPECT_EQ(planner.FoundActivities().size(), 3u);
}

} // namespace
} // namespace movesta::testing
