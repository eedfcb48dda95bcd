// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace movesta {

// What the program sets on the application before its first window: its names, Movesta's icon
// for every window, dialog and message box, and that only closing the main window ends it.
void SetUpApplication();

// The program's start-up: the application, the desktop services, the window manager and the
// main window, then the event loop. `afterFirstPaint`, when given, runs once the main window
// has been painted and the event loop is idle (the start-up benchmark quits there).
int RunMovesta(int& argc, char** argv, const std::function<void()>& afterFirstPaint = {});

} // namespace movesta
