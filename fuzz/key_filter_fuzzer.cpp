// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The key filter on every character code the bytes give. The weight boxes of the calculators,
// with these inputs typed and pasted into them, are replayed by tests/session.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    movesta::fuzz::RequireHolds(movesta::fuzz::CheckDigitKeyFilterOnBytes(bytes));
    return 0;
}
