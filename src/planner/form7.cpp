// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "planner/form7.h"

#include <string>
#include <vector>

#include "core/limits.h"
#include "core/number_rules.h"
#include "main_window/form1.h"

namespace movesta {

namespace {

// The captions that the window sets at load are shown bold at this size.
constexpr int kValueFontSize = 10;
constexpr Color kGreen = Color::rgb(0, 255, 0);

// "0", "step", "2 step", ... up to `last`.
std::vector<std::string> numberItems(int last, int step)
{
    std::vector<std::string> texts;
    for (int value = 0; value <= last; value += step)
        texts.push_back(NumberToText(value));
    return texts;
}

void setValueStyle(Label& label)
{
    label.setFontSize(kValueFontSize);
    label.setBold(true);
}

} // namespace

Form7::Form7(DesktopServices& desktop, const Form1& mainWindow, WindowManager& windows, DiaryStore& diary)
    : Window(desktop, "Energy Expenditure")
    , m_mainWindow(mainWindow)
    , m_windows(windows)
    , m_diary(diary)
{
    // Activity choice; the two factor columns stay hidden at the same index as the names.
    Label4.setCaption("Physical activity:");
    ShowOwnActivities(); // the catalogue, then the person's own
    Label5.setCaption("Faktor tjelesne aktivnosti kJ \u00B7 h-1\u00B7 kg-1 tjelesne mase ");
    Label6.setCaption("Faktor tjelesne aktivnosti kcal \u00B7 h-1\u00B7 kg-1 tjelesne mase");
    for (Control* hidden : std::initializer_list<Control*>{&Combo2, &Combo3, &Label1, &Label2, &Label3,
                                                           &Label5, &Label6, &Line1, &Line2})
        hidden->setVisible(false);

    // Weight and duration
    Label7.setCaption("Weight:");
    Label11.setCaption("kg");
    Label30.setCaption("Duration of physical activity:");
    Combo4.setItems(numberItems(12, 1));
    Label31.setCaption("h");
    Combo5.setItems(numberItems(55, 5));
    Label32.setCaption("min");

    // Table headings
    Label8.setCaption("Time:");
    Label9.setCaption("h");
    Label10.setCaption("min");
    Label13.setCaption("Energy expenditure:");
    Label12.setCaption("KJ");
    Label15.setCaption("kcal");

    // Selected-activity list, totals and the target row, kept hidden until a target is set
    Label17.setCaption("Selected physical activities:");
    Label22.setCaption("Total:");
    Label24.setToolTip("Sati");
    Label16.setToolTip("Minuta");
    Label18.setToolTip("Ukupna energetska potro\u0161nja (KJ)");
    Label21.setToolTip("Ukupna energetska potro\u0161nja (kcal)");
    Label20.setCaption("Ciljana energetska potro\u0161nja:");
    Label26.setCaption("kcal");
    for (Control* hidden : std::initializer_list<Control*>{&Label20, &Label23, &Label26, &Line5})
        hidden->setVisible(false);

    // Buttons, links and the report. The report goes to the clipboard, or to a file through the
    // menu's Save Report...; the word-processor report's label and picture are kept hidden.
    Image5.setToolTip("Dodaj");
    Image4.setToolTip("Exit");
    Image3.setToolTip("Delete Selected");
    Image2.setToolTip("Delete All");
    Label34.setCaption("Copy to Clipboard");
    Image7.setToolTip("Copy to Clipboard");
    Label33.setCaption("Prika\u017Ei ispis u Wordu");
    Image1.setToolTip("Prika\u017Ei ispis u Wordu");
    for (Control* hidden : std::initializer_list<Control*>{&Label33, &Image1, &Text2})
        hidden->setVisible(false);

    // Handlers last, so that the captions and items set above raise nothing.
    Combo1.onClick = [this] {
        CloseFoundActivities(); // an activity chosen: nothing is left to offer
        Combo1_Click();
    };
    Combo1.onChange = [this] { FindActivity(); };
    Combo4.onChange = [this] { Combo4_Change(); };
    Combo4.onClick = [this] { Combo4_Click(); };
    Combo5.onChange = [this] { Combo5_Change(); };
    Combo5.onClick = [this] { Combo5_Click(); };
    Text1.onChange = [this] { Text1_Change(); };
    Text1.onKeyPress = [this](int key) { return Text1_KeyPress(key); };
    Combo4.onKeyPress = [this](int key) { return Combo4_KeyPress(key); };
    Combo5.onKeyPress = [this](int key) { return Combo5_KeyPress(key); };

    Image5.onClick = [this] { Image5_Click(); };
    Label16.onChange = [this] { Label16_Change(); };
    Label21.onChange = [this] { Label21_Change(); };

    List1.onClick = [this] { List1_Click(); };
    List2.onClick = [this] { List2_Click(); };
    List3.onClick = [this] { List3_Click(); };
    List4.onClick = [this] { List4_Click(); };
    List5.onClick = [this] { List5_Click(); };
    br_p.onClick = [this] { br_p_Click(); };
    Image3.onClick = [this] { Image3_Click(); };
    br_s.onClick = [this] { br_s_Click(); };
    Image2.onClick = [this] { Image2_Click(); };
    izl.onClick = [this] { izl_Click(); };
    Image4.onClick = [this] { Image4_Click(); };
    Image6.onClick = [this] { Image6_Click(); };

    kopi.onClick = [this] { kopi_Click(); };
    Label34.onClick = [this] { Label34_Click(); };
    Image7.onClick = [this] { Image7_Click(); };
    cilj.onClick = [this] { cilj_Click(); };
    spr.onClick = [this] { spr_Click(); };
    isp.onClick = [this] { isp_Click(); };
    sdn.onClick = [this] { sdn_Click(); };
    dnev.onClick = [this] { dnev_Click(); };
    mak.onClick = [this] { mak_Click(); };
    Combo1.onGotFocus = [this] {
        if (Combo1.text().empty())
            FindActivity();
    };
}

void Form7::runStep(const std::function<void()>& step)
{
    try {
        step();
    } catch (const NumberError&) {
        // The step is skipped; the next one runs.
    }
}

void Form7::Form_Load()
{
    // Each step stands by itself: one that fails is skipped and loading goes on. The change
    // handlers run as the texts are set, so the weight check already sees the copied weight.
    runStep([&] {
        Label23.setCaption("");
        Label2.setCaption("");
        Label3.setCaption("");
    });
    runStep([&] { Combo1.setText(""); });
    runStep([&] {
        Text1.setText("");
        Text1.setBold(true);
    });
    runStep([&] { Text1.setText(m_mainWindow.Text2.text()); });
    runStep([&] { Combo4.setText(NumberToText(1)); });
    runStep([&] { Combo5.setText(NumberToText(0)); });
    runStep([&] {
        Label14.setFontSize(kValueFontSize);
        Label14.setCaption("");
        Label14.setBold(true);
    });
    runStep([&] {
        Label27.setFontSize(kValueFontSize);
        Label27.setCaption("");
        Label27.setBold(true);
    });
    runStep([&] {
        Label18.setCaption("0");
        setValueStyle(Label18);
    });
    runStep([&] {
        Label21.setCaption("0");
        setValueStyle(Label21);
        Label21.setBackColor(kBlack);
        Label21.setForeColor(kGreen);
    });
    runStep([&] {
        Label24.setCaption("0");
        setValueStyle(Label24);
    });
    runStep([&] {
        Label19.setCaption("");
        setValueStyle(Label19);
    });
    runStep([&] {
        setValueStyle(Label23);
        Label23.setBackColor(Color::system(Color::Kind::Highlight));
        Label23.setForeColor(kWhite);
    });
    runStep([&] {
        Label16.setCaption("0");
        setValueStyle(Label16);
    });
    runStep([&] {
        Label28.setCaption("0");
        setValueStyle(Label28);
    });
    runStep([&] {
        Label29.setCaption("0");
        setValueStyle(Label29);
    });
    runStep([&] { Label25.setCaption(""); });
    runStep([&] {
        if (ReadLeadingNumber(Text1.text()) > kHighestWeight) {
            Text1.setFocus(); // refused while the window is not shown yet; the box turns red all the same
            Text1.setBackColor(kPureRed);
        }
    });
}

} // namespace movesta
