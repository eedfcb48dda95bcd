// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Snapshots of a window: every control written as one line of text (name, kind, text, items,
// selection, flags, colours, font, tooltip), compared with a committed file in tests/snapshots:
//     EXPECT_EQ(Snapshot(form), CommittedSnapshot("form4_loaded", form));
// GoogleTest shows the lines that differ; MOVESTA_UPDATE_SNAPSHOTS=1 rewrites the file instead,
// for a change that is meant.

#include <string>

namespace movesta {
class Window;
}

namespace movesta::testing {

std::string Snapshot(const Window& window);
std::string CommittedSnapshot(const std::string& name, const Window& window);
// Any expected output kept the same way, by its file name in tests/snapshots:
//     EXPECT_EQ(report, CommittedFile("report.csv", report));
std::string CommittedFile(const std::string& name, const std::string& actual);

} // namespace movesta::testing
