// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The arithmetic of the planner's totals row: running sums when a row is added, exact decimal
// differences when one is deleted, and the minutes kept below an hour. The handlers that write
// the labels keep the order of the writes; these functions only compute the texts.

#include <string>

namespace movesta {

// The four totals as the labels show them: Label18, Label21, Label24, Label16.
struct TotalsRow {
    std::string kilojoules;
    std::string kilocalories;
    std::string hours;
    std::string minutes;
};

// The four number texts of one row of the list: List2, List5, List3, List4.
struct ListRow {
    std::string hours;
    std::string minutes;
    std::string kilojoules;
    std::string kilocalories;
};

// Every value of the table and the totals is written with at most 15 significant digits: one of
// 10^15 or more could not be read back as it was, and deleting its row would leave wrong totals
// for good. Throws NumberError when the value written as `text` lies at or beyond that.
inline constexpr double kLargestTableValue = 1e15;
void RequireWithinTable(const std::string& text);

// The totals with one more row, given its unrounded energies and its duration. The energies are
// running sums of the shown total and the unrounded energy, with one decimal; hours and minutes
// are whole, the minutes not yet carried. Throws NumberError when a total cannot be read or a sum
// (the carried duration included) does not fit the table.
TotalsRow TotalsWithRow(const TotalsRow& shown, double kilojoules, double kilocalories, double hours,
                        double minutes);

// The totals without a row, given the row's four texts. Each difference is the exact decimal one
// (1000,5 - 1000,4 is 0,1), written in its shortest form. Throws NumberError, reading each total
// before the row's value and the columns in the order of the fields.
TotalsRow TotalsWithoutRow(const TotalsRow& shown, const ListRow& row);

// The totals after one more row as the planner's labels end up: TotalsWithRow, then the minutes
// carried into the hours as the minutes label's handler carries them.
TotalsRow AddedToTotals(const TotalsRow& shown, double kilojoules, double kilocalories, double hours,
                        double minutes);

// A minutes total brought into 0 to 59: the minutes left, and the whole hours moved, positive
// when carried into the hours total, negative when borrowed from it.
struct MinutesCarry {
    double minutes;
    double hours;
};
MinutesCarry CarryMinutes(double minutes);

} // namespace movesta
