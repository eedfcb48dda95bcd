// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace movesta {

class DesktopServices;
class DiaryStore;
class QtWindowManager;
class WindowManager;

// Registers the windows of the program. The calculators take their values over from the main
// window's `Form1` when they load, so they are created with a reference to it; the planner and
// the diary keep days in `diary`. The program, the tests, the fuzz targets and the benchmarks
// all wire the windows through this one function (movesta_models).
void RegisterWindows(WindowManager& windows, DesktopServices& desktop, DiaryStore& diary);

// Gives each of those windows its Qt view (movesta_ui).
void RegisterViews(QtWindowManager& windows);

} // namespace movesta
