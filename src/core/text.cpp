// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text.h"

#include <cstdint>

namespace movesta {

Utf8Character DecodeUtf8(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t count = 0;
    char32_t code = 0;
    std::uint8_t low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    if (at + count >= text.size() || byte(1) < low || byte(1) > high)
        return {};
    for (std::size_t i = 1; i <= count; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    return {code, count + 1};
}

void AppendMarkup(std::string& out, std::string_view text)
{
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = DecodeUtf8(text, at);
        const std::string_view bytes = text.substr(at, character.length);
        at += character.length;
        switch (character.code) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '\t':
        case '\n':
        case '\r':
            out += bytes;
            break;
        default:
            if (character.code < 0x20 || character.code == 0xFFFE || character.code == 0xFFFF ||
                character.code == kNotUtf8)
                out += kReplacement;
            else
                out += bytes;
        }
    }
}

std::string Markup(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    AppendMarkup(out, text);
    return out;
}

} // namespace movesta
