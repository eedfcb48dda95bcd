// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/register_windows.h"

#include "main_window/form1.h"
#include "main_window/form1_view.h"
#include "planner/form7.h"
#include "planner/form7_view.h"
#include "platform/qt/qt_window_manager.h"
#include "time_to_burn/form4.h"
#include "time_to_burn/form4_view.h"

namespace movesta {

void RegisterViews(QtWindowManager& windows)
{
    windows.registerView(kMainWindowId, [](Window& model, QtWindowManager& manager) -> FormView* {
        return new Form1View(static_cast<Form1&>(model), manager);
    });
    windows.registerView(kPlannerId, [](Window& model, QtWindowManager& manager) -> FormView* {
        return new Form7View(static_cast<Form7&>(model), manager);
    });
    windows.registerView(kTimeToBurnId, [](Window& model, QtWindowManager& manager) -> FormView* {
        return new Form4View(static_cast<Form4&>(model), manager);
    });
}

} // namespace movesta
