#include <gtest/gtest.h>

#include "main_window/form1.h"
#include "platform/window_manager.h"
#include "support/fake_desktop.h"

namespace movesta {
namespace {

struct MainWindow : ::testing::Test {
    testing::FakeDesktop desktop;
    WindowManager windows;
    Form1* form = nullptr;
    void SetUp() override
    {
        windows.registerForm(kMainWindowId, [this] { return std::make_unique<Form1>(desktop, windows); });
        form = static_cast<Form1*>(windows.show(kMainWindowId));
    }
};

TEST_F(MainWindow, StartsMetricWithWeightZeroAndEnergy200)
{
    EXPECT_EQ(form->Text1.text(), "");
    EXPECT_EQ(form->Text2.text(), "0");
    EXPECT_EQ(form->Text3.text(), "200");
    EXPECT_EQ(form->Label2.caption(), "Weight (kg):");
    EXPECT_TRUE(form->Option1.value());
    EXPECT_FALSE(form->Option2.value());
    EXPECT_TRUE(form->Text1.bold());
    EXPECT_EQ(form->Text1.fontSize(), 20);
    EXPECT_FALSE(form->Text2.visible());
    EXPECT_FALSE(form->Text3.visible());
    EXPECT_EQ(form->Image2.toolTip(), desktop.productPageAddress());
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
            form->Option2.select();
        else
            form->Option1.select();
        form->Text1.setText(row.typed);
        EXPECT_EQ(form->Text2.text(), row.kilograms) << (row.pounds ? "lb " : "kg ") << row.typed;
    }
}

TEST_F(MainWindow, SwitchingTheUnitEmptiesTheBoxAndRenamesItsCaption)
{
    form->Text1.setText("80");
    form->Option2.select();
    EXPECT_EQ(form->Text1.text(), "");
    EXPECT_EQ(form->Text2.text(), "0");
    EXPECT_EQ(form->Label2.caption(), "Weight (Pounds)");
    EXPECT_TRUE(form->Text1.hasFocus());
    form->Text1.setText("150");
    EXPECT_EQ(form->Text2.text(), "68");
    form->Option2.select(); // already selected: the weight stays
    EXPECT_EQ(form->Text1.text(), "150");
    form->Option1.select();
    EXPECT_EQ(form->Text1.text(), "");
    EXPECT_EQ(form->Text2.text(), "0");
    EXPECT_EQ(form->Label2.caption(), "Weight (Kg)");
}

TEST_F(MainWindow, BannerOpensTheProductPageAndClosingEndsTheProgram)
{
    form->Image2.click();
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0], desktop.productPageAddress());
    form->Image1.click(); // no calculator registered in this test: nothing happens
    form->Image3.click();
    EXPECT_FALSE(windows.quitRequested());
    form->Form_Unload();
    EXPECT_TRUE(windows.quitRequested());
}

TEST_F(MainWindow, EnormousAndPastedWeightsStayReadable)
{
    form->Text1.setText(std::string(400, '9'));
    EXPECT_FALSE(form->Text2.text().empty());
    EXPECT_EQ(form->Text2.text().find_first_not_of("0123456789"), std::string::npos);
    form->Option2.select();
    form->Text1.setText(std::string(1 << 20, '7'));
    EXPECT_EQ(form->Text2.text().find_first_not_of("0123456789"), std::string::npos);
    form->Text1.setText("\xC3\xA9\x01\x7F-,");
    EXPECT_EQ(form->Text2.text(), "0");
}

} // namespace
} // namespace movesta
