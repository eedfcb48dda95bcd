// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How numbers are typed, read and written in every window. All numbers live in control texts;
// these rules are the only way between a text and a double.

#include <stdexcept>
#include <string>
#include <string_view>

namespace movesta {

// Base of every failure a calculation step can raise; what() is a readable sentence that the
// planner shows as it is when a deletion fails.
class NumberError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number in the number notation.
class ConversionError : public NumberError {
public:
    explicit ConversionError(std::string_view text);
};

// A result that no longer fits a double (or a division by zero).
class OverflowError : public NumberError {
public:
    OverflowError();
};

// Key filter of the numeric boxes: control codes (26 or less) and the ten digits pass, every
// other character code becomes 0 (the key is discarded).
int DigitKeyFilter(int keyCode);

// The number a text begins with; never fails. Blanks, tabs and line feeds anywhere are ignored,
// the point is the decimal sign, and a text without a leading digit reads 0.
double ReadLeadingNumber(std::string_view text);

// A whole text read as one number in the number notation ("-12,5"); throws ConversionError.
double ReadDecimalNumber(std::string_view text);

// A number written in the number notation: its exact value rounded once to 15 significant digits
// (half away from zero), without trailing zeros.
std::string NumberToText(double value);

// A number written with the decimals of the mask "0", "0.0" or "0.00", rounded half away
// from zero. A text is read with ReadDecimalNumber first; one that cannot be read comes back
// unchanged.
std::string FormatWithMask(double value, std::string_view mask);
std::string FormatWithMask(std::string_view text, std::string_view mask);

// The value rounded half away from zero to `decimals` places (0 to 30), done on the decimal
// digits of its 15-significant-digit form.
double RoundDecimal(double value, int decimals);

// Number of digits after the decimal sign of a text in the number notation (0 without one).
int DecimalPlaces(std::string_view text);

// Throws OverflowError unless the value is finite; used on every computed result.
double CheckedResult(double value);

} // namespace movesta
