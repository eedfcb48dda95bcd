// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner report on the clipboard.

#include <functional>
#include <utility>

#include "planner_session.h"

namespace movesta::testing {
namespace {

const std::string kHeading = "Physical activities\r\n" + std::string(83, '-');
const std::string kRule = "\r\n" + std::string(82, '-');

std::string totalsLines(const std::string& hours, const std::string& minutes, const std::string& kcal)
{
    return kRule + "\r\nTotal duration of physical activities = " + hours + "h:" + minutes +
           "min\r\nTotal energy expenditure of selected physical activities = " + kcal + " kcal";
}

using PlannerReport = PlannerSession;

TEST_F(PlannerReport, TwoActivities)
{
    Form7& p = open("70");
    add(p, kJogging, "1", "30");
    add(p, kBowling, "1", "0");

    const std::string expected = kHeading +
                                 "\r\n- Jogging, general  - (1h:30min, 724,5 kcal)"
                                 "\r\n- Bowling  - (1h:0min, 217,0 kcal)" +
                                 totalsLines("2", "30", "941,5");
    // The menu item, the link and the picture all copy the same report.
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"kopi", [&] { p.kopi.click(); }},
        {"Label34", [&] { p.Label34.click(); }},
        {"Image7", [&] { p.Image7.click(); }},
    };
    for (const auto& [name, copy] : commands) {
        SCOPED_TRACE(name);
        p.List1.setListIndex(0);
        desktop.clipboardLog.clear();
        copy();
        EXPECT_EQ(desktop.clipboardLog, (std::vector<std::string>{"clear", "set:" + expected}));
        EXPECT_EQ(p.Text2.text(), expected);
        // Every row was selected on the way; the last one stays selected with its name shown.
        EXPECT_EQ(selectionOf(p), (std::array<int, 5>{1, 1, 1, 1, 1}));
        EXPECT_EQ(p.Label19.caption(), "Bowling");
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(PlannerReport, EmptyListAfterLoadingAndAfterDeleteAll)
{
    const std::string expected = kHeading + totalsLines("0", "0", "0");
    Form7& p = open("70");
    p.kopi.click();
    EXPECT_EQ(desktop.clipboard, expected);
    EXPECT_EQ(p.Label19.caption(), "");

    add(p, kAccordion, "1", "30");
    desktop.expectMessage(kAnswerYes);
    p.br_s.click();
    p.kopi.click();
    EXPECT_EQ(desktop.clipboard, expected);
    EXPECT_EQ(selectionOf(p), (std::array<int, 5>{-1, -1, -1, -1, -1}));
}

TEST_F(PlannerReport, CopiesNamesAndTotalsExactlyAsTheyStand)
{
    Form7& p = open("1");
    add(p, kFarmingWithBlank, "1", "0");
    add(p, kAerobicLowImpact, "0", "6");
    add(p, kBadminton, "1", "0");
    p.List4.setListIndex(2);
    p.br_p.click(); // 10,5 - 4,5 kcal leaves a total without decimals
    p.Image7.click();
    EXPECT_EQ(desktop.clipboard,
              kHeading +
                  "\r\n- Farming, balling hay, cleaning barn, poultry work   - (1h:0min, 5,5 kcal)"
                  "\r\n- Aerobic, low impact  - (0h:6min, 0,5 kcal)" +
                  totalsLines("1", "6", "6"));
    EXPECT_EQ(p.Label19.caption(), "Aerobic, low impact");
}

} // namespace
} // namespace movesta::testing
