// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>
#include <string_view>

#include "core/number_rules.h"
#include "platform/desktop_services.h"
#include "time_to_burn/form4.h"

namespace movesta {

namespace {

// A value as its mask writes it, read back: the hours and minutes are worked out on the
// rounded texts, so the minutes beside the hours are exact to about a minute.
double roundedByMask(double value, std::string_view mask)
{
    return ReadDecimalNumber(FormatWithMask(value, mask));
}

} // namespace

void Form4::ComputeTimeToBurn()
{
    try {
        // The hidden factor lists follow the row picked, kJ first.
        const int row = List1.listIndex();
        List2.setListIndex(row);
        List3.setListIndex(row);

        const std::string energyText = Text2.text();
        const std::string weightText = Text1.text();
        const std::string factorText = List3.text();

        const std::string activity = List1.text();
        Label6.setCaption(activity);

        const double weight = ReadDecimalNumber(weightText);
        const double energy = ReadDecimalNumber(energyText);
        const double factor = ReadDecimalNumber(factorText);
        const double weightTimesFactor = weight * factor;
        // A weight of 0 would divide by zero. A pasted minus sign gets past the key filter, and a
        // negative weight or energy has no time to burn either: all are refused alike.
        if (!(weightTimesFactor > 0) || energy < 0)
            throw NumberError("There is no time to burn for a weight of 0 or a negative value.");
        const double minutes = CheckedResult(60 * (energy / weightTimesFactor));

        Label13.setCaption(FormatWithMask(minutes, "0") + " min");

        if (minutes >= 60) {
            const double hoursToHundredths = roundedByMask(minutes / 60, "0.00");
            double hours = roundedByMask(minutes / 60, "0");
            double minutesPart = roundedByMask(60 * (hoursToHundredths - hours), "0");
            if (minutesPart < 0) { // the whole hours were rounded up
                hours -= 1;
                minutesPart = roundedByMask(60 * (hoursToHundredths - hours), "0");
            }
            Label13.setCaption(NumberToText(hours) + " h : " + NumberToText(minutesPart) + " min");
        }

        Label14.setCaption("Time required to burn " + energyText + " kcal for " + activity + ":");
    } catch (const NumberError&) {
        desktop().messageBox("Enter the weight and energy expenditure!", MessageButtons::Ok,
                             MessageIcon::Critical, "");
    }
}

} // namespace movesta
