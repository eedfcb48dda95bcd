// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as the texts of a planner report (heading, columns, rows, totals, total lines),
// written as text, HTML and CSV.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "report_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    movesta::fuzz::RequireHolds(movesta::fuzz::CheckReportForms(bytes));
    return 0;
}
