// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What each fuzz target checks of one input, by the name of the target and of its corpus folder:
// the corpus replay test runs the same checks on the committed inputs.

#include <string>
#include <string_view>

#include "checks.h"
#include "report_checks.h"
#include "search_checks.h"

namespace movesta::fuzz {

struct FuzzTarget {
    std::string_view name;
    std::string (*check)(std::string_view data);
};

inline constexpr FuzzTarget kFuzzTargets[] = {
    {"read_leading_number_fuzzer", CheckReadLeadingNumber},
    {"read_decimal_number_fuzzer", CheckReadDecimalNumberInput},
    {"format_with_mask_fuzzer", CheckFormatWithMaskInput},
    {"key_filter_fuzzer", CheckDigitKeyFilterOnBytes},
    {"activity_search_fuzzer", CheckActivitySearchInput},
    {"report_formats_fuzzer", CheckReportForms},
};

} // namespace movesta::fuzz
