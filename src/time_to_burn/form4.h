// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The time-to-burn window: for a body weight, an energy in kcal and the activity picked from
// the catalogue, how long that activity must last to spend the energy. The weight and energy
// are copied from the main window at each loading; nothing flows back.

#include <cstdint>
#include <vector>

#include "platform/controls.h"
#include "platform/window.h"

namespace movesta {

class DiaryStore;
class Form1;

class Form4 : public Window {
public:
    static constexpr const char* kId = "Form4";                 // the window manager's name of it
    static constexpr const char* kHelpSection = "time-to-burn"; // its part of the product page
    Form4(DesktopServices& desktop, const Form1& mainWindow, DiaryStore& diary);
    std::string helpSection() const override { return kHelpSection; }

    // Picture buttons
    Picture Image1{*this, "Image1", "banner.svg"}; // banner; opens the product page
    Picture Image2{*this, "Image2", "exit.svg"};   // closes the window, tooltip "Izlaz"

    // Weight and energy
    Label Label3{*this, "Label3"};    // "Weight:"
    TextBox Text1{*this, "Text1"};    // body weight in kg, at most three characters; red needs attention
    Label Label15{*this, "Label15"};  // "kg"
    Label Label4{*this, "Label4"};    // "Energy expenditure:"
    TextBox Text2{*this, "Text2"};    // energy to spend, kcal, as typed
    Label Label16{*this, "Label16"};  // "kcal"
    Decoration Line2{*this, "Line2"}; // rule above the row of fields
    Decoration Line1{*this, "Line1"}; // rule below the row of fields

    // Activity: the catalogue column by column, the same row at the same index
    Label Label5{*this, "Label5"}; // "Physical activity:"
    Label Label6{*this, "Label6"}; // name of the activity last picked
    ListBox List1{*this, "List1"}; // activity names, the list the user picks from
    ListBox List2{*this, "List2"}; // kJ factors, hidden; follows List1 (the time comes from kcal)
    ListBox List3{*this, "List3"}; // kcal factors, hidden; follows List1

    // Result
    Label Label14{*this, "Label14"}; // heading that restates the question
    Label Label13{*this, "Label13"}; // the time, "34 min" or "1 h : 35 min"

    void Form_Load() override;
    void Form_Activate() override;
    void Text1_Change();
    int Text1_KeyPress(int keyAscii);
    int Text2_KeyPress(int keyAscii);
    void List1_Click();
    void Image1_Click();
    void Image2_Click();

    // Computes the time for the row picked in List1 into Label6, Label14 and Label13.
    void ComputeTimeToBurn();

    // The person's own activities after the catalogue's in the three lists: read from the diary
    // when the window is made and again after each change to them. The row picked stays
    // picked; one that was renamed is picked again under its new name.
    void ShowOwnActivities();

private:
    const Form1& m_mainWindow;
    DiaryStore& m_diary;
    std::vector<std::int64_t> m_ownIds; // of List1's rows after the catalogue's
};

} // namespace movesta
