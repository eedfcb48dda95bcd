// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/register_windows.h"

#include <memory>

#include "main_window/form1.h"
#include "planner/form7.h"
#include "platform/window_manager.h"
#include "time_to_burn/form4.h"

namespace movesta {

void RegisterWindows(WindowManager& windows, DesktopServices& desktop)
{
    const auto mainWindow = [&windows]() -> Form1& {
        return static_cast<Form1&>(*windows.find(kMainWindowId));
    };
    windows.registerForm(kMainWindowId,
                         [&windows, &desktop] { return std::make_unique<Form1>(desktop, windows); });
    windows.registerForm(kPlannerId,
                         [=, &desktop] { return std::make_unique<Form7>(desktop, mainWindow()); });
    windows.registerForm(kTimeToBurnId,
                         [=, &desktop] { return std::make_unique<Form4>(desktop, mainWindow()); });
}

} // namespace movesta
