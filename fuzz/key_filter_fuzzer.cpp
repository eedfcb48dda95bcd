// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The key filter on every character code the bytes give, and the weight boxes of the calculators
// with the bytes typed into them key by key, then pasted whole.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    movesta::fuzz::RequireHolds(movesta::fuzz::CheckKeyFilterInput(bytes));
    return 0;
}
