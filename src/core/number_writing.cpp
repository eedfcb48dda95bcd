// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing numbers: the one rounding of a double to 15 significant digits, and the plain
// positional texts of NumberToText and FormatWithMask.

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "core/number_rules.h"
#include "core/number_rules_detail.h"

namespace movesta {

namespace {

// Every number is written and compared at 15 significant digits, like the results shown to the user.
constexpr int kSignificantDigits = 15;

// Digits of the shortest round-trip form of a double, at most.
constexpr int kShortestDigits = 17;

// Significant digits of the longest exact decimal expansion of a double (the subnormals near
// DBL_MIN): m * 2^-1074 has those of m * 5^1074.
constexpr int kExactDigits = 767;

// RoundDecimal accepts this many decimals at most; beyond it every double is already whole or 0.
constexpr int kMaxRoundDecimals = 30;

// A finite double as decimal digits: |value| = 0.d[0]d[1]...d[count-1] * 10^point, without leading
// or trailing zero digits. Zero has no digits and is never negative.
struct DecimalDigits {
    std::array<char, 17> digits{}; // the shortest round-trip form has at most 17 digits
    int count = 0;
    int point = 0;
    bool negative = false;

    char digitAt(int index) const { return index >= 0 && index < count ? digits[index] : '0'; }
};

// Keeps the first `keep` digits (keep may be 0 or negative: nothing left) and rounds half away
// from zero on the first digit dropped.
void roundDigits(DecimalDigits& d, int keep)
{
    if (keep < d.count) {
        const bool up = keep >= 0 && d.digits[keep] >= '5';
        d.count = std::max(keep, 0);
        if (up) {
            int i = d.count - 1;
            while (i >= 0 && d.digits[i] == '9') {
                --i;
            }
            if (i < 0) {
                // 0.999 -> 1.000, or nothing kept and rounded up: one digit a place higher
                d.digits[0] = '1';
                d.count = 1;
                ++d.point;
            } else {
                ++d.digits[i];
                d.count = i + 1; // the nines after it became zeros
            }
        }
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0') {
        --d.count;
    }
    if (d.count == 0) {
        d = DecimalDigits{};
    }
}

// The first `keep` digits (at most 17) of a std::to_chars scientific text "-d.ddde-xx", and its
// exponent; the digits after them are left out, not rounded.
void scientificDigits(const char* first, const char* last, int keep, DecimalDigits& d)
{
    d = DecimalDigits{};
    const char* e = last - 1;
    while (*e != 'e') {
        --e;
    }
    const char* p = first;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != e && d.count < keep; ++p) {
        if (*p != '.') {
            d.digits[d.count++] = *p;
        }
    }
    // The exponent always has its sign and at least two digits: "e+05", "e-324".
    p = e + 1;
    const bool negativeExponent = *p++ == '-';
    int exponent = 0;
    for (; p != last; ++p) {
        exponent = exponent * 10 + (*p - '0');
    }
    d.point = (negativeExponent ? -exponent : exponent) + 1;
}

// The one rounding of a double to decimal: its exact binary value rounded once to 15 significant
// digits, half away from zero, so the exact value's 16th digit decides (5 or more, a tie included,
// rounds up in magnitude). Rounding std::to_chars's shortest round-trip digits S gives the same far
// faster, with one exception. S is the closest to the value of the shortest forms, so no 15-digit
// midpoint (16 digits ending in 5) lies between S and the value unless S is one; and for a normal
// double, S of 15 digits or fewer is nearer the value than any midpoint. So S of 16 digits ending
// in 5 (5064.615384615385 for 65840 / 13, which is 5064.61538461538475...) and the subnormals, whose
// S has too few digits, take the exact digits: std::to_chars with 767 significant digits, the
// longest exact expansion of a double, rounds nothing (it costs about three shortest conversions).
// Filled in place rather than returned: a copy of the digits just written byte by byte is slow.
void significantDigits(double value, DecimalDigits& d)
{
    std::array<char, 32> text;
    const auto shortest =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific);
    scientificDigits(text.data(), shortest.ptr, kShortestDigits, d);
    const bool midpoint = d.count == kSignificantDigits + 1 && d.digits[kSignificantDigits] == '5';
    if (midpoint || std::fabs(value) < DBL_MIN) {
        std::array<char, kExactDigits + 8> exact; // sign, point, "e-324"
        const auto written = std::to_chars(exact.data(), exact.data() + exact.size(), value,
                                           std::chars_format::scientific, kExactDigits - 1);
        scientificDigits(exact.data(), written.ptr, kSignificantDigits + 1, d);
    }
    roundDigits(d, kSignificantDigits);
}

// All number output: the 15-significant-digit step, then, when decimals >= 0, half away from zero
// at that many decimals on those digits. Rounding the 15-digit decimal, not the binary value, is
// what gives 22.499999999999996 -> 22.5000000000000 -> 23 and 1.005 -> 1.01.
DecimalDigits decimalDigits(double value, int decimals)
{
    if (!std::isfinite(value)) {
        throw OverflowError();
    }
    DecimalDigits d;
    if (value == 0.0) {
        return d;
    }
    significantDigits(value, d);
    if (decimals >= 0) {
        roundDigits(d, d.point + decimals);
    }
    return d;
}

// Plain positional form, never an exponent: at least one digit before the comma, then either
// exactly `decimals` decimals or (decimals < 0) as many as the digits need.
std::string writePlain(const DecimalDigits& d, int decimals)
{
    const int integerDigits = std::max(d.point, 1);
    const int fractionDigits = decimals >= 0 ? decimals : std::max(d.count - d.point, 0);
    // Sized once and filled in place: measurably faster than appending a character at a time.
    std::string text(static_cast<std::size_t>((d.negative ? 1 : 0) + integerDigits +
                                              (fractionDigits > 0 ? fractionDigits + 1 : 0)),
                     '0');
    char* p = text.data();
    if (d.negative) {
        *p++ = '-';
    }
    // Digit i stands for the place 10^(point - 1 - i).
    for (int i = d.point - integerDigits; i < d.point; ++i) {
        *p++ = d.digitAt(i);
    }
    if (fractionDigits > 0) {
        *p++ = ',';
        for (int i = d.point; i < d.point + fractionDigits; ++i) {
            *p++ = d.digitAt(i);
        }
    }
    return text;
}

// The masks of the program; the point in a mask stands for the decimal comma of the output.
int maskDecimals(std::string_view mask)
{
    if (mask == "0") {
        return 0;
    }
    if (mask == "0.0") {
        return 1;
    }
    if (mask == "0.00") {
        return 2;
    }
    throw std::invalid_argument("FormatWithMask: unknown mask \"" + std::string(mask) + "\"");
}

} // namespace

std::string NumberToText(double value)
{
    // Plain form at every magnitude (1e21 is 22 digits, 1e-20 has 19 zeros after the comma): the
    // text must read back with ReadDecimalNumber, which knows no exponent. Zero, -0 included, is "0".
    return writePlain(decimalDigits(value, -1), -1);
}

std::string FormatWithMask(double value, std::string_view mask)
{
    // A negative value that rounds to zero is written without minus: -0.04 with "0.0" is "0,0".
    const int decimals = maskDecimals(mask);
    return writePlain(decimalDigits(value, decimals), decimals);
}

std::string FormatWithMask(std::string_view text, std::string_view mask)
{
    const int decimals = maskDecimals(mask);
    const std::optional<double> value = detail::tryReadDecimalNumber(text);
    if (!value) {
        return std::string(text); // an unreadable text, "" included, is shown as it is
    }
    return writePlain(decimalDigits(*value, decimals), decimals);
}

double RoundDecimal(double value, int decimals)
{
    // Subtracting decimal texts in binary leaves noise (1000,5 - 1000,4 = 0.10000000000002274);
    // rounding on the decimal digits gives back exactly the double nearest to 0,1.
    if (decimals < 0 || decimals > kMaxRoundDecimals) {
        throw std::invalid_argument("RoundDecimal: decimals out of range");
    }
    const DecimalDigits d = decimalDigits(value, decimals);
    if (d.count == 0) {
        return 0.0;
    }
    // Read back as "<digits>e<exponent>", a text of at most 15 digits and a short exponent.
    std::array<char, 32> text;
    char* p = std::copy(d.digits.begin(), d.digits.begin() + d.count, text.data());
    *p++ = 'e';
    p = std::to_chars(p, text.data() + text.size(), d.point - d.count).ptr;
    double result = 0.0;
    const auto read = std::from_chars(text.data(), p, result, std::chars_format::scientific);
    if (read.ec == std::errc::result_out_of_range) {
        result = detail::saturated(d.point > 0); // DBL_MAX at 15 digits is just above DBL_MAX
    }
    return d.negative ? -result : result;
}

} // namespace movesta
