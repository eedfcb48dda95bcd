// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Properties of finding an activity that must hold for any typed or pasted text: the folding of
// case and accents, and the search over the catalogue's names. Each check returns an empty text
// when everything holds, else what went wrong.

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "checks.h"
#include "core/activity_search.h"
#include "core/catalogue.h"

namespace movesta::fuzz {

// Folding leaves no ASCII capital, is plain lower case on ASCII, keeps UTF-8 well-formed, and
// folding again changes nothing.
inline std::string CheckFoldForSearch(std::string_view text)
{
    const std::string call = "FoldForSearch(\"" + Shown(text) + "\")";
    const std::string folded = FoldForSearch(text);
    if (folded.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos)
        return call + " = \"" + Shown(folded) + "\" holds a capital";
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::string lower(text);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        if (folded != lower)
            return call + " = \"" + Shown(folded) + "\" is not the ASCII text in lower case";
    }
    if (IsUtf8(text) && !IsUtf8(folded))
        return call + " = \"" + Shown(folded) + "\" is not UTF-8";
    if (const std::string again = FoldForSearch(folded); again != folded)
        return call + " = \"" + Shown(folded) + "\" folds again to \"" + Shown(again) + "\"";
    return {};
}

// A name is found by itself and by its folded form, or, holding no word, finds nothing at all;
// in the catalogue, another word only narrows what a text finds.
inline std::string CheckActivitySearch(std::string_view text)
{
    static const ActivitySearch catalogue([] {
        std::vector<std::string> names;
        for (const CatalogueRow& row : kCatalogue)
            names.emplace_back(row.name);
        return names;
    }());
    const std::string call = "searching \"" + Shown(text) + "\"";

    const std::string folded = FoldForSearch(text);
    const ActivitySearch itself({std::string(text), folded});
    const std::vector<int> found = itself.find(text);
    if (found != std::vector<int>{0, 1} && !found.empty())
        return call + " among itself and its folded form finds only one of them";
    if (itself.find(folded) != found)
        return call + " and its folded form find different names";

    const std::vector<int> inCatalogue = catalogue.find(text);
    if (found.empty() && !inCatalogue.empty())
        return call + ", which holds no word, finds names in the catalogue";
    if (!std::is_sorted(inCatalogue.begin(), inCatalogue.end()) ||
        std::adjacent_find(inCatalogue.begin(), inCatalogue.end()) != inCatalogue.end() ||
        (!inCatalogue.empty() &&
         (inCatalogue.front() < 0 || inCatalogue.back() >= static_cast<int>(kCatalogue.size()))))
        return call + " finds rows out of order or out of the catalogue";

    // A catalogue name finds its own row, and added to the text finds no name that either misses.
    const std::size_t row = text.size() % kCatalogue.size();
    const std::string name(kCatalogue[row].name);
    const std::vector<int> byName = catalogue.find(name);
    if (!std::binary_search(byName.begin(), byName.end(), static_cast<int>(row)))
        return "the catalogue's name \"" + name + "\" does not find itself";
    const std::vector<int> both = catalogue.find(std::string(text) + " " + name);
    if (!std::includes(byName.begin(), byName.end(), both.begin(), both.end()) ||
        (!inCatalogue.empty() &&
         !std::includes(inCatalogue.begin(), inCatalogue.end(), both.begin(), both.end())))
        return call + " with \"" + name + "\" added finds names that one of them does not";
    return {};
}

inline std::string CheckActivitySearchInput(std::string_view data)
{
    if (std::string failure = CheckFoldForSearch(data); !failure.empty())
        return failure;
    return CheckActivitySearch(data);
}

} // namespace movesta::fuzz
