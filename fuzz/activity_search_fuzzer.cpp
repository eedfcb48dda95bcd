// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a text typed into the planner's activity box: folded for the search, and searched
// for among the catalogue's names and among itself.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "search_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    movesta::fuzz::RequireHolds(movesta::fuzz::CheckActivitySearchInput(text));
    return 0;
}
