// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <iosfwd>

namespace movesta {

// Answers --help and --version, and refuses unknown options, before any window system is asked
// for: they work on a terminal without a display. Qt's own options (-platform, -style, ...) are
// left for QApplication. Returns the exit status when the program should end here, -1 to go on.
int AnswerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace movesta
