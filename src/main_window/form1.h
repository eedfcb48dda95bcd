// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: unit of weight, the weight in kilograms that the calculators take over,
// and the way into the two calculators and the product page.

#include "platform/controls.h"
#include "platform/window.h"

namespace movesta {

class WindowManager;

inline constexpr const char* kMainWindowId = "Form1";
inline constexpr const char* kPlannerId = "Form7";
inline constexpr const char* kTimeToBurnId = "Form4";

class Form1 : public Window {
public:
    static constexpr const char* kId = kMainWindowId;          // the window manager's name of it
    static constexpr const char* kHelpSection = "main-window"; // its part of the product page
    Form1(DesktopServices& desktop, WindowManager& windows);
    std::string helpSection() const override { return kHelpSection; }

    // Unit of weight
    Decoration Frame1{*this, "Frame1", "Units"};       // groups the two unit options
    OptionButton Option1{*this, "Option1", "Metric"};  // weight typed in kilograms
    OptionButton Option2{*this, "Option2", "English"}; // weight typed in pounds

    // Weight
    Label Label2{*this, "Label2"}; // caption of the weight box, follows the unit
    TextBox Text1{*this, "Text1"}; // the weight as typed, in the chosen unit; takes any key

    // The two calculators and the product page
    Label Label6{*this, "Label6"};                       // heading over Image1
    Label Label7{*this, "Label7"};                       // heading over Image3
    Picture Image1{*this, "Image1", "planner.svg"};      // opens the planner
    Picture Image3{*this, "Image3", "time_to_burn.svg"}; // opens the time-to-burn window
    Picture Image2{*this, "Image2", "banner.svg"};       // opens the product page
    Label Label1{*this, "Label1"};                       // ownership notice, grey

    // Hidden state that the calculators take over at their loading
    TextBox Text2{*this, "Text2"}; // weight in kilograms, as text
    TextBox Text3{*this, "Text3"}; // default energy to burn, kcal
    Label Label4{*this, "Label4"}; // "Energy expenditure:", hidden with Text3
    Label Label5{*this, "Label5"}; // "Kcal", hidden with Text3

    void Form_Load() override;
    void Form_Unload() override;
    void Text1_Change();
    void Option1_Click();
    void Option2_Click();
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();

private:
    WindowManager& m_windows;
};

} // namespace movesta
