// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the built-in activity catalogue. They look at properties computed from the whole
// table, so that a slip in any row (a dropped or doubled row, a lost trailing blank, a mistyped
// factor or character) shows up as a changed count, a changed row list or a broken text form.

#include "core/catalogue.h"
#include "core/number_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

namespace movesta {
namespace {

using Rows = std::vector<std::size_t>;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A factor text as a whole number of tenths: "1,8" -> 18, "25" -> 250. Accepts one or two
// digits optionally followed by a comma and one digit; anything else is nullopt. Kept apart
// from the program's number reading so that these tests stand on their own.
std::optional<int> Tenths(std::string_view text)
{
    std::size_t comma = text.find(',');
    std::string_view whole = text.substr(0, comma);
    if (whole.empty() || whole.size() > 2 || !std::all_of(whole.begin(), whole.end(), IsDigit))
        return std::nullopt;
    int value = 0;
    for (char c : whole)
        value = value * 10 + (c - '0');
    value *= 10;
    if (comma != std::string_view::npos) {
        std::string_view fraction = text.substr(comma + 1);
        if (fraction.size() != 1 || !IsDigit(fraction[0]))
            return std::nullopt;
        value += fraction[0] - '0';
    }
    return value;
}

int TenthsOrZero(std::string_view text)
{
    return Tenths(text).value_or(0);
}

std::string_view WithoutTrailingBlanks(std::string_view name)
{
    std::size_t end = name.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : name.substr(0, end + 1);
}

bool LessIgnoringCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

TEST(Catalogue, HasAllRowsFilled)
{
    ASSERT_EQ(kCatalogue.size(), 478u);
    // A short initialiser would leave the last rows empty.
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        EXPECT_FALSE(kCatalogue[i].name.empty()) << "row " << i;
        EXPECT_FALSE(kCatalogue[i].kj.empty()) << "row " << i;
        EXPECT_FALSE(kCatalogue[i].kcal.empty()) << "row " << i;
    }
}

TEST(Catalogue, FirstAndLastRows)
{
    EXPECT_EQ(kCatalogue[0].name, "Accordion, playing");
    EXPECT_EQ(kCatalogue[0].kj, "7,5");
    EXPECT_EQ(kCatalogue[0].kcal, "1,8");
    EXPECT_EQ(kCatalogue[477].name, "Writing, desk work (sitting)");
    EXPECT_EQ(kCatalogue[477].kj, "7,5");
    EXPECT_EQ(kCatalogue[477].kcal, "1,8");
}

TEST(Catalogue, NumberOfDistinctFactorTexts)
{
    std::set<std::string_view> kj, kcal;
    for (const CatalogueRow& row : kCatalogue) {
        kj.insert(row.kj);
        kcal.insert(row.kcal);
    }
    EXPECT_EQ(kcal.size(), 35u);
    EXPECT_EQ(kj.size(), 34u);
}

TEST(Catalogue, SmallestFactorsShareNineRows)
{
    int minKj = TenthsOrZero(kCatalogue[0].kj);
    int minKcal = TenthsOrZero(kCatalogue[0].kcal);
    for (const CatalogueRow& row : kCatalogue) {
        minKj = std::min(minKj, TenthsOrZero(row.kj));
        minKcal = std::min(minKcal, TenthsOrZero(row.kcal));
    }
    EXPECT_EQ(minKj, 40);
    EXPECT_EQ(minKcal, 9);

    Rows withMinKj, withMinKcal;
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (TenthsOrZero(kCatalogue[i].kj) == minKj)
            withMinKj.push_back(i);
        if (TenthsOrZero(kCatalogue[i].kcal) == minKcal)
            withMinKcal.push_back(i);
    }
    const Rows expected{212, 279, 324, 335, 336, 362, 410, 470, 476};
    EXPECT_EQ(withMinKj, expected);
    EXPECT_EQ(withMinKcal, expected);
    for (std::size_t i : expected) {
        EXPECT_EQ(kCatalogue[i].kj, "4") << "row " << i;
        EXPECT_EQ(kCatalogue[i].kcal, "0,9") << "row " << i;
    }
}

TEST(Catalogue, LargestFactorsOnlyInRow313)
{
    int maxKj = 0, maxKcal = 0;
    for (const CatalogueRow& row : kCatalogue) {
        maxKj = std::max(maxKj, TenthsOrZero(row.kj));
        maxKcal = std::max(maxKcal, TenthsOrZero(row.kcal));
    }
    Rows withMaxKj, withMaxKcal;
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (TenthsOrZero(kCatalogue[i].kj) == maxKj)
            withMaxKj.push_back(i);
        if (TenthsOrZero(kCatalogue[i].kcal) == maxKcal)
            withMaxKcal.push_back(i);
    }
    EXPECT_EQ(withMaxKj, Rows{313});
    EXPECT_EQ(withMaxKcal, Rows{313});
    EXPECT_EQ(kCatalogue[313].name, "Running 17,5 km/h (3,4 min/km)");
    EXPECT_EQ(kCatalogue[313].kj, "75");
    EXPECT_EQ(kCatalogue[313].kcal, "17,8");
}

TEST(Catalogue, TrailingBlanksOfNames)
{
    std::map<std::size_t, std::size_t> blanks; // row -> number of trailing blanks
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        std::string_view name = kCatalogue[i].name;
        std::size_t count = name.size() - WithoutTrailingBlanks(name).size();
        if (count > 0)
            blanks[i] = count;
    }
    std::map<std::size_t, std::size_t> expected;
    for (std::size_t i :
         {30, 48, 90, 106, 116, 121, 238, 240, 241, 253, 260, 322, 362, 424, 452, 454, 455, 457, 476})
        expected[i] = 1;
    expected[242] = 2;
    expected[277] = 3;
    ASSERT_EQ(expected.size(), 21u);
    EXPECT_EQ(blanks, expected);
    EXPECT_EQ(kCatalogue[277].name, "Reading book/newspaper, etc. (sitting)   ");
}

TEST(Catalogue, NoLeadingOrDoubledBlanksInNames)
{
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        std::string_view core = WithoutTrailingBlanks(kCatalogue[i].name);
        EXPECT_NE(core.front(), ' ') << "row " << i;
        EXPECT_EQ(core.find("  "), std::string_view::npos) << "row " << i;
    }
}

TEST(Catalogue, KjFactorDiffersFromRoundedKcalConversionInTenRows)
{
    // kJ = kcal x 4.184 rounded to a whole number, done in integers on tenths of a kcal.
    Rows differing;
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        const int kcalTenths = TenthsOrZero(kCatalogue[i].kcal);
        const int convertedKj = (kcalTenths * 4184 + 5000) / 10000;
        if (TenthsOrZero(kCatalogue[i].kj) != convertedKj * 10)
            differing.push_back(i);
    }
    EXPECT_EQ(differing, (Rows{0, 121, 122, 209, 229, 278, 313, 385, 412, 477}));
}

TEST(Catalogue, SameKcalFactorCarriesDifferentKjFactors)
{
    std::map<std::string_view, int> with55, with95; // kJ text -> rows
    for (const CatalogueRow& row : kCatalogue) {
        if (row.kcal == "5,5")
            ++with55[row.kj];
        if (row.kcal == "9,5")
            ++with95[row.kj];
    }
    EXPECT_EQ(with55, (std::map<std::string_view, int>{{"23", 11}, {"33", 2}}));
    EXPECT_EQ(with95, (std::map<std::string_view, int>{{"38", 1}, {"40", 2}}));
}

TEST(Catalogue, NamesOutOfOrderInEightyEightPlaces)
{
    int byteOrder = 0, ignoringCase = 0;
    for (std::size_t i = 1; i < kCatalogue.size(); ++i) {
        if (kCatalogue[i].name < kCatalogue[i - 1].name)
            ++byteOrder;
        if (LessIgnoringCase(kCatalogue[i].name, kCatalogue[i - 1].name))
            ++ignoringCase;
    }
    EXPECT_EQ(byteOrder, 88);
    EXPECT_EQ(ignoringCase, 88);
    // "Aerobic, low impact" stands before "Aerobic, general"; "Writing, reclining " before
    // "Writing, desk work (sitting)".
    EXPECT_LT(kCatalogue[3].name, kCatalogue[2].name);
    EXPECT_LT(kCatalogue[477].name, kCatalogue[476].name);
}

TEST(Catalogue, NameLengthsAndCharacters)
{
    const std::string_view allowedPunctuation = " ,.()-/%':=<>";
    std::size_t longest = 0;
    Rows longestRows;
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        std::string_view name = kCatalogue[i].name;
        EXPECT_GE(name.size(), 4u) << "row " << i;
        EXPECT_LE(name.size(), 160u) << "row " << i;
        for (char c : name) {
            const bool allowed = std::isalnum(static_cast<unsigned char>(c)) ||
                                 allowedPunctuation.find(c) != std::string_view::npos;
            EXPECT_TRUE(allowed) << "row " << i << " has character code "
                                 << static_cast<int>(static_cast<unsigned char>(c));
        }
        if (name.size() > longest) {
            longest = name.size();
            longestRows.clear();
        }
        if (name.size() == longest)
            longestRows.push_back(i);
    }
    EXPECT_EQ(longest, 160u);
    EXPECT_EQ(longestRows, Rows{240});
}

TEST(Catalogue, NamesUniqueAlsoWithoutTrailingBlanks)
{
    std::set<std::string_view> names, trimmed;
    for (const CatalogueRow& row : kCatalogue) {
        names.insert(row.name);
        trimmed.insert(WithoutTrailingBlanks(row.name));
    }
    EXPECT_EQ(names.size(), kCatalogue.size());
    EXPECT_EQ(trimmed.size(), kCatalogue.size());
}

TEST(Catalogue, KjFactorTextForms)
{
    // One or two digits from "4" to "75" without a leading zero; the only text with a comma
    // is "7,5".
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        std::string_view kj = kCatalogue[i].kj;
        if (kj == "7,5")
            continue;
        const bool digitsOnly =
            !kj.empty() && kj.size() <= 2 && std::all_of(kj.begin(), kj.end(), IsDigit) && kj[0] != '0';
        ASSERT_TRUE(digitsOnly) << "row " << i << " kJ \"" << kj << "\"";
        EXPECT_GE(TenthsOrZero(kj), 40) << "row " << i;
        EXPECT_LE(TenthsOrZero(kj), 750) << "row " << i;
    }
}

TEST(Catalogue, KcalFactorTextForms)
{
    // One or two digits, optionally a comma and one digit; "0,9" to "17,8"; a two-digit whole
    // part has no leading zero.
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        std::string_view kcal = kCatalogue[i].kcal;
        std::optional<int> tenths = Tenths(kcal);
        ASSERT_TRUE(tenths.has_value()) << "row " << i << " kcal \"" << kcal << "\"";
        const std::size_t wholeDigits = std::min(kcal.find(','), kcal.size());
        if (wholeDigits == 2) {
            EXPECT_NE(kcal[0], '0') << "row " << i;
        }
        EXPECT_GE(*tenths, 9) << "row " << i;
        EXPECT_LE(*tenths, 178) << "row " << i;
    }
}

TEST(Catalogue, EveryFactorReadsAsDecimalNumber)
{
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        for (std::string_view text : {kCatalogue[i].kj, kCatalogue[i].kcal}) {
            double value = 0;
            ASSERT_NO_THROW(value = ReadDecimalNumber(text)) << "row " << i << " \"" << text << "\"";
            EXPECT_DOUBLE_EQ(value, TenthsOrZero(text) / 10.0) << "row " << i << " \"" << text << "\"";
        }
    }
}

} // namespace
} // namespace movesta
