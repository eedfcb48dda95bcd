// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/register_windows.h"

#include "diary/diary.h"
#include "diary/diary_view.h"
#include "diary/my_activities.h"
#include "diary/my_activities_view.h"
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
    windows.registerView<Form1, Form1View>();
    windows.registerView<Form7, Form7View>();
    windows.registerView<Form4, Form4View>();
    windows.registerView<Diary, DiaryView>();
    windows.registerView<MyActivities, MyActivitiesView>();
}

} // namespace movesta
