#pragma once

// Snapshots of a window: every control written as one line of text (name, kind, text, items,
// selection, flags, colours, font, tooltip), compared with a committed file in tests/snapshots.
// On a difference the test fails with the changed lines; MOVESTA_UPDATE_SNAPSHOTS=1 rewrites the
// file instead, for a change that is meant.

#include <gtest/gtest.h>

#include <string>

namespace movesta {
class Window;
}

namespace movesta::testing {

std::string Snapshot(const Window& window);
// Use as EXPECT_TRUE(MatchesSnapshot(window, "form4_loaded")).
::testing::AssertionResult MatchesSnapshot(const Window& window, const std::string& name);

// Fake desktop failures (an unexpected message, an unused answer) fail the running test.
void ReportFakeFailuresToGTest();

} // namespace movesta::testing
