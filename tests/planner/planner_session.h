// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A headless program for the planner tests: the main window, and the planner opened from it as
// the user does (weight typed into the main window, click on its planner picture).

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/headless_program.h"

namespace movesta::testing {

// Catalogue rows the scenarios use.
inline constexpr int kAccordion = 0;          // "Accordion, playing", 7,5 kJ, 1,8 kcal
inline constexpr int kAerobicLowImpact = 2;   // 21 kJ, 5 kcal
inline constexpr int kBadminton = 7;          // 19 kJ, 4,5 kcal
inline constexpr int kBakery = 9;             // 17 kJ, 4 kcal
inline constexpr int kBowling = 31;           // 13 kJ, 3,1 kcal
inline constexpr int kFarmingWithBlank = 121; // name ends in a blank; 33 kJ, 5,5 kcal
inline constexpr int kJogging = 198;          // "Jogging, general", 29 kJ, 6,9 kcal
inline constexpr int kLyingQuietly = 212;     // 4 kJ, 0,9 kcal

using Row = std::array<std::string, 5>;    // name, hours, minutes, kJ, kcal as the lists show them
using Totals = std::array<std::string, 4>; // Label24 hours, Label16 minutes, Label18 kJ, Label21 kcal

inline std::vector<Row> rowsOf(const Form7& p)
{
    std::vector<Row> rows;
    for (int i = 0; i < p.List1.listCount(); ++i)
        rows.push_back({p.List1.item(i), p.List2.item(i), p.List5.item(i), p.List3.item(i), p.List4.item(i)});
    return rows;
}

inline Totals totalsOf(const Form7& p)
{
    return {p.Label24.caption(), p.Label16.caption(), p.Label18.caption(), p.Label21.caption()};
}

inline std::array<int, 5> selectionOf(const Form7& p)
{
    return {p.List1.listIndex(), p.List2.listIndex(), p.List5.listIndex(), p.List3.listIndex(),
            p.List4.listIndex()};
}

class PlannerSession : public ::testing::Test, public HeadlessProgram {
protected:
    // Types the weight into the main window and opens the planner from it.
    Form7& open(const std::string& weight = "70") { return openPlanner(weight); }

    // Closes the planner as its Exit command does, and lets the event loop drop it.
    void close(Form7& p)
    {
        p.izl.click();
        windows.destroyUnloaded();
    }

    // Chooses a catalogue row, gives the duration as typed texts and clicks the add picture.
    static void add(Form7& p, int activity, const std::string& hours, const std::string& minutes)
    {
        p.Combo1.choose(activity);
        p.Combo4.setText(hours);
        p.Combo5.setText(minutes);
        p.Image5.click();
    }
};

} // namespace movesta::testing
