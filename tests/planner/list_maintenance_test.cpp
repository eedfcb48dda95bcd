// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Selecting and deleting rows, closing the planner and the product page.

#include "core/number_rules.h"
#include "planner_session.h"

namespace movesta::testing {
namespace {

using ListMaintenance = PlannerSession;

constexpr std::array<int, 5> kNoSelection{-1, -1, -1, -1, -1};

TEST_F(ListMaintenance, ARowClickedInAnyColumnIsSelectedInAll)
{
    Form7& p = open("70");
    for (int activity = 0; activity < 5; ++activity)
        add(p, activity, "1", "0");
    p.Combo1.choose(kJogging);
    const std::string preview = p.Label14.caption();

    ListBox Form7::*const columns[] = {&Form7::List1, &Form7::List2, &Form7::List5, &Form7::List3,
                                       &Form7::List4};
    const int rowsToClick[] = {1, 4, 0, 3, 2};
    for (int column = 0; column < 5; ++column) {
        const int row = rowsToClick[column];
        (p.*columns[column]).setListIndex(row);
        EXPECT_EQ(selectionOf(p), (std::array<int, 5>{row, row, row, row, row})) << "column " << column;
        EXPECT_EQ(p.Label19.caption(), p.List1.item(row)) << "column " << column;
    }
    // The chosen activity and the preview are left alone.
    EXPECT_EQ(p.Combo1.text(), "Jogging, general");
    EXPECT_EQ(p.Label14.caption(), preview);
}

TEST_F(ListMaintenance, DeletingWithoutASelectionChangesNothing)
{
    Form7& p = open("70");
    add(p, kAccordion, "1", "30");
    add(p, kJogging, "0", "45");
    const std::vector<Row> rows = rowsOf(p);
    const Totals totals = totalsOf(p);

    desktop.expectMessage();
    p.br_p.click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    const MessageCall& message = desktop.messages[0];
    EXPECT_EQ(message.prompt, ConversionError("").what()); // the error's own description
    EXPECT_EQ(message.icon, MessageIcon::None);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(message.title, kApplicationTitle);
    EXPECT_EQ(rowsOf(p), rows);
    EXPECT_EQ(totalsOf(p), totals);

    // A second Del right after a deletion finds no row selected either.
    p.List4.setListIndex(1);
    p.Image3.click();
    EXPECT_EQ(rowsOf(p), std::vector<Row>{rows[0]});
    EXPECT_EQ(selectionOf(p), kNoSelection);
    EXPECT_EQ(p.Label19.caption(), "Jogging, general"); // keeps the name of the deleted row
    desktop.expectMessage();
    p.br_p.click();
    EXPECT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(rowsOf(p), std::vector<Row>{rows[0]});
    EXPECT_EQ(totalsOf(p), (Totals{"1", "30", "787,5", "189"}));
}

TEST_F(ListMaintenance, DeletionSubtractsTheRowExactly)
{
    struct Added {
        const char* weight;
        int activity;
        const char* hours;
        const char* minutes;
    };
    struct Case {
        const char* name;
        std::vector<Added> rows;
        int deleted;
        Totals before;
        Totals after;
    };
    const Case cases[] = {
        {"the only row",
         {{"70", kAccordion, "1", "30"}},
         0,
         {"1", "30", "787,5", "189,0"},
         {"0", "0", "0", "0"}},
        {"decimals without binary noise",
         {{"49", kAerobicLowImpact, "4", "5"}, {"1", kLyingQuietly, "0", "5"}},
         0,
         {"4", "10", "4202,1", "1000,5"},
         {"0", "5", "0,3", "0,1"}},
        {"10,5 - 2,5 kcal",
         {{"1", kAerobicLowImpact, "0", "30"}, {"2", kBakery, "1", "0"}},
         0,
         {"1", "30", "44,5", "10,5"},
         {"1", "0", "34", "8"}},
        {"7,5 - 2,5 kcal",
         {{"1", kAerobicLowImpact, "1", "0"}, {"1", kAerobicLowImpact, "0", "30"}},
         1,
         {"1", "30", "31,5", "7,5"},
         {"1", "0", "21", "5"}},
        {"minutes borrow an hour",
         {{"70", kAccordion, "0", "45"}, {"70", kAccordion, "0", "45"}},
         0,
         {"1", "30", "787,6", "189,0"},
         {"0", "45", "393,8", "94,5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form7& p = open();
        for (const Added& row : c.rows) {
            p.Text1.setText(row.weight);
            add(p, row.activity, row.hours, row.minutes);
        }
        ASSERT_EQ(totalsOf(p), c.before);
        std::vector<Row> remaining = rowsOf(p);
        remaining.erase(remaining.begin() + c.deleted);
        p.List3.setListIndex(c.deleted);
        p.br_p.click();
        EXPECT_EQ(totalsOf(p), c.after);
        EXPECT_EQ(rowsOf(p), remaining);
        EXPECT_EQ(selectionOf(p), kNoSelection);
        // Deleting the rest one by one comes back to exactly nothing.
        while (p.List1.listCount() > 0) {
            p.List2.setListIndex(0);
            p.Image3.click();
        }
        EXPECT_EQ(totalsOf(p), (Totals{"0", "0", "0", "0"}));
        EXPECT_EQ(p.Label25.caption(), "");
        EXPECT_TRUE(desktop.messages.empty());
        close(p);
    }
}

TEST_F(ListMaintenance, DeleteAllAsksFirst)
{
    Form7& p = open("70");
    add(p, kAccordion, "1", "30");
    add(p, kJogging, "2", "45");
    p.List5.setListIndex(0);
    const std::vector<Row> rows = rowsOf(p);
    const Totals totals = totalsOf(p);

    desktop.expectMessage(kAnswerNo);
    p.br_s.click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt, "Are you sure you want to delete all selected activities?");
    EXPECT_EQ(desktop.messages[0].title, "Delete all !");
    EXPECT_EQ(desktop.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(rowsOf(p), rows);
    EXPECT_EQ(totalsOf(p), totals);
    EXPECT_EQ(selectionOf(p), (std::array<int, 5>{0, 0, 0, 0, 0}));

    desktop.expectMessage(kAnswerYes);
    p.Image2.click();
    EXPECT_TRUE(rowsOf(p).empty());
    EXPECT_EQ(totalsOf(p), (Totals{"0", "0", "0", "0"}));
    EXPECT_EQ(selectionOf(p), kNoSelection);
    EXPECT_EQ(p.Label19.caption(), "Accordion, playing");
    EXPECT_EQ(p.Combo1.text(), "Jogging, general");

    // Asked also when there is nothing to delete.
    desktop.expectMessage(kAnswerYes);
    p.br_s.click();
    EXPECT_EQ(desktop.messages.size(), 3u);
}

TEST_F(ListMaintenance, ExitDropsEverythingAndTheLogoOpensTheProductPage)
{
    Form7& first = open("70");
    add(first, kAccordion, "1", "30");
    first.Image6.click();
    EXPECT_EQ(desktop.opened, std::vector<std::string>{desktop.productPageAddress()});
    close(first);
    EXPECT_FALSE(windows.isLoaded(kPlannerId));

    // Reopened, it starts afresh with the main window's weight of that moment.
    Form7& second = open("80");
    EXPECT_EQ(second.Text1.text(), "80");
    EXPECT_TRUE(rowsOf(second).empty());
    EXPECT_EQ(totalsOf(second), (Totals{"0", "0", "0", "0"}));
    second.Image4.click();
    EXPECT_FALSE(windows.isLoaded(kPlannerId));
    windows.destroyUnloaded();
}

} // namespace
} // namespace movesta::testing
