// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's one reading of UTF-8 and its one markup escaper. The window models hold their
// texts as UTF-8 bytes and stay free of Qt, so these two live here; the Qt side uses Qt's own.

#include <cstddef>
#include <string>
#include <string_view>

namespace movesta {

// A byte that does not start a well-formed sequence: a character of its own, one byte long.
inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

struct Utf8Character {
    char32_t code = kNotUtf8;
    std::size_t length = 1; // bytes
};

// The character at `at` (< text.size()): a well-formed sequence of one to four bytes (no
// overlong form, no surrogate, nothing above U+10FFFF), or kNotUtf8 for its first byte alone.
Utf8Character DecodeUtf8(std::string_view text, std::size_t at);

// Text as the content of an HTML or XML element or a quoted attribute: the five markup
// characters as references, and what XML may not hold at all (control characters other than
// tab and line breaks, U+FFFE, U+FFFF, bytes that are not UTF-8) as U+FFFD, so that any name
// still gives a document that opens and reads back as typed.
void AppendMarkup(std::string& out, std::string_view text);
std::string Markup(std::string_view text);

} // namespace movesta
