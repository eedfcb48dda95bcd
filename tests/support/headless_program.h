// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program without the screen: the three windows wired as the real program wires them, the
// desktop faked, the main window loaded and shown. Tests and the soak drive it as a
// user's session.

#include <string>
#include <string_view>

#include "main_window/form1.h"
#include "planner/form7.h"
#include "platform/window_manager.h"
#include "support/fake_desktop.h"
#include "support/temporary_diary.h"
#include "time_to_burn/form4.h"

namespace movesta::testing {

struct HeadlessProgram {
    // A diary of its own, or the diary file of another program (reopened).
    HeadlessProgram();
    explicit HeadlessProgram(const std::string& diaryFile);

    FakeDesktop desktop;
    TemporaryDiary diary;
    WindowManager windows;
    Form1& main;

    // The calculators while they are loaded, else nullptr.
    Form7* planner() const { return windows.find<Form7>(); }
    Form4* timeToBurn() const { return windows.find<Form4>(); }

    // Types the weight into the main window and clicks its picture of the calculator.
    Form7& openPlanner(std::string_view weight);
    Form4& openTimeToBurn(std::string_view weight);
};

// Types each character as a key, as the Qt view delivers them: the box's KeyPress sees its code
// first and 0 drops it; Backspace (8) removes the last character, other control keys type
// nothing, and any other code that passes is inserted as that character.
void Type(TextBox& box, std::string_view keys);

} // namespace movesta::testing
