// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <iostream>

#include "app/application.h"
#include "app/command_line.h"

int main(int argc, char* argv[])
{
    if (const int status = movesta::AnswerCommandLine(argc, argv, std::cout, std::cerr); status >= 0)
        return status;
    return movesta::RunMovesta(argc, argv);
}
