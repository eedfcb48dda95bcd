// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the product page tells of the program, read from its window models: each answer comes
// from a session with the windows wired as in the program, without a screen, so the page shows
// what the program shows. A session that does not go as a user's would (an item not in its
// list, a message box, nothing shown) throws SessionError: the page is then not written.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace movesta {

struct SessionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A command of the planner's menu that works once the window is open, in the menu's declared order.
struct MenuCommand {
    std::string item;     // the menu item's name, "br_p"
    std::string caption;  // "Delete Selected"
    std::string shortcut; // "Del"
};
std::vector<MenuCommand> PlannerMenuCommands();

// The planner's preview, as it shows it, for the weight typed in the main window and the
// activity, hours and minutes chosen from its lists.
struct EnergyShown {
    std::string kj;
    std::string kcal;
};
EnergyShown PlannerPreview(std::string_view weight, std::string_view activity, std::string_view hours,
                           std::string_view minutes);

// The time-to-burn calculator's time ("34 min") for the weight, the energy typed in kcal and
// the activity clicked.
std::string TimeToBurn(std::string_view weight, std::string_view kcal, std::string_view activity);

// The whole kilograms the calculators receive for a weight typed in pounds.
std::string KilogramsForPounds(std::string_view pounds);

} // namespace movesta
