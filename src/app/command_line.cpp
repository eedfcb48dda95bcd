// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <array>
#include <ostream>
#include <string_view>

namespace movesta {

namespace {

constexpr std::string_view kUsage =
    "Usage: movesta [options]\n"
    "Movesta: the energy a person spends in physical activity, and the time it takes to spend it.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and the licence and exit.\n"
    "\n"
    "The options of the Qt toolkit (-platform, -style, -display, ...) are accepted as well.\n"
    "\n"
    "Help: F1 in any window opens the product page at that window's part, on this computer:\n"
    "  " MOVESTA_HELP_PAGE "\n";

// Qt's options that take the next argument as their value, and those that stand alone. Each may be
// written with one dash or two, and a value may also follow an '='.
constexpr std::array kQtOptionsWithValue{"platform",
                                         "platformpluginpath",
                                         "platformtheme",
                                         "plugin",
                                         "qwindowgeometry",
                                         "qwindowicon",
                                         "qwindowtitle",
                                         "session",
                                         "style",
                                         "stylesheet",
                                         "display",
                                         "geometry",
                                         "name",
                                         "title",
                                         "visual",
                                         "ncols",
                                         "cmap",
                                         "qmljsdebugger"};
constexpr std::array kQtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <class List>
bool contains(const List& list, std::string_view name)
{
    for (std::string_view item : list)
        if (item == name)
            return true;
    return false;
}

} // namespace

int AnswerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            out << kUsage;
            return 0;
        }
        if (arg == "-v" || arg == "--version") {
            out << "Movesta " MOVESTA_VERSION "\n"
                   "Copyright (C) 2026 The Movesta developers\n"
                   "License GPL-3.0-or-later: GNU GPL version 3 or later "
                   "<https://www.gnu.org/licenses/gpl.html>.\n"
                   "This is free software: you are free to change and redistribute it.\n"
                   "There is NO WARRANTY, to the extent permitted by law.\n";
            return 0;
        }
        std::string_view name = arg;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        else
            name = {};
        const auto equals = name.find('=');
        const bool valueAttached = equals != std::string_view::npos;
        if (valueAttached)
            name = name.substr(0, equals);
        if (!name.empty() && contains(kQtOptionsWithValue, name)) {
            if (!valueAttached)
                ++i; // its value
            continue;
        }
        if (!name.empty() && !valueAttached && contains(kQtFlags, name))
            continue;
        err << "movesta: unknown option '" << arg << "'\n" << kUsage;
        return 2;
    }
    return -1;
}

} // namespace movesta
