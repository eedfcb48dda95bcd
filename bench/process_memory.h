// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// This process's memory as the kernel counts it, for the memory figures of the benchmarks.

#include <fstream>
#include <string>
#include <string_view>

namespace movesta::bench {

// A field of /proc/self/status in KiB ("VmRSS" now, "VmHWM" at its peak); -1 if absent.
inline long ProcessStatusKiB(std::string_view field)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ':';
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    return -1;
}

} // namespace movesta::bench
