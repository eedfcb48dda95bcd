// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Finding activities by any words of their names: every typed word must stand somewhere in the
// name, in any order, with case and accents ignored ("swim lap" finds "Swimming laps, ...").

#include <string>
#include <string_view>
#include <vector>

namespace movesta {

// The text as the search compares it: lower case, accented Latin letters as their plain letters
// ("é" as "e", "ß" as "ss"), combining accents dropped. Other characters stay as they are, and
// so does an accent after a byte that is not UTF-8, so that folding twice folds nothing more.
std::string FoldForSearch(std::string_view text);

class ActivitySearch {
public:
    // The names are folded once, here; the search reads only its own folded copy.
    explicit ActivitySearch(const std::vector<std::string>& names);

    // The indexes of the names that hold every word of `typed`, in the names' order; none when
    // `typed` holds no word at all (empty or only blanks).
    std::vector<int> find(std::string_view typed) const;

private:
    std::vector<std::string> m_folded;
    std::size_t m_longest = 0;
};

} // namespace movesta
