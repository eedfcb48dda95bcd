// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

#include "support/fake_desktop.h"

// Real widgets need one QApplication; the tests force the offscreen platform unless a
// display was chosen on purpose (the Xvfb checks).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    movesta::testing::FakeDesktop::setFailureHandler(
        [](const std::string& failure) { ADD_FAILURE() << failure; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
