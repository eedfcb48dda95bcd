// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Adding the chosen activity to the list, and the running totals.

#include <functional>

#include "planner_session.h"

namespace movesta::testing {
namespace {

using AddingActivities = PlannerSession;

TEST_F(AddingActivities, DurationsAndTheirTotals)
{
    struct Step {
        const char* hours;
        const char* minutes;
        Row row;
        Totals totals;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Row accordion{"Accordion, playing", "1", "30", "787,5", "189,0"};
    const Case cases[] = {
        {"the same row twice carries 60 minutes into an hour",
         {{"1", "30", accordion, {"1", "30", "787,5", "189,0"}},
          {"1", "30", accordion, {"3", "0", "1575,0", "378,0"}}}},
        {"nothing at all rewrites the energy totals",
         {{"0", "0", {"Accordion, playing", "0", "0", "0,0", "0,0"}, {"0", "0", "0,0", "0,0"}}}},
        {"90 minutes are an hour and a half",
         {{"0", "90", {"Accordion, playing", "0", "90", "787,5", "189,0"}, {"1", "30", "787,5", "189,0"}}}},
        {"three times 45 minutes",
         {{"0", "45", {"Accordion, playing", "0", "45", "393,8", "94,5"}, {"0", "45", "393,8", "94,5"}},
          {"0", "45", {"Accordion, playing", "0", "45", "393,8", "94,5"}, {"1", "30", "787,6", "189,0"}},
          {"0", "45", {"Accordion, playing", "0", "45", "393,8", "94,5"}, {"2", "15", "1181,4", "283,5"}}}},
        {"typed durations go through the mask",
         {{"02",
           "150",
           {"Accordion, playing", "2", "150", "2362,5", "567,0"},
           {"4", "30", "2362,5", "567,0"}},
          {"1",
           "999",
           {"Accordion, playing", "1", "999", "9266,3", "2223,9"},
           {"22", "9", "11628,8", "2790,9"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form7& p = open("70");
        std::vector<Row> rows;
        for (const Step& step : c.steps) {
            add(p, kAccordion, step.hours, step.minutes);
            rows.push_back(step.row);
            EXPECT_EQ(rowsOf(p), rows);
            EXPECT_EQ(totalsOf(p), step.totals);
            EXPECT_EQ(p.Label28.caption(), step.row[1]);
            EXPECT_EQ(p.Label29.caption(), step.row[2]);
            EXPECT_EQ(p.Label14.caption(), step.row[3]);
            EXPECT_EQ(p.Label27.caption(), step.row[4]);
            EXPECT_EQ(p.Label25.caption(), "");
        }
        EXPECT_EQ(selectionOf(p), (std::array<int, 5>{-1, -1, -1, -1, -1}));
        EXPECT_TRUE(desktop.messages.empty());
        close(p);
    }
}

TEST_F(AddingActivities, MissingOrUnreadableInputAddsNothing)
{
    struct Case {
        const char* name;
        bool firstRow; // a row added before, so that "nothing changes" covers the totals as well
        std::function<void(Form7&)> spoil;
    };
    const Case cases[] = {
        {"no activity since opening", false, [](Form7&) {}},
        {"empty weight", true, [](Form7& p) { p.Text1.setText(""); }},
        {"emptied hours", true, [](Form7& p) { p.Combo4.setText(""); }},
        {"emptied minutes", true, [](Form7& p) { p.Combo5.setText(""); }},
        {"unreadable minutes", true, [](Form7& p) { p.Combo5.setText("4-5"); }},
        {"a duration too long to compute", true, [](Form7& p) { p.Combo4.setText(std::string(400, '9')); }},
        // Pasted minus signs, which no key types.
        {"pasted negative weight", true, [](Form7& p) { p.Text1.setText("-15"); }},
        {"pasted negative hours", true, [](Form7& p) { p.Combo4.setText("-1"); }},
        {"pasted negative minutes", true, [](Form7& p) { p.Combo5.setText("-30"); }},
        // Pasted fractions, which the masks would round away from the energy computed.
        {"pasted hours 1,5", true, [](Form7& p) { p.Combo4.setText("1,5"); }},
        {"pasted minutes 0,5", true, [](Form7& p) { p.Combo5.setText("0,5"); }},
        // Values of 10^15 or more, which 15 significant digits cannot hold.
        {"typed hours of 10^15", true,
         [](Form7& p) {
             p.Combo4.setText("");
             Type(p.Combo4, "1000000000000000");
         }},
        {"pasted minutes of 10^21", true, [](Form7& p) { p.Combo5.setText("1000000000000000000000"); }},
        {"a kJ total that would reach 10^15", true,
         [](Form7& p) {
             p.Combo1.choose(kAccordion);
             p.Combo4.setText("1200000000000"); // 6,3 * 10^14 kJ: the row alone fits
             p.Image5.click();
         }},
        {"an hours total that would reach 10^15", true,
         [](Form7& p) {
             p.Text1.setText("0");
             p.Combo4.setText("999999999999990");
             p.Image5.click();
         }},
        {"a minutes total that would carry past 10^15 hours", true,
         [](Form7& p) {
             p.Text1.setText("0");
             p.Combo4.setText("999999999999990");
             p.Combo5.setText("600");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form7& p = open("70");
        if (c.firstRow)
            add(p, kJogging, "1", "30");
        c.spoil(p);
        const std::vector<Row> rows = rowsOf(p);
        const Totals totals = totalsOf(p);
        desktop.messages.clear();
        desktop.expectMessage();
        p.Image5.click();
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].prompt,
                  "Enter the weight, select the type and duration of physical activity!");
        EXPECT_EQ(desktop.messages[0].title, "Gre\u0161ka!");
        EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(desktop.messages[0].buttons, MessageButtons::Ok);
        EXPECT_TRUE(p.Text1.hasFocus());
        EXPECT_EQ(rowsOf(p), rows);
        EXPECT_EQ(totalsOf(p), totals);
        close(p);
    }
}

TEST_F(AddingActivities, RefusedHugeDurationsLeaveTheTotalsTrueForLaterDeletions)
{
    Form7& p = open("70");
    p.Combo1.choose(kAccordion);
    p.Combo4.setText("");
    Type(p.Combo4, "1000000000000000");
    desktop.expectMessage();
    p.Image5.click();
    p.Combo4.setText("1");
    p.Image5.click();
    EXPECT_EQ(rowsOf(p), (std::vector<Row>{{"Accordion, playing", "1", "0", "525,0", "126,0"}}));
    EXPECT_EQ(totalsOf(p), (Totals{"1", "0", "525,0", "126,0"}));
    p.List1.setListIndex(0);
    p.br_p.click();
    EXPECT_EQ(totalsOf(p), (Totals{"0", "0", "0", "0"}));

    // A pasted minute count of 10^21, added and deleted alone.
    p.Combo4.setText("0");
    p.Combo5.setText("1000000000000000000000");
    desktop.expectMessage();
    p.Image5.click();
    EXPECT_TRUE(rowsOf(p).empty());
    EXPECT_EQ(totalsOf(p), (Totals{"0", "0", "0", "0"}));
}

TEST_F(AddingActivities, WhatTheWeightCheckLetsThrough)
{
    // A weight that turned the box red is still used, and so is the 0 of an empty main window.
    desktop.expectMessage();
    Form7& heavy = open("900");
    add(heavy, kAccordion, "1", "0");
    EXPECT_EQ(rowsOf(heavy), (std::vector<Row>{{"Accordion, playing", "1", "0", "6750,0", "1620,0"}}));
    close(heavy);

    Form7& empty = open("");
    add(empty, kAccordion, "1", "0");
    EXPECT_EQ(rowsOf(empty), (std::vector<Row>{{"Accordion, playing", "1", "0", "0,0", "0,0"}}));
    EXPECT_EQ(totalsOf(empty), (Totals{"1", "0", "0,0", "0,0"}));
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(AddingActivities, EditedNameIsListedWithTheEnergiesOfTheChosenActivity)
{
    Form7& p = open("70");
    p.Combo1.choose(kFarmingWithBlank);
    p.Combo1.choose(kAccordion);
    p.Combo1.setText("Accordion in the garden");
    p.Image5.click();
    EXPECT_EQ(rowsOf(p), (std::vector<Row>{{"Accordion in the garden", "1", "0", "525,0", "126,0"}}));
    // A catalogue name is listed exactly, trailing blank included.
    add(p, kFarmingWithBlank, "0", "30");
    EXPECT_EQ(p.List1.item(1), "Farming, balling hay, cleaning barn, poultry work ");
}

} // namespace
} // namespace movesta::testing
