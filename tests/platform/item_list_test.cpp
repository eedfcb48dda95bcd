// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/item_list.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace movesta {
namespace {

// Blocks are filled, split off, emptied and joined by random adds and removals around a few
// thousand texts; the list must read as a plain vector receiving the same calls, at every index
// and from end to end.
TEST(ItemList, ReadsAsAVectorThroughAddsRemovalsAndJoins)
{
    std::mt19937 random(11);
    ItemList list;
    std::vector<std::string> expected;
    const auto same = [&] {
        ASSERT_EQ(list.size(), static_cast<int>(expected.size()));
        ASSERT_EQ(std::vector<std::string>(list.begin(), list.end()), expected);
        for (int i = 0; i < list.size(); ++i)
            ASSERT_EQ(list[i], expected[static_cast<std::size_t>(i)]) << "index " << i;
    };
    int next = 0;
    for (int round = 0; round < 6; ++round) {
        // Grow to a few blocks, then remove down to a handful, mostly in the middle.
        const int high = round % 2 ? 3 * static_cast<int>(ItemList::kBlock) + 7 : 1300;
        while (list.size() < high) {
            list.push_back("text " + std::to_string(next));
            expected.push_back("text " + std::to_string(next++));
        }
        same();
        while (list.size() > 5) {
            const int at = std::uniform_int_distribution<int>(0, list.size() - 1)(random);
            list.erase(at);
            expected.erase(expected.begin() + at);
            if (list.size() % 97 == 0)
                same();
        }
        same();
    }
    std::vector<std::string> whole(2 * ItemList::kBlock + 1, "x");
    whole.back() = "last";
    list.assign(whole);
    expected = whole;
    same();
    list.clear();
    expected.clear();
    same();
    EXPECT_TRUE(list.begin() == list.end());
}

} // namespace
} // namespace movesta
