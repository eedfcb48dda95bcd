// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Movesta's own start-up, ended once the main window has been painted and the event loop is idle.
// hyperfine times this whole process against startup_floor.

#include <QCoreApplication>

#include "app/application.h"

int main(int argc, char* argv[])
{
    return movesta::RunMovesta(argc, argv, [] { QCoreApplication::quit(); });
}
