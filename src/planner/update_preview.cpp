// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's inputs: the activity choice, the duration combos, the weight check and the live
// preview of the chosen activity's energy.

#include <optional>
#include <string>

#include "core/limits.h"
#include "core/number_rules.h"
#include "planner/form7.h"
#include "platform/desktop_services.h"

namespace movesta {

double Form7::energyFor(const std::string& factorText) const
{
    const double perHour = ReadDecimalNumber(factorText) * ReadDecimalNumber(Text1.text());
    const double hours = ReadDecimalNumber(Combo4.text()) + ReadDecimalNumber(Combo5.text()) / 60;
    // A pasted enormous duration must not come out as an infinite energy.
    return CheckedResult(perHour * hours);
}

void Form7::Combo1_Click()
{
    Label19.setCaption(Combo1.text());
    const int row = Combo1.listIndex();
    Combo2.setListIndex(row);
    Combo3.setListIndex(row);
    Label1.setCaption(Combo1.text());
    Label2.setCaption(Combo2.text());
    Label3.setCaption(Combo3.text());
    UpdatePreview();
}

void Form7::Combo4_Change()
{
    UpdatePreview();
}

void Form7::Combo4_Click()
{
    UpdatePreview();
}

void Form7::Combo5_Change()
{
    UpdatePreview();
}

void Form7::Combo5_Click()
{
    UpdatePreview();
}

void Form7::UpdatePreview()
{
    // An energy that cannot be computed (no activity yet, no weight, an unreadable duration)
    // shows as an empty field rather than a misleading 0,0.
    std::optional<double> kilojoules;
    std::optional<double> kilocalories;
    runStep([&] { kilojoules = energyFor(Label2.caption()); });
    runStep([&] { kilocalories = energyFor(Label3.caption()); });
    runStep([&] { Label14.setCaption(kilojoules ? FormatWithMask(*kilojoules, "0.0") : ""); });
    runStep([&] { Label27.setCaption(kilocalories ? FormatWithMask(*kilocalories, "0.0") : ""); });
    runStep([&] { Label28.setCaption(FormatWithMask(Combo4.text(), "0")); });
    runStep([&] { Label29.setCaption(FormatWithMask(Combo5.text(), "0")); });
}

void Form7::Text1_Change()
{
    if (CharacterCount(Text1.text()) >= kWeightCharacters) {
        std::string cut = LeftCharacters(Text1.text(), kWeightCharacters);
        if (cut != Text1.text()) {
            // Cutting changes the text once more, and that nested run of this handler checks the
            // cut weight; checking it here again would show the same message twice.
            Text1.setText(std::move(cut));
            return;
        }
        Combo1.setFocus(); // the third digit completes the weight
    }
    if (Text1.text().empty())
        return;
    bool rejected = true; // a text that is no number fails the check as well
    runStep([&] { rejected = ReadDecimalNumber(Text1.text()) > kHighestWeight; });
    if (!rejected)
        return;
    desktop().messageBox("Weight too high!\r\nPlease check your input", MessageButtons::Ok,
                         MessageIcon::Critical, "");
    Text1.setFocus();
    // Stays red until the window is loaded again, also once the weight is corrected.
    Text1.setBackColor(kPureRed);
}

int Form7::Text1_KeyPress(int keyAscii)
{
    return DigitKeyFilter(keyAscii);
}

int Form7::Combo4_KeyPress(int keyAscii)
{
    return DigitKeyFilter(keyAscii);
}

int Form7::Combo5_KeyPress(int keyAscii)
{
    return DigitKeyFilter(keyAscii);
}

} // namespace movesta
