// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"

#include "core/number_rules.h"
#include "platform/desktop_services.h"
#include "platform/window_manager.h"

namespace movesta {

namespace {
constexpr double kKilogramsPerPound = 0.454;
}

Form1::Form1(DesktopServices& desktop, WindowManager& windows)
    : Window(desktop, "Movesta")
    , m_windows(windows)
{
    Option1.joinGroup({&Option1, &Option2});
    Option2.joinGroup({&Option1, &Option2});
    Option1.select();

    Label2.setCaption("Weight (kg):");
    // The box holds a placeholder until Form_Load empties it, so that emptying it is a change.
    Text1.setText("Text1");
    Text1.setBackColor(Color::rgb(192, 0, 0));
    Text1.setForeColor(Color::system(Color::Kind::HighlightText));
    Label6.setCaption("ENERGY EXPENDITURE OF SELECTED PHYSICAL ACTIVITIES");
    Label7.setCaption("TIME REQUIRED TO BURN CALORIES DURING SELECTED PHYSICAL ACTIVITY");
    Image2.setToolTip(desktop.productPageAddress());
    Label1.setCaption("\u00A9 2026 The Movesta developers. Free software: use, share and improve it.");
    Label1.setForeColor(Color::rgb(128, 128, 128));

    Text2.setVisible(false);
    Text3.setVisible(false);
    Text3.setBackColor(Color::system(Color::Kind::ButtonFace));
    Label4.setCaption("Energy expenditure:");
    Label4.setVisible(false);
    Label5.setCaption("Kcal");
    Label5.setVisible(false);

    Text1.onChange = [this] { Text1_Change(); };
    Option1.onClick = [this] { Option1_Click(); };
    Option2.onClick = [this] { Option2_Click(); };
    Image1.onClick = [this] { Image1_Click(); };
    Image2.onClick = [this] { Image2_Click(); };
    Image3.onClick = [this] { Image3_Click(); };
}

void Form1::Form_Load()
{
    Text1.setText("");
    Text1.setFontSize(20);
    Text1.setBold(true);
    Text3.setText(NumberToText(200));
    Text3.setFontSize(12);
    Text3.setBold(true);
}

void Form1::Text1_Change()
{
    Text2.setText(NumberToText(ReadLeadingNumber(Text1.text())));
    if (Option2.value())
        Text2.setText(FormatWithMask(ReadLeadingNumber(Text1.text()) * kKilogramsPerPound, "0"));
}

void Form1::Option1_Click()
{
    Text1.setText("");
    Label2.setCaption("Weight (Kg)");
    Text2.setText(NumberToText(ReadLeadingNumber(Text1.text())));
    Text1.setFocus();
}

void Form1::Option2_Click()
{
    Text1.setText("");
    Label2.setCaption("Weight (Pounds)");
    Text1.setFocus();
    if (Option2.value())
        Text2.setText(FormatWithMask(ReadLeadingNumber(Text1.text()) * kKilogramsPerPound, "0"));
}

void Form1::Image1_Click()
{
    m_windows.show(kPlannerId);
}

void Form1::Image3_Click()
{
    m_windows.show(kTimeToBurnId);
}

void Form1::Image2_Click()
{
    desktop().openAddress(desktop().productPageAddress());
}

void Form1::Form_Unload()
{
    m_windows.quit();
}

} // namespace movesta
