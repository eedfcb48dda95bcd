// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Properties of the number rules that must hold for any input, however it was typed or pasted.
// The libFuzzer targets run them on generated inputs and the corpus replay test on the committed
// ones (the weight boxes' scenarios replay the key filter's inputs in tests/session). Each check
// returns an empty text when everything holds, else what went wrong.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <sstream>
#include <string>
#include <string_view>

#include "core/number_rules.h"
#include "core/text.h"

namespace movesta::fuzz {

// What a failure message shows of an input: printable ASCII as it is, other bytes as \xNN, cut.
inline std::string Shown(std::string_view text)
{
    constexpr std::size_t kShownBytes = 60;
    std::string shown;
    for (std::size_t i = 0; i < text.size() && i < kShownBytes; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += static_cast<char>(byte);
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        }
    }
    if (text.size() > kShownBytes) {
        shown += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return shown;
}

inline std::string Shown(double value)
{
    std::ostringstream out;
    out.precision(17);
    out << value;
    return out.str();
}

// Whether the text is well-formed UTF-8, as the program's one decoder reads it.
inline bool IsUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = DecodeUtf8(text, at);
        if (character.code == kNotUtf8) {
            return false;
        }
        at += character.length;
    }
    return true;
}

// The number notation as the program writes it: an optional '-', digits without a superfluous
// leading zero, and optionally a comma with at least one digit after it. A minus stands only
// before a non-zero value ("-0" and "-0,0" are never written).
inline bool IsWrittenNumber(std::string_view text)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        ++i;
    }
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            ++end;
        }
        return end - from;
    };
    const std::size_t integerDigits = digitsFrom(i);
    if (integerDigits == 0 || (integerDigits > 1 && text[i] == '0')) {
        return false;
    }
    i += integerDigits;
    if (i < text.size()) {
        if (text[i] != ',') {
            return false;
        }
        const std::size_t fractionDigits = digitsFrom(i + 1);
        if (fractionDigits == 0 || i + 1 + fractionDigits != text.size()) {
            return false;
        }
    }
    return !negative || text.find_first_of("123456789") != std::string_view::npos;
}

// Digits after the comma of a written number.
inline int WrittenDecimals(std::string_view text)
{
    const std::size_t comma = text.find(',');
    return comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

// ReadLeadingNumber never fails, gives a finite number, ignores blanks wherever they stand and
// stops at the first character that does not belong to the number.
inline std::string CheckReadLeadingNumber(std::string_view text)
{
    try {
        const double value = ReadLeadingNumber(text);
        if (!std::isfinite(value)) {
            return "ReadLeadingNumber(\"" + Shown(text) + "\") is not finite";
        }
        std::string withoutBlanks;
        for (const char c : text) {
            if (c != ' ' && c != '\t' && c != '\n') {
                withoutBlanks += c;
            }
        }
        if (const double again = ReadLeadingNumber(withoutBlanks); again != value) {
            return "ReadLeadingNumber(\"" + Shown(text) + "\") = " + Shown(value) + " but " + Shown(again) +
                   " without its blanks";
        }
        if (const double stopped = ReadLeadingNumber(std::string(text) + "x"); stopped != value) {
            return "ReadLeadingNumber(\"" + Shown(text) + "\") = " + Shown(value) + " but " + Shown(stopped) +
                   " with a letter after it";
        }
    } catch (const std::exception& e) {
        return "ReadLeadingNumber(\"" + Shown(text) + "\") threw: " + e.what();
    }
    return {};
}

// NumberToText writes a finite number in the number notation, and that text reads back to the
// same 15-digit value: NumberToText(x) == NumberToText(ReadDecimalNumber(NumberToText(x))).
inline std::string CheckNumberToText(double value)
{
    if (!std::isfinite(value)) {
        return {};
    }
    const std::string call = "NumberToText(" + Shown(value) + ")";
    try {
        const std::string written = NumberToText(value);
        if (!IsWrittenNumber(written)) {
            return call + " = \"" + Shown(written) + "\" is not in the number notation";
        }
        const std::string rewritten = NumberToText(ReadDecimalNumber(written));
        if (rewritten != written) {
            return call + " = \"" + Shown(written) + "\" reads back as \"" + Shown(rewritten) + "\"";
        }
    } catch (const std::exception& e) {
        return call + " threw: " + e.what();
    }
    return {};
}

// ReadDecimalNumber either reads a finite number or fails with ConversionError and nothing
// else; blanks around the text change nothing; what it reads survives NumberToText.
inline std::string CheckReadDecimalNumber(std::string_view text)
{
    const std::string call = "ReadDecimalNumber(\"" + Shown(text) + "\")";
    double value = 0.0;
    try {
        value = ReadDecimalNumber(text);
    } catch (const ConversionError&) {
        return {};
    } catch (const std::exception& e) {
        return call + " threw something other than ConversionError: " + e.what();
    }
    if (!std::isfinite(value)) {
        return call + " is not finite";
    }
    try {
        if (const double padded = ReadDecimalNumber(" \t" + std::string(text) + "\t "); padded != value) {
            return call + " = " + Shown(value) + " but " + Shown(padded) + " with blanks around it";
        }
    } catch (const std::exception& e) {
        return call + " = " + Shown(value) + " but fails with blanks around it: " + e.what();
    }
    return CheckNumberToText(value);
}

// The three masks of the program and their decimals.
inline constexpr struct {
    std::string_view mask;
    int decimals;
} kMasks[] = {{"0", 0}, {"0.0", 1}, {"0.00", 2}};

// FormatWithMask of a number: a readable text in the number notation with exactly the mask's
// decimals, within half a unit of the last decimal of the value (at 15 significant digits), and
// unchanged when formatted again.
inline std::string CheckFormatWithMask(double value)
{
    if (!std::isfinite(value)) {
        return {};
    }
    for (const auto& [mask, decimals] : kMasks) {
        const std::string call = "FormatWithMask(" + Shown(value) + ", \"" + std::string(mask) + "\")";
        try {
            const std::string written = FormatWithMask(value, mask);
            if (!IsWrittenNumber(written) || WrittenDecimals(written) != decimals) {
                return call + " = \"" + Shown(written) + "\": not a number with " + std::to_string(decimals) +
                       " decimals";
            }
            const double shown = ReadDecimalNumber(written);
            const double allowed = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14;
            if (!(std::fabs(shown - value) <= allowed)) {
                return call + " = \"" + Shown(written) + "\" is too far from the value";
            }
            if (const std::string again = FormatWithMask(written, mask); again != written) {
                return call + " = \"" + Shown(written) + "\" becomes \"" + Shown(again) +
                       "\" formatted again";
            }
        } catch (const std::exception& e) {
            return call + " threw: " + e.what();
        }
    }
    return {};
}

// FormatWithMask of a text: an unreadable text comes back unchanged; a readable one is written
// exactly as its number is.
inline std::string CheckFormatWithMask(std::string_view text)
{
    bool readable = true;
    double value = 0.0;
    try {
        value = ReadDecimalNumber(text);
    } catch (const ConversionError&) {
        readable = false;
    } catch (const std::exception& e) {
        return "ReadDecimalNumber(\"" + Shown(text) + "\") threw: " + e.what();
    }
    for (const auto& [mask, decimals] : kMasks) {
        const std::string call = "FormatWithMask(\"" + Shown(text) + "\", \"" + std::string(mask) + "\")";
        try {
            const std::string written = FormatWithMask(text, mask);
            if (!readable && written != text) {
                return call + " changed an unreadable text into \"" + Shown(written) + "\"";
            }
            if (readable && written != FormatWithMask(value, mask)) {
                return call + " = \"" + Shown(written) + "\" differs from the number it reads";
            }
        } catch (const std::exception& e) {
            return call + " threw: " + e.what();
        }
    }
    return readable ? CheckFormatWithMask(value) : std::string();
}

// Any 8 bytes are a double; most are ordinary numbers, some are huge, tiny or subnormal.
inline double DoubleFromBytes(std::string_view data)
{
    unsigned char bytes[sizeof(double)] = {};
    if (!data.empty()) {
        std::memcpy(bytes, data.data(), data.size() < sizeof bytes ? data.size() : sizeof bytes);
    }
    double value = 0.0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// DigitKeyFilter lets control codes (26 or less) and the ten digits through and drops every
// other code.
inline std::string CheckDigitKeyFilter(int code)
{
    const bool passes = code <= 26 || (code >= '0' && code <= '9');
    const int expected = passes ? code : 0;
    if (const int got = DigitKeyFilter(code); got != expected) {
        return "DigitKeyFilter(" + std::to_string(code) + ") = " + std::to_string(got) + ", expected " +
               std::to_string(expected);
    }
    return {};
}

// Every byte of the data as a character code, then every four bytes as one int (negative and
// huge codes included).
inline std::string CheckDigitKeyFilterOnBytes(std::string_view data)
{
    for (const char c : data) {
        if (std::string failure = CheckDigitKeyFilter(static_cast<unsigned char>(c)); !failure.empty()) {
            return failure;
        }
    }
    for (std::size_t i = 0; i + sizeof(std::int32_t) <= data.size(); i += sizeof(std::int32_t)) {
        std::int32_t code = 0;
        std::memcpy(&code, data.data() + i, sizeof code);
        if (std::string failure = CheckDigitKeyFilter(code); !failure.empty()) {
            return failure;
        }
    }
    return {};
}

// What the number targets check of one input.
inline std::string CheckReadDecimalNumberInput(std::string_view data)
{
    if (std::string failure = CheckReadDecimalNumber(data); !failure.empty()) {
        return failure;
    }
    return CheckNumberToText(DoubleFromBytes(data));
}

inline std::string CheckFormatWithMaskInput(std::string_view data)
{
    if (std::string failure = CheckFormatWithMask(data); !failure.empty()) {
        return failure;
    }
    return CheckFormatWithMask(DoubleFromBytes(data));
}

// A fuzz target stops at the first property that breaks, with the input saved by libFuzzer.
inline void RequireHolds(const std::string& failure)
{
    if (!failure.empty()) {
        std::fputs(("property broken: " + failure + "\n").c_str(), stderr);
        std::abort();
    }
}

} // namespace movesta::fuzz
