// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The energy-expenditure planner: inputs and live preview, the selected-activity list with its
// running totals, row selection and deletion, and the clipboard report. All state lives in
// the controls below; the procedures read and write them directly.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/activity_search.h"
#include "planner/report_formats.h"
#include "planner/totals.h"
#include "platform/controls.h"
#include "platform/window.h"

namespace movesta {

class DiaryStore;
struct DiaryEntry;
class Form1;
class WindowManager;

class Form7 : public Window {
public:
    static constexpr const char* kId = "Form7";            // the window manager's name of it
    static constexpr const char* kHelpSection = "planner"; // its part of the product page
    Form7(DesktopServices& desktop, const Form1& mainWindow, WindowManager& windows, DiaryStore& diary);
    std::string helpSection() const override { return kHelpSection; }

    // Activity choice: names shown, factor columns kept at the same index
    Label Label4{*this, "Label4"};    // "Physical activity:"
    ComboBox Combo1{*this, "Combo1"}; // the 478 activity names; its text is the name listed
    ComboBox Combo2{*this, "Combo2"}; // kJ factor texts, hidden
    ComboBox Combo3{*this, "Combo3"}; // kcal factor texts, hidden
    Label Label1{*this, "Label1"};    // chosen name, hidden; kept with its factors
    Label Label2{*this, "Label2"};    // kJ factor of the chosen activity, hidden
    Label Label3{*this, "Label3"};    // kcal factor of the chosen activity, hidden
    Label Label5{*this, "Label5"};    // heading of the hidden factor table
    Label Label6{*this, "Label6"};    // heading of the hidden factor table
    Decoration Line1{*this, "Line1"}; // rules of the hidden factor table
    Decoration Line2{*this, "Line2"};

    // Weight and duration
    Label Label7{*this, "Label7"};    // "Weight:"
    TextBox Text1{*this, "Text1"};    // body weight in kilograms, at most three characters
    Label Label11{*this, "Label11"};  // "kg"
    Label Label30{*this, "Label30"};  // "Duration of physical activity:"
    ComboBox Combo4{*this, "Combo4"}; // hours, "0" to "12"
    Label Label31{*this, "Label31"};  // "h"
    ComboBox Combo5{*this, "Combo5"}; // minutes, "0" to "55" in steps of 5
    Label Label32{*this, "Label32"};  // "min"

    // Table headings and the live preview row
    Label Label19{*this, "Label19"};  // name of the chosen activity or of the selected row
    Label Label8{*this, "Label8"};    // "Time:"
    Label Label9{*this, "Label9"};    // "h"
    Label Label10{*this, "Label10"};  // "min"
    Label Label13{*this, "Label13"};  // "Energy expenditure:"
    Label Label12{*this, "Label12"};  // "KJ"
    Label Label15{*this, "Label15"};  // "kcal"
    Decoration Line6{*this, "Line6"}; // rule above the unit headings
    Decoration Line3{*this, "Line3"}; // rule below the unit headings
    Label Label28{*this, "Label28"};  // preview: hours
    Label Label29{*this, "Label29"};  // preview: minutes
    Label Label14{*this, "Label14"};  // preview: kJ
    Label Label27{*this, "Label27"};  // preview: kcal

    // Selected-activity list: five columns, always of equal length
    Label Label17{*this, "Label17"}; // "Selected physical activities:"
    ListBox List1{*this, "List1"};   // activity names
    ListBox List2{*this, "List2"};   // hours
    ListBox List5{*this, "List5"};   // minutes
    ListBox List3{*this, "List3"};   // kJ
    ListBox List4{*this, "List4"};   // kcal

    // Totals row
    Label Label22{*this, "Label22"}; // "Total:"
    Label Label24{*this, "Label24"}; // total hours
    Label Label16{*this, "Label16"}; // total minutes, 0 to 59
    Label Label18{*this, "Label18"}; // total kJ
    Label Label21{*this, "Label21"}; // total kcal, green on black
    Label Label25{*this, "Label25"}; // share of the target energy, "57 %"; empty without a target

    // Target row, shown while a target energy is set
    Label Label20{*this, "Label20"};  // "Ciljana energetska potrošnja:"
    Label Label23{*this, "Label23"};  // target energy in kcal, whole; empty for none
    Label Label26{*this, "Label26"};  // "kcal"
    Decoration Line5{*this, "Line5"}; // rule above the target row

    // Picture buttons and links
    Picture Image5{*this, "Image5", "add.svg"};             // add the chosen activity
    Picture Image4{*this, "Image4", "exit.svg"};            // close the planner
    Picture Image3{*this, "Image3", "delete_selected.svg"}; // delete the selected row
    Picture Image2{*this, "Image2", "delete_all.svg"};      // delete all rows
    Picture Image6{*this, "Image6", "logo_small.svg"};      // product logo: the product page
    Label Label34{*this, "Label34"};                        // "Copy to Clipboard" link
    Picture Image7{*this, "Image7", "copy.svg"};            // copy the report
    Label Label33{*this, "Label33"};                        // word-processor report, kept hidden
    Picture Image1{*this, "Image1", "copy.svg"};            // word-processor report, kept hidden
    TextBox Text2{*this, "Text2"};                          // report buffer, off-screen

    // Window menu "Menu"
    MenuItem br_p{*this, "br_p", "Delete Selected", "Del"};
    MenuItem br_s{*this, "br_s", "Delete All", "Shift+Del"};
    MenuItem spr{*this, "spr", "Save Report...", "Ctrl+S"};
    MenuItem isp{*this, "isp", "Print...", "Ctrl+P"}; // prints the report
    MenuItem kopi{*this, "kopi", "Copy to Clipboard", "Ctrl+C"};
    MenuItem izl{*this, "izl", "Exit", "Ctrl+I"};
    MenuItem cilj{*this, "cilj", "Target Energy...", "Ctrl+T"}; // asks for the target energy
    MenuItem sdn{*this, "sdn", "Save to Diary...", "Ctrl+D"};   // the rows saved to a day
    MenuItem dnev{*this, "dnev", "Diary...", "Ctrl+J"};         // opens the diary
    MenuItem mak{*this, "mak", "My Activities...", "Ctrl+M"};   // the person's own activities

    // Inputs and preview
    void Form_Load() override;
    void Combo1_Click();
    void Combo4_Change();
    void Combo4_Click();
    void Combo5_Change();
    void Combo5_Click();
    void Text1_Change();
    int Text1_KeyPress(int keyAscii);
    int Combo4_KeyPress(int keyAscii);
    int Combo5_KeyPress(int keyAscii);
    void UpdatePreview();

    // Adding and totals
    void Image5_Click();
    void AddSelectedActivity();
    void Label16_Change();
    void Label21_Change();

    // Row selection and deletion, closing, the product page
    void List1_Click();
    void List2_Click();
    void List3_Click();
    void List4_Click();
    void List5_Click();
    void br_p_Click();
    void Image3_Click();
    void DeleteSelectedRow();
    void br_s_Click();
    void Image2_Click();
    void DeleteAllRows();
    void izl_Click();
    void Image4_Click();
    void Image6_Click();

    // The report
    void kopi_Click();
    void Label34_Click();
    void Image7_Click();
    void CopyReport();
    // The report's line about the target, "Target energy expenditure = 1500 kcal (57 %)";
    // nothing while no target is set.
    std::optional<ReportTotalLine> TargetEnergyLine() const;

    // The target energy: asked for by the menu, it lives as long as the window
    void cilj_Click();
    void AskTargetEnergy();
    // Sets the target from the text of the dialog's box: up to five digits, blanks around them
    // ignored; empty or 0 removes the target. Any other text (pasted) changes nothing.
    void SetTargetEnergy(const std::string& kcal);
    // Label25 := the kcal total as a share of the target; empty without a target or when the
    // total cannot be read.
    void ShowShareOfTarget();

    // Finding an activity by any word of its name, while Combo1's text is typed: the rows found
    // are offered, and choosing one is choosing that row from Combo1's own list.
    void FindActivity();
    const std::vector<int>& FoundActivities() const { return m_foundActivities; } // rows of Combo1
    void ChooseFoundActivity(int position);
    void CloseFoundActivities();
    std::function<void()> onFoundActivitiesChanged; // the view shows the rows found
    // While Combo1 is empty and holds the focus, the rows found are the activities most often
    // saved to the diary in the last 60 days, under this heading; otherwise it is empty.
    const std::string& FoundActivitiesHeading() const { return m_foundHeading; }

    // The report saved to a file of the type the person chooses.
    void spr_Click();
    void SaveReport();
    // The report printed, on the printer the person chooses.
    void isp_Click();
    void PrintReport();

    // The diary: the rows saved to a day the person chooses, and the diary's window.
    void sdn_Click();
    void SaveToDiary();
    void dnev_Click();
    // The list becomes these rows, in order, with the totals the planner's additions give.
    void ShowDiaryRows(const std::vector<DiaryEntry>& entries);

    // The person's own activities, after the catalogue's in Combo1 (and its factor columns): read
    // from the diary when the window is made and again after each change to them. The activity
    // chosen stays chosen; one that was renamed is chosen again under its new name.
    void mak_Click();
    void ShowOwnActivities();

private:
    // The report of the list and totals as they stand, in the one description that every form
    // of it is written from.
    PlannerReport ComposeReport() const;
    // The totals row as the labels show it.
    TotalsRow ShownTotals() const;
    // Runs one step of a procedure whose failing steps are skipped: a number that cannot be read
    // or computed ends that step only, silently.
    static void runStep(const std::function<void()>& step);
    // factor x weight x (hours + minutes / 60) for the chosen duration; throws NumberError when a
    // text cannot be read or the result is not finite.
    double energyFor(const std::string& factorText) const;
    // Puts the others on the row of `clicked`; returns that row, or -1 when it has none.
    static int SelectRow(const ListBox& clicked, std::initializer_list<ListBox*> others);

    const Form1& m_mainWindow;
    WindowManager& m_windows;
    DiaryStore& m_diary;
    // Beside the list, what each row was computed from: its energies before the table rounded
    // them and the weight, so that a day saved to the diary and opened again adds up as the
    // planner added it.
    struct RowEnergy {
        double kilojoules = 0;
        double kilocalories = 0;
        std::string weight;
    };
    std::vector<RowEnergy> m_rowEnergies;
    // Appends one row as AddSelectedActivity does, from texts already written.
    void appendRow(const std::string& activity, const std::string& hours, const std::string& minutes,
                   const std::string& kilojoules, const std::string& kilocalories, RowEnergy energy,
                   const TotalsRow& totals);
    std::optional<ActivitySearch> m_activitySearch; // built from Combo1's names at the first search
    std::vector<int> m_foundActivities;
    std::string m_foundHeading;
    std::vector<int> MostUsedRows() const;
    std::vector<std::int64_t> m_ownIds; // of Combo1's rows after the catalogue's
};

} // namespace movesta
