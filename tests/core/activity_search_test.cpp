// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding activities by any words of their names.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/activity_search.h"
#include "core/catalogue.h"

namespace movesta {
namespace {

std::vector<std::string> catalogueNames()
{
    std::vector<std::string> names;
    for (const CatalogueRow& row : kCatalogue)
        names.emplace_back(row.name);
    return names;
}

// The catalogue rows whose names, in lower case, hold every one of `words`: counted here from
// the catalogue itself.
std::vector<int> rowsHolding(const std::vector<std::string>& words)
{
    std::vector<int> rows;
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        std::string name(kCatalogue[i].name);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (std::all_of(words.begin(), words.end(),
                        [&](const std::string& w) { return name.find(w) != std::string::npos; }))
            rows.push_back(static_cast<int>(i));
    }
    return rows;
}

TEST(ActivitySearch, FindsTheRowsHoldingEveryWordInAnyOrderWithCaseAndAccentsIgnored)
{
    const ActivitySearch search(catalogueNames());
    const struct {
        const char* typed;
        std::vector<std::string> words;
    } cases[] = {
        {"swim", {"swim"}},
        {"SwIm", {"swim"}},
        {"sw\u00CDm", {"swim"}},    // Í
        {"swi\xCC\x81m", {"swim"}}, // i and a combining acute accent
        {"swim lap", {"swim", "lap"}},
        {"  lap \t SWIM ", {"swim", "lap"}},
        {"cycl", {"cycl"}},
        {"\u010Cycl", {"cycl"}}, // Č
        {"general effort moderate", {"general", "effort", "moderate"}},
        {"17,5 km/h", {"17,5", "km/h"}},
        {"playing accordion", {"accordion", "playing"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::vector<int> expected = rowsHolding(c.words);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(search.find(c.typed), expected);
    }
    // "cycl" stands at the start of some names and inside others ("Bicycling", "Unicycling").
    const std::vector<int> cycling = search.find("cycl");
    EXPECT_TRUE(std::find(cycling.begin(), cycling.end(), 16) != cycling.end());
    EXPECT_TRUE(std::find(cycling.begin(), cycling.end(), 425) != cycling.end());
}

TEST(ActivitySearch, FindsNothingWithoutWordsOrMatchesAndSurvivesAnyText)
{
    const ActivitySearch search(catalogueNames());
    const std::string junk[] = {
        "",
        "   \t ",
        "xyzzy",
        "swim xyzzy",
        std::string(100000, 'a'),
        std::string(50000, 'a') + " " + std::string(50000, 'b'),
        "\xFF\xFE\xC3",
        "\xF0\x9F\x8F\x8A", // a swimmer, not a word of any name
        std::string("swim\0lap", 8),
    };
    for (const std::string& typed : junk)
        EXPECT_TRUE(search.find(typed).empty()) << typed.substr(0, 20);
    // Many repeated words cost no more than the one they repeat.
    std::string repeated;
    for (int i = 0; i < 20000; ++i)
        repeated += "swim ";
    EXPECT_EQ(search.find(repeated), rowsHolding({"swim"}));
}

TEST(ActivitySearch, FoldsCaseAndAccentsOnly)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\u010C\u0107\u0111\u0161\u017E \u00C9\u00E8 \u00DF \u00C6\u0153", "ccdsz ee ss aeoe"},
        {"Na\xCC\x88ive\u00A0Caf\u00E9", "naive cafe"},
        {"\xFF\xC3 \xE2\x82\xAC", "\xFF\xC3 \xE2\x82\xAC"}, // not UTF-8, and the euro sign: kept
    };
    for (const auto& [text, folded] : cases)
        EXPECT_EQ(FoldForSearch(text), folded) << text;
}

} // namespace
} // namespace movesta
