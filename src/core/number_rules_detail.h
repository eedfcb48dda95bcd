// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the reading and the writing halves of the number rules share.

#include <optional>
#include <string_view>

namespace movesta::detail {

// ReadDecimalNumber without the exception: nothing for a text that is not a number.
std::optional<double> tryReadDecimalNumber(std::string_view text);

// A value beyond the double range reads as the largest double rather than infinity, so that the
// 15-digit text of DBL_MAX (1.79769313486232e308, just above it) still reads back; a value below
// the smallest subnormal reads 0.
double saturated(bool tooLarge);

} // namespace movesta::detail
