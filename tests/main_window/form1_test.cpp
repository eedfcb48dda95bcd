// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/headless_program.h"
#include "support/snapshot.h"

namespace movesta {
namespace {

struct MainWindow : ::testing::Test, testing::HeadlessProgram {};

// Metric, weight box empty, kilograms "0" and energy "200", the banner's tooltip its address.
TEST_F(MainWindow, StartsMetricWithWeightZeroAndEnergy200)
{
    EXPECT_EQ(testing::Snapshot(main), testing::CommittedSnapshot("form1_loaded", main));
}

TEST_F(MainWindow, KilogramsAndPounds)
{
    struct Row {
        bool pounds;
        const char* typed;
        const char* kilograms;
    };
    const Row rows[] = {
        {false, "70", "70"}, {false, "70.5", "70,5"}, {false, "70,5", "70"}, {false, "abc", "0"},
        {false, "", "0"},    {false, "12kg", "12"},   {true, "150", "68"},   {true, "151", "69"},
        {true, "1", "0"},    {true, "2", "1"},        {true, "abc", "0"},    {true, "220.5", "100"},
    };
    for (const Row& row : rows) {
        if (row.pounds)
            main.Option2.select();
        else
            main.Option1.select();
        main.Text1.setText(row.typed);
        EXPECT_EQ(main.Text2.text(), row.kilograms) << (row.pounds ? "lb " : "kg ") << row.typed;
    }
}

TEST_F(MainWindow, SwitchingTheUnitEmptiesTheBoxAndRenamesItsCaption)
{
    main.Text1.setText("80");
    main.Option2.select();
    EXPECT_EQ(main.Text1.text(), "");
    EXPECT_EQ(main.Text2.text(), "0");
    EXPECT_EQ(main.Label2.caption(), "Weight (Pounds)");
    EXPECT_TRUE(main.Text1.hasFocus());
    main.Text1.setText("150");
    EXPECT_EQ(main.Text2.text(), "68");
    main.Option2.select(); // already selected: the weight stays
    EXPECT_EQ(main.Text1.text(), "150");
    main.Option1.select();
    EXPECT_EQ(main.Text1.text(), "");
    EXPECT_EQ(main.Text2.text(), "0");
    EXPECT_EQ(main.Label2.caption(), "Weight (Kg)");
}

TEST_F(MainWindow, BannerOpensTheProductPageAndClosingEndsTheProgram)
{
    main.Image2.click();
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0], desktop.productPageAddress());
    main.Image1.click(); // opening the calculators does not end the program
    main.Image3.click();
    EXPECT_FALSE(windows.quitRequested());
    main.Form_Unload();
    EXPECT_TRUE(windows.quitRequested());
}

TEST_F(MainWindow, EnormousAndPastedWeightsStayReadable)
{
    main.Text1.setText(std::string(400, '9'));
    EXPECT_FALSE(main.Text2.text().empty());
    EXPECT_EQ(main.Text2.text().find_first_not_of("0123456789"), std::string::npos);
    main.Option2.select();
    main.Text1.setText(std::string(1 << 20, '7'));
    EXPECT_EQ(main.Text2.text().find_first_not_of("0123456789"), std::string::npos);
    main.Text1.setText("\xC3\xA9\x01\x7F-,");
    EXPECT_EQ(main.Text2.text(), "0");
}

} // namespace
} // namespace movesta
