// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a text read by ReadDecimalNumber, and their first eight bytes as a double written
// by NumberToText.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    movesta::fuzz::RequireHolds(movesta::fuzz::CheckReadDecimalNumberInput(text));
    return 0;
}
