// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Long random planner sessions with fixed seeds: after every step the five columns stay aligned
// and the totals stay equal to what the rows add up to.

#include <random>

#include "core/catalogue.h"
#include "planner_session.h"

namespace movesta::testing {
namespace {

// A decimal text with at most one decimal ("787,5", "8", "-0,3"), in tenths.
long long tenths(const std::string& text)
{
    const bool negative = !text.empty() && text[0] == '-';
    long long value = 0;
    int decimals = -1;
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        if (text[i] == ',' && decimals < 0) {
            decimals = 0;
            continue;
        }
        EXPECT_TRUE(text[i] >= '0' && text[i] <= '9') << "not a planner number: " << text;
        value = value * 10 + (text[i] - '0');
        if (decimals >= 0)
            ++decimals;
    }
    EXPECT_LE(decimals, 1) << text;
    if (decimals <= 0)
        value *= 10;
    return negative ? -value : value;
}

std::string fromTenths(long long value)
{
    return std::to_string(value / 10) + "," + std::to_string(value % 10);
}

// factor x weight x (hours + minutes / 60) in whole tenths, rounded half up, by integer arithmetic.
long long energyTenths(std::string_view factor, long long weight, long long minutes)
{
    return (2 * tenths(std::string(factor)) * weight * minutes + 60) / 120;
}

// What the totals row must show for the rows that are listed.
void expectTotalsMatchRows(const Form7& p)
{
    const int rows = p.List1.listCount();
    ASSERT_EQ(p.List2.listCount(), rows);
    ASSERT_EQ(p.List3.listCount(), rows);
    ASSERT_EQ(p.List4.listCount(), rows);
    ASSERT_EQ(p.List5.listCount(), rows);
    const std::array<int, 5> selection = selectionOf(p);
    EXPECT_EQ(selection,
              (std::array<int, 5>{selection[0], selection[0], selection[0], selection[0], selection[0]}));
    long long minutes = 0, kilojoules = 0, kilocalories = 0;
    for (int i = 0; i < rows; ++i) {
        minutes += 6 * tenths(p.List2.item(i)) + tenths(p.List5.item(i)) / 10;
        kilojoules += tenths(p.List3.item(i));
        kilocalories += tenths(p.List4.item(i));
    }
    const long long shownMinutes = tenths(p.Label16.caption()) / 10;
    EXPECT_GE(shownMinutes, 0);
    EXPECT_LT(shownMinutes, 60);
    EXPECT_EQ(6 * tenths(p.Label24.caption()) + shownMinutes, minutes);
    EXPECT_EQ(tenths(p.Label18.caption()), kilojoules);
    EXPECT_EQ(tenths(p.Label21.caption()), kilocalories);
}

using RandomSession = PlannerSession;

TEST_F(RandomSession, ThousandsOfAddsKeepExactRowsAndRunningTotals)
{
    std::mt19937 random(20260408);
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Form7& p = open("70");
    long long minutes = 0, kilojoules = 0, kilocalories = 0;
    for (int step = 0; step < 3000; ++step) {
        const int activity = between(0, static_cast<int>(kCatalogueRows) - 1);
        const int weight = between(0, 800);
        const int hours = between(0, 12);
        // Minutes from the list, or typed: anything up to 999.
        const int minute = between(0, 1) == 0 ? 5 * between(0, 11) : between(0, 999);
        p.Text1.setText(std::to_string(weight));
        add(p, activity, std::to_string(hours), std::to_string(minute));

        const CatalogueRow& row = kCatalogue[static_cast<std::size_t>(activity)];
        const long long duration = 60LL * hours + minute;
        const long long rowKilojoules = energyTenths(row.kj, weight, duration);
        const long long rowKilocalories = energyTenths(row.kcal, weight, duration);
        const int last = p.List1.listCount() - 1;
        ASSERT_EQ((Row{p.List1.item(last), p.List2.item(last), p.List5.item(last), p.List3.item(last),
                       p.List4.item(last)}),
                  (Row{std::string(row.name), std::to_string(hours), std::to_string(minute),
                       fromTenths(rowKilojoules), fromTenths(rowKilocalories)}))
            << "step " << step;
        minutes += duration;
        kilojoules += rowKilojoules;
        kilocalories += rowKilocalories;
        ASSERT_EQ(totalsOf(p), (Totals{std::to_string(minutes / 60), std::to_string(minutes % 60),
                                       fromTenths(kilojoules), fromTenths(kilocalories)}))
            << "step " << step;
    }
    EXPECT_EQ(p.List1.listCount(), 3000);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(RandomSession, AddsSelectionsAndDeletionsKeepTheTotalsEqualToTheRows)
{
    std::mt19937 random(7041);
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int answer = kAnswerOk;
    desktop.answerAll([&](const MessageCall&) { return answer; });
    const std::string junk[] = {"", "-", ",", "1e308", "abc", "\xC3\xA9", "7 5", "+5"};

    int deleted = 0, refused = 0, cleared = 0; // how often the rare paths ran
    Form7* p = &open("70");
    for (int step = 0; step < 4000; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const std::vector<Row> rowsBefore = rowsOf(*p);
        const Totals totalsBefore = totalsOf(*p);
        const std::size_t messagesBefore = desktop.messages.size();
        const int action = between(0, 99);
        if (action < 40) { // add an activity
            p->Text1.setText(std::to_string(between(0, 800)));
            add(*p, between(0, static_cast<int>(kCatalogueRows) - 1), std::to_string(between(0, 12)),
                std::to_string(between(0, 1) == 0 ? 5 * between(0, 11) : between(0, 999)));
            ASSERT_EQ(desktop.messages.size(), messagesBefore);
            ASSERT_EQ(rowsOf(*p).size(), rowsBefore.size() + 1);
        } else if (action < 45) { // an add that cannot be computed
            p->Combo1.choose(between(0, static_cast<int>(kCatalogueRows) - 1));
            TextBox* boxes[] = {&p->Combo4, &p->Combo5};
            boxes[between(0, 1)]->setText(junk[between(0, static_cast<int>(std::size(junk)) - 1)]);
            p->Image5.click();
            ASSERT_EQ(desktop.messages.size(), messagesBefore + 1);
            EXPECT_EQ(rowsOf(*p), rowsBefore);
            EXPECT_EQ(totalsOf(*p), totalsBefore);
        } else if (action < 70) { // select a row in any column
            if (rowsBefore.empty())
                continue;
            ListBox* columns[] = {&p->List1, &p->List2, &p->List3, &p->List4, &p->List5};
            const int row = between(0, static_cast<int>(rowsBefore.size()) - 1);
            const bool changes = row != p->List1.listIndex(); // the row already selected raises nothing
            columns[between(0, 4)]->setListIndex(row);
            ASSERT_EQ(selectionOf(*p), (std::array<int, 5>{row, row, row, row, row}));
            if (changes) {
                EXPECT_EQ(p->Label19.caption(), rowsBefore[static_cast<std::size_t>(row)][0]);
            }
        } else if (action < 90) { // delete the selected row, if there is one
            const int selected = p->List1.listIndex();
            if (between(0, 1) == 0)
                p->br_p.click();
            else
                p->Image3.click();
            std::vector<Row> expected = rowsBefore;
            if (selected >= 0) {
                ++deleted;
                expected.erase(expected.begin() + selected);
                ASSERT_EQ(desktop.messages.size(), messagesBefore);
            } else {
                ++refused;
                ASSERT_EQ(desktop.messages.size(), messagesBefore + 1);
                EXPECT_EQ(totalsOf(*p), totalsBefore);
            }
            EXPECT_EQ(rowsOf(*p), expected);
            EXPECT_EQ(selectionOf(*p), (std::array<int, 5>{-1, -1, -1, -1, -1}));
        } else if (action < 95) { // delete all, answered at random
            answer = between(0, 1) == 0 ? kAnswerYes : kAnswerNo;
            p->br_s.click();
            ASSERT_EQ(desktop.messages.size(), messagesBefore + 1);
            if (answer == kAnswerNo) {
                EXPECT_EQ(rowsOf(*p), rowsBefore);
                EXPECT_EQ(totalsOf(*p), totalsBefore);
            } else {
                cleared += rowsBefore.empty() ? 0 : 1;
                EXPECT_TRUE(rowsOf(*p).empty());
                EXPECT_EQ(totalsOf(*p), (Totals{"0", "0", "0", "0"}));
            }
            answer = kAnswerOk;
        } else if (action < 99) { // copy the report
            p->kopi.click();
            EXPECT_EQ(p->List1.listIndex(), static_cast<int>(rowsBefore.size()) - 1);
        } else { // close and reopen
            close(*p);
            p = &open("70");
            EXPECT_TRUE(rowsOf(*p).empty());
        }
        expectTotalsMatchRows(*p);
        if (HasFailure())
            return;
    }
    EXPECT_GT(deleted, 100);
    EXPECT_GT(refused, 100);
    EXPECT_GT(cleared, 10);
}

} // namespace
} // namespace movesta::testing
