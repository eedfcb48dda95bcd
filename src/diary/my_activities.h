// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The person's own activities: kept in the diary's file, listed after the catalogue's 478 rows
// (which keep their places and factors), and added, renamed and deleted in the window
// "My Activities".

#include <cstdint>
#include <string>
#include <vector>

#include "diary/diary_store.h"
#include "platform/controls.h"
#include "platform/window.h"

namespace movesta {

class WindowManager;

// How the lists mark an activity of one's own after its name.
inline constexpr const char* kOwnActivityMark = " (my activity)";

// The activities as the lists offer them, in three columns at the same index: the catalogue's,
// then the person's own. A diary that cannot be read leaves the catalogue alone.
struct ListedActivities {
    std::vector<std::string> names;
    std::vector<std::string> kilojoules;
    std::vector<std::string> kilocalories;
    std::vector<std::int64_t> ownIds; // of the rows after the catalogue's, in order
    ItemMark mark;                    // marks those rows
    explicit ListedActivities(DiaryStore& store);
    // Where the row `chosen` of the list as it was (its own activities `before`, the row's name
    // `chosenName`) stands now: a catalogue row where it was, an own one by its id (-1 when it is
    // gone), and whether it was renamed.
    struct Kept {
        int row;
        bool renamed;
    };
    Kept keep(int chosen, const std::string& chosenName, const std::vector<std::int64_t>& before) const;
};

// The message that says which rule a name breaks, or empty when it keeps them all: 1 to 120
// characters without control characters, blanks around it not counted, and no catalogue name or
// other own activity's (`others`) the same, case and accents ignored.
std::string CheckOwnActivityName(const std::string& name, const std::vector<OwnActivity>& others);

// An energy factor typed in kcal (or kJ) per kilogram and hour, with the other unit derived
// (1 kcal = 4,184 kJ, one decimal); `refusal` says which rule the text breaks, when one.
struct OwnActivityFactors {
    std::string kilojoules;
    std::string kilocalories;
    std::string refusal;
};
OwnActivityFactors ReadOwnActivityFactor(const std::string& typed, bool inKilocalories);

class MyActivities : public Window {
public:
    static constexpr const char* kId = "MyActivities";           // the window manager's name of it
    static constexpr const char* kHelpSection = "my-activities"; // its part of the product page
    MyActivities(DesktopServices& desktop, WindowManager& windows, DiaryStore& store);
    std::string helpSection() const override { return kHelpSection; }

    Label ListCaption{*this, "ListCaption"};                 // "My activities:"
    Label KilojoulesCaption{*this, "KilojoulesCaption"};     // "kJ", over the factors
    Label KilocaloriesCaption{*this, "KilocaloriesCaption"}; // "kcal"
    ListBox Names{*this, "Names"};                           // the own activities, in the order added
    ListBox Kilojoules{*this, "Kilojoules"};                 // their factors per kilogram and hour
    ListBox Kilocalories{*this, "Kilocalories"};
    Label NameCaption{*this, "NameCaption"}; // "Name:"
    TextBox Name{*this, "Name"};             // the name to add, or the new name of the chosen one
    Label FactorCaption{*this, "FactorCaption"};
    TextBox Factor{*this, "Factor"}; // the energy factor, in the unit chosen
    OptionButton InKilocalories{*this, "InKilocalories", "kcal"};
    OptionButton InKilojoules{*this, "InKilojoules", "kJ"};
    CommandButton Add{*this, "Add", "Add"};
    CommandButton Rename{*this, "Rename", "Rename"};
    CommandButton Delete{*this, "Delete", "Delete"};

    void Form_Load() override;
    void Names_Click(); // a row chosen, in all three columns; its name into Name
    void Add_Click();
    void Rename_Click();
    void Delete_Click();

private:
    void ShowActivities();
    // Runs a change of the diary; a failure is shown and changes nothing here. After a change,
    // the open planner and time-to-burn window list the activities anew.
    bool change(const std::function<void()>& step);
    void refuse(const std::string& message);

    WindowManager& m_windows;
    DiaryStore& m_store;
    std::vector<OwnActivity> m_activities; // as the lists show them
};

} // namespace movesta
