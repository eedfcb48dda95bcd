// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The limits of a weight that the calculators take, shared by the planner and the time-to-burn
// window so that both check the same weight the same way.

#include <cstddef>

namespace movesta {

// A weight box holds at most this many characters, so its largest value is 999.
inline constexpr std::size_t kWeightCharacters = 3;

// A weight above this, in kilograms, turns the weight box red.
inline constexpr double kHighestWeight = 800;

} // namespace movesta
