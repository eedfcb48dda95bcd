// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/window.h"
#include "platform/window_manager.h"
#include "support/fake_desktop.h"

namespace movesta {
namespace {

// A window whose Form_Unload is logged and, for the start-up window, ends the program.
class Closing : public Window {
public:
    Closing(DesktopServices& desktop, WindowManager& windows, std::vector<std::string>& log, bool startUp)
        : Window(desktop, "Closing")
        , m_windows(windows)
        , m_log(log)
        , m_startUp(startUp)
    {}
    void Form_Unload() override
    {
        m_log.push_back("unload " + std::string(m_startUp ? "main" : "other"));
        if (m_startUp)
            m_windows.quit();
    }

private:
    WindowManager& m_windows;
    std::vector<std::string>& m_log;
    bool m_startUp;
};

TEST(WindowManager, ClosingAFrameRunsFormUnloadThenUnloadsUnlessTheProgramEnds)
{
    testing::FakeDesktop desktop;
    std::vector<std::string> log;
    WindowManager windows;
    windows.registerForm("main", [&] { return std::make_unique<Closing>(desktop, windows, log, true); });
    windows.registerForm("other", [&] { return std::make_unique<Closing>(desktop, windows, log, false); });
    Window* main = windows.show("main");
    Window* other = windows.show("other");

    windows.close(*other);
    EXPECT_EQ(log, std::vector<std::string>{"unload other"});
    EXPECT_FALSE(windows.isLoaded("other"));
    EXPECT_FALSE(other->isShown()); // dropped, destroyed once its handlers have returned
    EXPECT_FALSE(windows.quitRequested());

    windows.show("other");
    windows.close(*main);
    EXPECT_EQ(log, (std::vector<std::string>{"unload other", "unload main"}));
    EXPECT_TRUE(windows.quitRequested());
    // The program ends with every window as it stood; nothing more runs for the others.
    EXPECT_TRUE(windows.isLoaded("main"));
    EXPECT_TRUE(windows.isLoaded("other"));
}

} // namespace
} // namespace movesta
