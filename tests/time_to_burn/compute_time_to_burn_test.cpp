// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <regex>
#include <string>

#include "core/catalogue.h"
#include "support/headless_program.h"

namespace movesta {
namespace {

double factorOf(std::string_view kcal)
{
    std::string text(kcal);
    for (char& c : text)
        if (c == ',')
            c = '.';
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << kcal;
    return value;
}

// Every activity of the catalogue against a grid of weights and energies: a result is either
// whole minutes under an hour or hours with 0 to 59 minutes that agree with the exact time to
// within a minute, and valid inputs never bring the message (the fake fails an unexpected one).
TEST(TimeToBurnGrid, EveryActivityGivesMinutesOrHoursAndMinutesCloseToTheExactTime)
{
    testing::HeadlessProgram program;
    auto& form = *program.windows.show<Form4>();

    const std::regex minutesForm(R"(^(\d+) min$)");
    const std::regex hoursForm(R"(^(\d+) h : (\d+) min$)");
    const int weights[] = {1, 2, 7, 45, 70, 123, 500, 800, 999};
    const int energies[] = {0, 1, 37, 200, 999, 5000};
    int hoursSeen = 0;
    int minutesSeen = 0;
    for (const int weight : weights) {
        for (const int energy : energies) {
            form.Text1.setText(std::to_string(weight));
            form.Text2.setText(std::to_string(energy));
            for (std::size_t row = 0; row < kCatalogueRows; ++row) {
                form.List1.setListIndex(static_cast<int>(row));
                const CatalogueRow& activity = kCatalogue[row];
                const double exact = 60 * (energy / (weight * factorOf(activity.kcal)));
                const std::string& result = form.Label13.caption();
                const std::string where = std::to_string(weight) + " kg, " + std::to_string(energy) +
                                          " kcal, " + std::string(activity.name) + ": " + result;
                std::smatch parts;
                if (exact < 60) {
                    ASSERT_TRUE(std::regex_match(result, parts, minutesForm)) << where;
                    EXPECT_LE(std::fabs(std::stod(parts[1]) - exact), 0.5 + 1e-9) << where;
                    ++minutesSeen;
                } else {
                    ASSERT_TRUE(std::regex_match(result, parts, hoursForm)) << where;
                    const double hours = std::stod(parts[1]);
                    const int minutes = std::stoi(parts[2]);
                    EXPECT_GE(minutes, 0) << where;
                    EXPECT_LE(minutes, 59) << where;
                    EXPECT_GE(hours, 1) << where;
                    EXPECT_LE(std::fabs(hours * 60 + minutes - exact), 1.0) << where;
                    ++hoursSeen;
                }
                ASSERT_EQ(form.Label14.caption(), "Time required to burn " + std::to_string(energy) +
                                                      " kcal for " + std::string(activity.name) + ":");
                ASSERT_EQ(form.Label6.caption(), activity.name);
                ASSERT_EQ(form.List2.listIndex(), static_cast<int>(row));
                ASSERT_EQ(form.List3.listIndex(), static_cast<int>(row));
            }
        }
    }
    EXPECT_TRUE(program.desktop.messages.empty());
    // the grid reaches both forms, plenty of each
    EXPECT_GT(hoursSeen, 1000);
    EXPECT_GT(minutesSeen, 1000);
}

} // namespace
} // namespace movesta
