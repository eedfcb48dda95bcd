// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/register_windows.h"

#include <memory>
#include <string_view>

#include "diary/diary.h"
#include "diary/my_activities.h"
#include "main_window/form1.h"
#include "planner/form7.h"
#include "platform/window_manager.h"
#include "time_to_burn/form4.h"

namespace movesta {

// The main window opens the calculators by these names.
static_assert(std::string_view(Form7::kId) == kPlannerId && std::string_view(Form4::kId) == kTimeToBurnId);

void RegisterWindows(WindowManager& windows, DesktopServices& desktop, DiaryStore& diary)
{
    const auto mainWindow = [&windows]() -> Form1& { return *windows.find<Form1>(); };
    windows.registerForm<Form1>([&windows, &desktop] { return std::make_unique<Form1>(desktop, windows); });
    windows.registerForm<Form7>([=, &windows, &desktop, &diary] {
        return std::make_unique<Form7>(desktop, mainWindow(), windows, diary);
    });
    windows.registerForm<Diary>(
        [&windows, &desktop, &diary] { return std::make_unique<Diary>(desktop, windows, diary); });
    windows.registerForm<Form4>(
        [=, &desktop, &diary] { return std::make_unique<Form4>(desktop, mainWindow(), diary); });
    windows.registerForm<MyActivities>(
        [&windows, &desktop, &diary] { return std::make_unique<MyActivities>(desktop, windows, diary); });
}

} // namespace movesta
