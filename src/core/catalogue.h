// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The built-in activity catalogue: 478 rows in their fixed order, each text exactly as stored.

#include <array>
#include <cstddef>
#include <string_view>

namespace movesta {

struct CatalogueRow {
    std::string_view name; // display name, trailing blanks included
    std::string_view kj;   // kJ per hour and kilogram, decimal comma
    std::string_view kcal; // kcal per hour and kilogram, decimal comma
};

inline constexpr std::size_t kCatalogueRows = 478;

extern const std::array<CatalogueRow, kCatalogueRows> kCatalogue;

} // namespace movesta
