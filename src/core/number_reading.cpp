// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading numbers: the key filter, ReadLeadingNumber and ReadDecimalNumber, and the failures of
// a calculation step.

#include "core/number_rules.h"
#include "core/number_rules_detail.h"
#include "core/text.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <optional>
#include <system_error>

namespace movesta {

namespace {

// Longest text quoted in a conversion message; pasted texts can be megabytes long.
constexpr std::size_t kQuotedChars = 40;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// ReadDecimalNumber trims spaces and tabs only.
bool isTrimBlank(char c)
{
    return c == ' ' || c == '\t';
}

// ReadLeadingNumber also skips line feeds, wherever they stand.
bool isSkippedBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isControl(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

std::string conversionMessage(std::string_view text)
{
    if (text.empty()) {
        return "Type mismatch: an empty text is not a number.";
    }
    // Cut after kQuotedChars characters, never inside a UTF-8 sequence (a byte that is not UTF-8
    // counts as one character).
    std::size_t cut = 0;
    for (std::size_t chars = 0; cut < text.size() && chars < kQuotedChars; ++chars) {
        cut += DecodeUtf8(text, cut).length;
    }
    std::string message = "Type mismatch: \"";
    for (const char c : text.substr(0, cut)) {
        // A NUL or line break would cut or garble the message shown in a dialog.
        message += isControl(c) ? '?' : c;
    }
    if (cut < text.size()) {
        message += "...";
    }
    message += "\" is not a number.";
    return message;
}

} // namespace

double detail::saturated(bool tooLarge)
{
    return tooLarge ? DBL_MAX : 0.0;
}

namespace {

// Converts digits with at most one '.' (and at least one digit) to a double. from_chars rounds
// correctly and looks at no more digits than it needs, so megabyte texts stay linear.
double digitsToDouble(std::string_view digits, bool negative)
{
    double value = 0.0;
    const auto result =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Both overflow and underflow end up here; a non-zero digit before the decimal sign
        // means the value is at least 1, hence too large.
        const std::size_t firstNonZero = digits.find_first_not_of("0.");
        const std::size_t point = digits.find('.');
        value = detail::saturated(firstNonZero < point);
    }
    if (value == 0.0) {
        return 0.0; // "-0" reads +0: a minus zero must never be written back as "-0"
    }
    return negative ? -value : value;
}

// A text in the number notation, split up: sign apart, blanks trimmed.
struct DecimalText {
    bool negative = false;
    std::string_view body;                        // digits and at most one decimal sign
    std::size_t signPos = std::string_view::npos; // position of the decimal sign in body
};

// The number notation as read: blanks around it, an optional '-', digits and one optional decimal
// sign with at least one digit in all. The comma is the decimal sign; a point is accepted as well,
// because a pasted "70.5" plainly means 70,5. "70," and ",5" are numbers: "70," is what remains when
// the weight text "70,5" is cut to three characters.
std::optional<DecimalText> scanDecimalText(std::string_view text)
{
    while (!text.empty() && isTrimBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isTrimBlank(text.back())) {
        text.remove_suffix(1);
    }
    DecimalText scanned;
    if (!text.empty() && text.front() == '-') {
        scanned.negative = true;
        text.remove_prefix(1);
    }
    bool anyDigit = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            anyDigit = true;
        } else if ((c == ',' || c == '.') && scanned.signPos == std::string_view::npos) {
            scanned.signPos = i;
        } else {
            return std::nullopt; // inner blanks, a second sign, '+', exponents, letters, any other byte
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    scanned.body = text;
    return scanned;
}

} // namespace

std::optional<double> detail::tryReadDecimalNumber(std::string_view text)
{
    const std::optional<DecimalText> scanned = scanDecimalText(text);
    if (!scanned) {
        return std::nullopt;
    }
    const std::string_view body = scanned->body;
    if (scanned->signPos == std::string_view::npos || body[scanned->signPos] == '.') {
        return digitsToDouble(body, scanned->negative);
    }
    // from_chars wants a point: copy with the comma replaced, on the stack for ordinary lengths.
    std::array<char, 64> small;
    std::string large;
    char* copy = small.data();
    if (body.size() > small.size()) {
        large.assign(body);
        copy = large.data();
    } else {
        std::copy(body.begin(), body.end(), copy);
    }
    copy[scanned->signPos] = '.';
    return digitsToDouble(std::string_view(copy, body.size()), scanned->negative);
}

namespace {} // namespace

ConversionError::ConversionError(std::string_view text)
    : NumberError(conversionMessage(text))
{}

OverflowError::OverflowError()
    : NumberError("Overflow: the result is too large to be calculated.")
{}

int DigitKeyFilter(int keyCode)
{
    // Codes up to 26 are Backspace, Tab, Enter and the Ctrl+letter keys (Ctrl+V pastes); negative
    // codes never come from a character key and pass along with them.
    if (keyCode <= 26 || (keyCode >= '0' && keyCode <= '9')) {
        return keyCode;
    }
    return 0;
}

double ReadLeadingNumber(std::string_view text)
{
    // Optional '-', digits, then '.' and digits if a point follows; spaces, tabs and line feeds
    // are skipped everywhere ("7 0" is 70, "- 5" is -5). The comma ends the number: "70,5" is 70.
    const std::size_t size = text.size();
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < size && isSkippedBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    bool negative = false;
    if (i < size && text[i] == '-') {
        negative = true;
        ++i;
        skipBlanks();
    }
    const std::size_t start = i;
    std::size_t end = i;  // just after the last character of the number
    std::size_t kept = 0; // characters of the number other than blanks
    bool anyDigit = false;
    const auto readDigits = [&] {
        for (; i < size; ++i) {
            if (isDigit(text[i])) {
                anyDigit = true;
                ++kept;
                end = i + 1;
            } else if (!isSkippedBlank(text[i])) {
                break;
            }
        }
    };
    readDigits();
    if (i < size && text[i] == '.') {
        ++kept;
        end = ++i;
        readDigits();
    }
    if (!anyDigit) {
        return 0.0; // "", "abc", "-", "."
    }
    const std::string_view number = text.substr(start, end - start);
    if (number.size() == kept) {
        return digitsToDouble(number, negative);
    }
    // Blanks inside the number: gather the rest, on the stack for ordinary lengths.
    std::array<char, 64> small;
    std::string large;
    char* copy = small.data();
    if (kept > small.size()) {
        large.resize(kept);
        copy = large.data();
    }
    std::size_t n = 0;
    for (const char c : number) {
        if (!isSkippedBlank(c)) {
            copy[n++] = c;
        }
    }
    return digitsToDouble(std::string_view(copy, n), negative);
}

double ReadDecimalNumber(std::string_view text)
{
    if (const std::optional<double> value = detail::tryReadDecimalNumber(text)) {
        return *value;
    }
    throw ConversionError(text);
}

int DecimalPlaces(std::string_view text)
{
    const std::optional<DecimalText> scanned = scanDecimalText(text);
    if (!scanned || scanned->signPos == std::string_view::npos) {
        return 0;
    }
    const std::size_t places = scanned->body.size() - scanned->signPos - 1;
    return static_cast<int>(std::min<std::size_t>(places, INT_MAX));
}

double CheckedResult(double value)
{
    if (!std::isfinite(value)) {
        throw OverflowError();
    }
    return value;
}

} // namespace movesta
