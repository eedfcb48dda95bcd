// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "planner/totals.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "core/number_rules.h"

namespace movesta {

namespace {

// RoundDecimal takes at most this many decimals; the planner writes one at most.
constexpr int kMostDecimals = 30;

// total - row, both decimal texts with a few decimals. Rounding the binary difference to the
// larger number of decimals of the two gives the exact decimal difference: 1000,5 - 1000,4 is
// 0,1 and not 0,100000000000023, and deleting every row brings the totals back to exactly 0.
std::string decimalDifference(const std::string& total, const std::string& row)
{
    const double minuend = ReadDecimalNumber(total);
    const double subtrahend = ReadDecimalNumber(row);
    const int decimals = std::min(std::max(DecimalPlaces(total), DecimalPlaces(row)), kMostDecimals);
    return NumberToText(RoundDecimal(CheckedResult(minuend - subtrahend), decimals));
}

} // namespace

void RequireWithinTable(const std::string& text)
{
    if (std::fabs(ReadDecimalNumber(text)) >= kLargestTableValue)
        throw OverflowError();
}

TotalsRow TotalsWithRow(const TotalsRow& shown, double kilojoules, double kilocalories, double hours,
                        double minutes)
{
    TotalsRow totals;
    totals.kilojoules = FormatWithMask(kilojoules + ReadDecimalNumber(shown.kilojoules), "0.0");
    totals.kilocalories = FormatWithMask(kilocalories + ReadDecimalNumber(shown.kilocalories), "0.0");
    const double newHours = CheckedResult(ReadDecimalNumber(shown.hours) + hours);
    const double newMinutes = CheckedResult(minutes + ReadDecimalNumber(shown.minutes));
    totals.hours = FormatWithMask(newHours, "0");
    totals.minutes = FormatWithMask(newMinutes, "0");
    for (const std::string* total :
         {&totals.kilojoules, &totals.kilocalories, &totals.hours, &totals.minutes})
        RequireWithinTable(*total);
    // The hours that the minutes carry into must fit as well.
    RequireWithinTable(NumberToText(CheckedResult(newHours + CarryMinutes(newMinutes).hours)));
    return totals;
}

TotalsRow TotalsWithoutRow(const TotalsRow& shown, const ListRow& row)
{
    // Computed in the order of the fields, which decides the message of a failure.
    return {.kilojoules = decimalDifference(shown.kilojoules, row.kilojoules),
            .kilocalories = decimalDifference(shown.kilocalories, row.kilocalories),
            .hours = decimalDifference(shown.hours, row.hours),
            .minutes = decimalDifference(shown.minutes, row.minutes)};
}

TotalsRow AddedToTotals(const TotalsRow& shown, double kilojoules, double kilocalories, double hours,
                        double minutes)
{
    TotalsRow totals = TotalsWithRow(shown, kilojoules, kilocalories, hours, minutes);
    const double total = ReadDecimalNumber(totals.minutes);
    if (total >= 60 || total < 0) {
        const MinutesCarry carry = CarryMinutes(total);
        totals.minutes = NumberToText(carry.minutes);
        totals.hours = NumberToText(ReadDecimalNumber(totals.hours) + carry.hours);
    }
    return totals;
}

MinutesCarry CarryMinutes(double minutes)
{
    double rest = std::fmod(minutes, 60);
    if (rest < 0)
        rest += 60;
    return {rest, (minutes - rest) / 60};
}

} // namespace movesta
