// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/fake_desktop.h"

// The main of the model test programs: what the desktop fake finds wrong fails the running test.
int main(int argc, char** argv)
{
    movesta::testing::FakeDesktop::setFailureHandler(
        [](const std::string& failure) { ADD_FAILURE() << failure; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
