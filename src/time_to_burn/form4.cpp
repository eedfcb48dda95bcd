// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "time_to_burn/form4.h"

#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/limits.h"
#include "core/number_rules.h"
#include "diary/my_activities.h"
#include "main_window/form1.h"
#include "platform/desktop_services.h"

namespace movesta {

namespace {

constexpr Color kNormalWeightBack = Color::system(Color::Kind::ButtonFace);

} // namespace

Form4::Form4(DesktopServices& desktop, const Form1& mainWindow, DiaryStore& diary)
    : Window(desktop, "Time required to burn calories")
    , m_mainWindow(mainWindow)
    , m_diary(diary)
{
    Image2.setToolTip("Izlaz");
    Label3.setCaption("Weight:");
    Text1.setBackColor(kNormalWeightBack);
    Label15.setCaption("kg");
    Label4.setCaption("Energy expenditure:");
    Text2.setBackColor(Color::system(Color::Kind::Highlight));
    Text2.setForeColor(Color::system(Color::Kind::HighlightText));
    Label16.setCaption("kcal");
    Label5.setCaption("Physical activity:");

    ShowOwnActivities(); // the catalogue, then the person's own
    List2.setVisible(false);
    List3.setVisible(false);

    Text1.onChange = [this] { Text1_Change(); };
    Text1.onKeyPress = [this](int keyAscii) { return Text1_KeyPress(keyAscii); };
    Text2.onKeyPress = [this](int keyAscii) { return Text2_KeyPress(keyAscii); };
    List1.onClick = [this] { List1_Click(); };
    Image1.onClick = [this] { Image1_Click(); };
    Image2.onClick = [this] { Image2_Click(); };
}

// No step here can fail: ReadLeadingNumber reads any text, so every step always runs.
void Form4::Form_Load()
{
    Text1.setText(m_mainWindow.Text2.text()); // raises Text1_Change: the cut and colours apply
    Text2.setText(m_mainWindow.Text3.text());
    Text1.setBold(true);
    Text2.setBold(true);

    Label14.setCaption("");
    Label14.setBold(true);
    Label14.setFontSize(9);

    Label6.setCaption("");
    Label6.setBold(true);
    Label6.setFontSize(10);

    Label13.setCaption("");
    Label13.setBold(true);
    Label13.setFontSize(20);
    Label13.setBackColor(Color::system(Color::Kind::Highlight));
    Label13.setForeColor(kWhite);

    if (ReadLeadingNumber(Text1.text()) > kHighestWeight)
        Text1.setBackColor(kPureRed);
    if (Text1.text().empty())
        Text1.setBackColor(kPureRed);
}

void Form4::Form_Activate()
{
    Text1.setFocus();
}

// Cutting the text raises this handler again for the cut text; both runs then apply the same
// colour rules to the same text, which is harmless.
void Form4::Text1_Change()
{
    if (CharacterCount(Text1.text()) > kWeightCharacters)
        Text1.setText(LeftCharacters(Text1.text(), kWeightCharacters));

    // A change gives the normal colour back only to a weight below the highest one; a weight
    // above it turns the box red only when the window loads.
    const double weight = ReadLeadingNumber(Text1.text());
    if (weight > 0 && weight < kHighestWeight)
        Text1.setBackColor(kNormalWeightBack);

    if (Text1.text().empty())
        Text1.setBackColor(kPureRed);
}

int Form4::Text1_KeyPress(int keyAscii)
{
    return DigitKeyFilter(keyAscii);
}

int Form4::Text2_KeyPress(int keyAscii)
{
    return DigitKeyFilter(keyAscii);
}

void Form4::List1_Click()
{
    ComputeTimeToBurn();
}

void Form4::ShowOwnActivities()
{
    ListedActivities listed(m_diary);
    const auto [keep, renamed] = listed.keep(List1.listIndex(), List1.text(), m_ownIds);
    List1.setItems(std::move(listed.names), keep);
    List1.setItemMark(listed.mark);
    List2.setItems(std::move(listed.kilojoules), keep);
    List3.setItems(std::move(listed.kilocalories), keep);
    m_ownIds = std::move(listed.ownIds);
    if (renamed)
        List1_Click();
}

void Form4::Image1_Click()
{
    desktop().openAddress(desktop().productPageAddress());
}

void Form4::Image2_Click()
{
    unload();
}

} // namespace movesta
