// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The totals arithmetic by itself: carry and borrow of minutes, exact decimal differences.

#include <gtest/gtest.h>

#include "core/number_rules.h"
#include "planner/totals.h"

namespace movesta {
namespace {

TEST(TotalsArithmetic, MinutesCarryIntoAndBorrowFromHours)
{
    const struct {
        double minutes, left, hours;
    } cases[] = {{0, 0, 0},     {59, 59, 0},  {60, 0, 1},   {135, 15, 2},
                 {-15, 45, -1}, {-60, 0, -1}, {-61, 59, -2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.minutes);
        const MinutesCarry carry = CarryMinutes(c.minutes);
        EXPECT_EQ(carry.minutes, c.left);
        EXPECT_EQ(carry.hours, c.hours);
    }
}

TEST(TotalsArithmetic, AddingSumsRunningTotalsAndDeletingSubtractsExactly)
{
    const TotalsRow added = TotalsWithRow({"787,5", "189,0", "1", "30"}, 787.5, 189.0, 1, 45);
    EXPECT_EQ(added.kilojoules, "1575,0");
    EXPECT_EQ(added.kilocalories, "378,0");
    EXPECT_EQ(added.hours, "2");
    EXPECT_EQ(added.minutes, "75"); // carried later, by the minutes label's own handler

    const TotalsRow left =
        TotalsWithoutRow({"1000,5", "10,5", "1", "10"},
                         {.hours = "0", .minutes = "30", .kilojoules = "1000,4", .kilocalories = "2,5"});
    EXPECT_EQ(left.kilojoules, "0,1");
    EXPECT_EQ(left.kilocalories, "8");
    EXPECT_EQ(left.hours, "1");
    EXPECT_EQ(left.minutes, "-20"); // borrowed later as well

    EXPECT_THROW(TotalsWithoutRow({"0", "0", "0", "0"}, {"", "", "", ""}), NumberError); // no row selected
}

} // namespace
} // namespace movesta
