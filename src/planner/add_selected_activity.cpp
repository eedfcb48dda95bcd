// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Adding the chosen activity to the selected-activity list, and the upkeep of the totals row.

#include <cmath>
#include <initializer_list>
#include <string>

#include "core/number_rules.h"
#include "planner/form7.h"
#include "planner/totals.h"
#include "platform/desktop_services.h"

namespace movesta {

void Form7::Image5_Click()
{
    AddSelectedActivity();
}

TotalsRow Form7::ShownTotals() const
{
    return {.kilojoules = Label18.caption(),
            .kilocalories = Label21.caption(),
            .hours = Label24.caption(),
            .minutes = Label16.caption()};
}

void Form7::AddSelectedActivity()
{
    // Everything that can fail is read and computed before the first write, so an add either
    // appends a whole row and updates every total, or changes nothing.
    std::string kilojoules, kilocalories, hours, minutes;
    TotalsRow totals;
    RowEnergy energy{};
    try {
        const double rowKilojoules = energyFor(Label2.caption());
        const double rowKilocalories = energyFor(Label3.caption());
        energy = {rowKilojoules, rowKilocalories, Text1.text()};
        const double rowHours = ReadDecimalNumber(Combo4.text());
        const double rowMinutes = ReadDecimalNumber(Combo5.text());
        // No key types a minus sign, but a pasted one must not make a negative row.
        if (ReadDecimalNumber(Text1.text()) < 0 || rowHours < 0 || rowMinutes < 0)
            throw ConversionError("-");
        // Nor a decimal comma: the row's whole hours and minutes must be the duration computed.
        if (rowHours != std::floor(rowHours) || rowMinutes != std::floor(rowMinutes))
            throw ConversionError(",");
        kilojoules = FormatWithMask(rowKilojoules, "0.0");
        kilocalories = FormatWithMask(rowKilocalories, "0.0");
        hours = FormatWithMask(Combo4.text(), "0");
        minutes = FormatWithMask(Combo5.text(), "0");
        for (const std::string* value : {&kilojoules, &kilocalories, &hours, &minutes})
            RequireWithinTable(*value);
        totals = TotalsWithRow(ShownTotals(), rowKilojoules, rowKilocalories, rowHours, rowMinutes);
    } catch (const NumberError&) {
        desktop().messageBox("Enter the weight, select the type and duration of physical activity!",
                             MessageButtons::Ok, MessageIcon::Critical, "Gre\u0161ka!");
        Text1.setFocus();
        return;
    }
    appendRow(Combo1.text(), hours, minutes, kilojoules, kilocalories, std::move(energy), totals);
}

void Form7::appendRow(const std::string& activity, const std::string& hours, const std::string& minutes,
                      const std::string& kilojoules, const std::string& kilocalories, RowEnergy energy,
                      const TotalsRow& totals)
{
    Label14.setCaption(kilojoules);
    Label27.setCaption(kilocalories);
    List1.addItem(activity);
    List2.addItem(hours);
    Label28.setCaption(hours);
    List5.addItem(minutes);
    Label29.setCaption(minutes);
    List3.addItem(kilojoules);
    List4.addItem(kilocalories);
    m_rowEnergies.push_back(energy);
    Label18.setCaption(totals.kilojoules);
    Label21.setCaption(totals.kilocalories);
    Label24.setCaption(totals.hours);
    Label16.setCaption(totals.minutes); // carries whole hours into Label24
}

void Form7::Label16_Change()
{
    // Moves all whole hours at once; the new minutes re-enter this handler, which then finds
    // nothing left to carry. Hour by hour, a pasted enormous duration would exhaust the stack.
    // A deletion can leave the minutes negative: whole hours are borrowed the same way.
    runStep([&] {
        const double minutes = ReadDecimalNumber(Label16.caption());
        if (minutes >= 60 || minutes < 0) {
            const MinutesCarry carry = CarryMinutes(minutes);
            Label16.setCaption(NumberToText(carry.minutes));
            Label24.setCaption(NumberToText(ReadDecimalNumber(Label24.caption()) + carry.hours));
        }
    });
}

void Form7::Label21_Change()
{
    // The share of the target follows every change of the kcal total, adds and deletions alike.
    ShowShareOfTarget();
}

} // namespace movesta
