// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/activity_search.h"

#include <algorithm>
#include <cstdint>

#include "core/text.h"

namespace movesta {

namespace {

// Accented Latin letters (Latin-1 Supplement and Latin Extended-A) and their plain letters.
struct Plain {
    char32_t first;
    char32_t last;
    const char* letters;
};
constexpr Plain kPlainLetters[] = {
    {0xC0, 0xC5, "a"},   {0xC6, 0xC6, "ae"},  {0xC7, 0xC7, "c"},   {0xC8, 0xCB, "e"},    {0xCC, 0xCF, "i"},
    {0xD0, 0xD0, "d"},   {0xD1, 0xD1, "n"},   {0xD2, 0xD6, "o"},   {0xD8, 0xD8, "o"},    {0xD9, 0xDC, "u"},
    {0xDD, 0xDD, "y"},   {0xDE, 0xDE, "th"},  {0xDF, 0xDF, "ss"},  {0xE0, 0xE5, "a"},    {0xE6, 0xE6, "ae"},
    {0xE7, 0xE7, "c"},   {0xE8, 0xEB, "e"},   {0xEC, 0xEF, "i"},   {0xF0, 0xF0, "d"},    {0xF1, 0xF1, "n"},
    {0xF2, 0xF6, "o"},   {0xF8, 0xF8, "o"},   {0xF9, 0xFC, "u"},   {0xFD, 0xFD, "y"},    {0xFE, 0xFE, "th"},
    {0xFF, 0xFF, "y"},   {0x100, 0x105, "a"}, {0x106, 0x10D, "c"}, {0x10E, 0x111, "d"},  {0x112, 0x11B, "e"},
    {0x11C, 0x123, "g"}, {0x124, 0x127, "h"}, {0x128, 0x131, "i"}, {0x132, 0x133, "ij"}, {0x134, 0x135, "j"},
    {0x136, 0x138, "k"}, {0x139, 0x142, "l"}, {0x143, 0x14B, "n"}, {0x14C, 0x151, "o"},  {0x152, 0x153, "oe"},
    {0x154, 0x159, "r"}, {0x15A, 0x161, "s"}, {0x162, 0x167, "t"}, {0x168, 0x173, "u"},  {0x174, 0x175, "w"},
    {0x176, 0x178, "y"}, {0x179, 0x17E, "z"}, {0x17F, 0x17F, "s"},
};
constexpr char32_t kNoBreakSpace = 0xA0;
constexpr char32_t kFirstCombiningAccent = 0x300;
constexpr char32_t kLastCombiningAccent = 0x36F;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

} // namespace

std::string FoldForSearch(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    bool afterNotUtf8 = false;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (static_cast<std::uint8_t>(c) < 0x80) {
            folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            afterNotUtf8 = false;
            ++at;
            continue;
        }
        // Not a structured binding: clang 14 (the fuzz build) cannot capture one in a lambda.
        const Utf8Character character = DecodeUtf8(text, at);
        const char32_t code = character.code;
        const std::size_t length = character.length;
        const auto plain = std::find_if(std::begin(kPlainLetters), std::end(kPlainLetters),
                                        [code](const Plain& p) { return code >= p.first && code <= p.last; });
        if (plain != std::end(kPlainLetters))
            folded += plain->letters;
        else if (code == kNoBreakSpace)
            folded += ' ';
        else if (code < kFirstCombiningAccent || code > kLastCombiningAccent || afterNotUtf8)
            // Kept as it is, well-formed or not. An accent after a byte that is not UTF-8 stays
            // too: dropped, it could join that byte and the next ones into a new letter.
            folded.append(text.substr(at, length));
        afterNotUtf8 = code == kNotUtf8;
        at += length;
    }
    return folded;
}

ActivitySearch::ActivitySearch(const std::vector<std::string>& names)
{
    m_folded.reserve(names.size());
    for (const std::string& name : names) {
        m_folded.push_back(FoldForSearch(name));
        m_longest = std::max(m_longest, m_folded.back().size());
    }
}

std::vector<int> ActivitySearch::find(std::string_view typed) const
{
    const std::string folded = FoldForSearch(typed);
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < folded.size();) {
        while (at < folded.size() && isBlank(folded[at]))
            ++at;
        const std::size_t start = at;
        while (at < folded.size() && !isBlank(folded[at]))
            ++at;
        if (at > start) {
            // A word longer than every name is in none of them.
            if (at - start > m_longest)
                return {};
            words.push_back(std::string_view(folded).substr(start, at - start));
        }
    }
    if (words.empty())
        return {};
    // Each word once, the longest first: they rule out most names soonest, and a pasted text of
    // many repeated words costs no more than its distinct ones.
    std::sort(words.begin(), words.end(), [](std::string_view a, std::string_view b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    words.erase(std::unique(words.begin(), words.end()), words.end());

    std::vector<int> found;
    for (std::size_t row = 0; row < m_folded.size(); ++row) {
        const std::string& name = m_folded[row];
        const bool holdsAll = std::all_of(words.begin(), words.end(), [&name](std::string_view word) {
            return name.find(word) != std::string::npos;
        });
        if (holdsAll)
            found.push_back(static_cast<int>(row));
    }
    return found;
}

} // namespace movesta
