// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "core/catalogue.h"
#include "support/headless_program.h"
#include "support/snapshot.h"

namespace movesta {
namespace {

constexpr const char* kRefusal = "Enter the weight and energy expenditure!";
constexpr Color kButtonFace = Color::system(Color::Kind::ButtonFace);

int rowOf(std::string_view name)
{
    for (std::size_t i = 0; i < kCatalogue.size(); ++i)
        if (kCatalogue[i].name == name)
            return static_cast<int>(i);
    ADD_FAILURE() << "no catalogue row \"" << name << "\"";
    return -1;
}

struct TimeToBurn : ::testing::Test, testing::HeadlessProgram {
    // Types the weight into the main window and opens the calculator afresh.
    Form4& open(const std::string& mainWeight)
    {
        if (Form4* form = timeToBurn())
            form->Image2.click();
        windows.destroyUnloaded();
        return openTimeToBurn(mainWeight);
    }
};

TEST_F(TimeToBurn, ResultsAndHeadingsForTypedInputs)
{
    struct Row {
        const char* weight;
        const char* energy;
        const char* activity;
        const char* result;
        const char* heading;
    };
    const Row rows[] = {
        {"70", "200", "Aerobic, low impact", "34 min",
         "Time required to burn 200 kcal for Aerobic, low impact:"},
        // T = 95,24: the whole hours round up to 2 and are lowered again
        {"70", "200", "Accordion, playing", "1 h : 35 min",
         "Time required to burn 200 kcal for Accordion, playing:"},
        {"50", "300", "Bakery, general", "1 h : 30 min",
         "Time required to burn 300 kcal for Bakery, general:"},
        {"50", "200", "Bakery, general", "1 h : 0 min",
         "Time required to burn 200 kcal for Bakery, general:"},
        // T = 59,7 is under an hour, though it rounds to 60
        {"50", "199", "Bakery, general", "60 min", "Time required to burn 199 kcal for Bakery, general:"},
        {"70", "200", "Writing, reclining ", "3 h : 10 min",
         "Time required to burn 200 kcal for Writing, reclining :"},
        {"70", "0", "Aerobic, low impact", "0 min", "Time required to burn 0 kcal for Aerobic, low impact:"},
        {"70", "0200", "Aerobic, low impact", "34 min",
         "Time required to burn 0200 kcal for Aerobic, low impact:"},
        // whole hours written without decimals or leading zeros
        {"1", "5000", "Writing, reclining ", "5555 h : 34 min",
         "Time required to burn 5000 kcal for Writing, reclining :"},
        {"999", "9", "Accordion, playing", "0 min", "Time required to burn 9 kcal for Accordion, playing:"},
    };
    for (const Row& row : rows) {
        Form4& form = open(row.weight);
        ASSERT_EQ(form.Text1.text(), row.weight);
        form.Text2.setText(row.energy);
        const int index = rowOf(row.activity);
        form.List1.setListIndex(index);
        EXPECT_EQ(form.Label13.caption(), row.result) << row.weight << " kg, " << row.energy << " kcal";
        EXPECT_EQ(form.Label14.caption(), row.heading);
        EXPECT_EQ(form.Label6.caption(), row.activity);
        EXPECT_EQ(form.List2.listIndex(), index);
        EXPECT_EQ(form.List3.listIndex(), index);
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(TimeToBurn, RefusedInputsShowTheMessageAndKeepTheFormerResult)
{
    Form4& form = open("70");
    form.List1.setListIndex(rowOf("Aerobic, low impact"));
    ASSERT_EQ(form.Label13.caption(), "34 min");
    const std::string heading = form.Label14.caption();
    form.Text2.setFocus();

    struct Row {
        std::string weight;
        std::string energy;
    };
    const Row rows[] = {
        {"0", "200"},
        {"", "200"},
        {"70", ""},
        {"", ""},
        {"0,0", "200"},
        {"7 0", "200"},               // pasted: an inner blank is no number
        {"70", "2OO"},                // letter O
        {"-70", "200"},               // a pasted minus sign gets past the key filter
        {"70", "-200"},               // no negative times
        {"1", std::string(400, '9')}, // beyond the range of a double
    };
    const char* activities[] = {"Bakery, general", "Accordion, playing"};
    int turn = 0;
    for (const Row& row : rows) {
        form.Text1.setText(row.weight);
        form.Text2.setText(row.energy);
        const char* activity = activities[turn++ % 2];
        desktop.expectMessage(kAnswerOk);
        const std::size_t before = desktop.messages.size();
        form.List1.setListIndex(rowOf(activity));
        ASSERT_EQ(desktop.messages.size(), before + 1) << "weight \"" << row.weight << "\"";
        const testing::MessageCall& call = desktop.messages.back();
        EXPECT_EQ(call.prompt, kRefusal);
        EXPECT_EQ(call.icon, MessageIcon::Critical);
        EXPECT_EQ(call.buttons, MessageButtons::Ok);
        EXPECT_EQ(call.title, "Movesta");
        // the steps before the computation stay done; the result and its heading do not change
        EXPECT_EQ(form.Label6.caption(), activity);
        EXPECT_EQ(form.List3.listIndex(), rowOf(activity));
        EXPECT_EQ(form.List3.text(), kCatalogue[static_cast<std::size_t>(rowOf(activity))].kcal);
        EXPECT_EQ(form.Label13.caption(), "34 min");
        EXPECT_EQ(form.Label14.caption(), heading);
        EXPECT_TRUE(form.Text2.hasFocus());
    }
    EXPECT_EQ(desktop.pendingAnswers(), 0);
}

TEST_F(TimeToBurn, RefusalRightAfterLoadingLeavesResultAndHeadingEmpty)
{
    // An empty main weight box hands over "0"
    Form4& form = open("");
    ASSERT_EQ(form.Text1.text(), "0");
    desktop.expectMessage(kAnswerOk);
    form.List1.setListIndex(rowOf("Bakery, general"));
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(form.Label6.caption(), "Bakery, general");
    EXPECT_EQ(form.Label13.caption(), "");
    EXPECT_EQ(form.Label14.caption(), "");
    EXPECT_TRUE(form.Text1.hasFocus());
}

TEST_F(TimeToBurn, EditingTheFieldsChangesNothingUntilARowIsPickedAgain)
{
    Form4& form = open("70");
    form.List1.setListIndex(rowOf("Accordion, playing"));
    ASSERT_EQ(form.Label13.caption(), "1 h : 35 min");
    form.Text1.setText("50");
    form.Text2.setText("300");
    form.Text2.setText("");
    form.Text1.setText("");
    EXPECT_EQ(form.Label13.caption(), "1 h : 35 min");
    EXPECT_EQ(form.Label14.caption(), "Time required to burn 200 kcal for Accordion, playing:");
    form.Text1.setText("50");
    form.Text2.setText("300");
    form.List1.setListIndex(rowOf("Bakery, general"));
    EXPECT_EQ(form.Label13.caption(), "1 h : 30 min");
    EXPECT_EQ(form.Label14.caption(), "Time required to burn 300 kcal for Bakery, general:");
}

TEST_F(TimeToBurn, WeightKeepsThreeCharactersWhetherTypedPastedOrHandedOver)
{
    // handed over at load from the main window's kilogram text
    struct Loaded {
        const char* mainWeight;
        const char* weight;
    };
    const Loaded loads[] = {{"1234", "123"}, {"70.5", "70,"}, {"70", "70"}, {"abc", "0"}};
    for (const Loaded& row : loads)
        EXPECT_EQ(open(row.mainWeight).Text1.text(), row.weight) << row.mainWeight;

    struct Typed {
        std::string typed;
        std::string weight;
    };
    const Typed typed[] = {
        {"1234", "123"},
        {"99999", "999"},
        {"12", "12"},
        {"\xC3\xA9\xC3\xA9\xC3\xA9"
         "1",
         "\xC3\xA9\xC3\xA9\xC3\xA9"}, // never cut inside a character
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x83\x86", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
        {"7\xF0\x9F\x98\x80"
         "89",
         "7\xF0\x9F\x98\x80"
         "8"},
        {std::string(1 << 20, '7'), "777"},
    };
    Form4& form = open("70");
    for (const Typed& row : typed) {
        form.Text1.setText(row.typed);
        EXPECT_EQ(form.Text1.text(), row.weight);
    }
    // a cut weight still computes: "70," reads 70
    Form4& cut = open("70.5");
    cut.List1.setListIndex(rowOf("Aerobic, low impact"));
    EXPECT_EQ(cut.Label13.caption(), "34 min");
}

TEST_F(TimeToBurn, WeightColourAtLoadAndWhenEdited)
{
    const Color red = kPureRed;
    struct Step {
        bool load; // open afresh with this main weight, or type it into the open window
        const char* text;
        const char* shown;
        Color back;
    };
    const std::vector<std::vector<Step>> scenarios = {
        // above 800 at load is red; a change never turns a high value red, nor 800 normal
        {{true, "850", "850", red}, {false, "85", "85", kButtonFace}, {false, "850", "850", kButtonFace}},
        {{true, "800", "800", kButtonFace}, {false, "", "", red}, {false, "800", "800", red}},
        {{true, "801", "801", red}, {false, "799", "799", kButtonFace}},
        {{true, "9999", "999", red}},
        {{true, "1234", "123", kButtonFace}},
        // clearing turns it red; "0" leaves it red; "05" is a weight of 5
        {{true, "70", "70", kButtonFace},
         {false, "", "", red},
         {false, "0", "0", red},
         {false, "05", "05", kButtonFace}},
        {{true, "", "0", kButtonFace}, {false, "0", "0", kButtonFace}},
        {{true, "70", "70", kButtonFace},
         {false, "abc", "abc", kButtonFace},
         {false, "", "", red},
         {false, "abc", "abc", red},
         {false, "1", "1", kButtonFace}},
    };
    for (std::size_t s = 0; s < scenarios.size(); ++s) {
        Form4* form = nullptr;
        for (const Step& step : scenarios[s]) {
            if (step.load)
                form = &open(step.text);
            else
                form->Text1.setText(step.text);
            EXPECT_EQ(form->Text1.text(), step.shown) << "scenario " << s;
            EXPECT_EQ(form->Text1.backColor(), step.back)
                << "scenario " << s << ", weight \"" << step.text << "\"";
        }
    }
}

TEST_F(TimeToBurn, EmptyKilogramTextGivesAnEmptyRedWeight)
{
    // The main window always hands over a number; should its text ever be empty, the weight
    // field shows the need for attention at once.
    main.Text2.setText("");
    main.Image3.click();
    Form4& form = *timeToBurn();
    EXPECT_EQ(form.Text1.text(), "");
    EXPECT_EQ(form.Text1.backColor(), kPureRed);
    form.Text1.setText("65");
    EXPECT_EQ(form.Text1.backColor(), kButtonFace);
}

TEST_F(TimeToBurn, BothFieldsTakeDigitsAndControlKeysOnly)
{
    Form4& form = open("70");
    struct Key {
        int code;
        bool passes;
    };
    const Key keys[] = {
        {'0', true},  {'5', true},  {'9', true},   {8, true},       {22, true},   {26, true},
        {'a', false}, {'Z', false}, {'-', false},  {',', false},    {'.', false}, {' ', false},
        {27, false},  {127, false}, {0xE9, false}, {0x263A, false},
    };
    for (TextBox* box : {&form.Text1, &form.Text2}) {
        for (const Key& key : keys)
            EXPECT_EQ(box->keyPress(key.code), key.passes ? key.code : 0)
                << box->name() << " key " << key.code;
    }
}

TEST_F(TimeToBurn, LoadingCopiesTheMainWindowValuesOnceAndReopeningStartsAfresh)
{
    Form4& form = open("70");
    EXPECT_EQ(form.caption(), "Time required to burn calories");
    EXPECT_EQ(form.Text1.text(), "70");
    EXPECT_EQ(form.Text2.text(), "200");
    EXPECT_TRUE(form.Text1.hasFocus());
    form.Text1.setText("60");
    form.Text2.setText("500");
    form.List1.setListIndex(rowOf("Bakery, general"));
    ASSERT_EQ(form.Label13.caption(), "2 h : 5 min");

    // the main window's weight does not reach an open calculator; showing it again keeps it
    main.Text1.setText("90");
    form.Text2.setFocus();
    main.Image3.click();
    EXPECT_EQ(timeToBurn(), &form);
    EXPECT_EQ(form.Text1.text(), "60");
    EXPECT_EQ(form.Text2.text(), "500");
    EXPECT_EQ(form.Label13.caption(), "2 h : 5 min");
    EXPECT_TRUE(form.Text1.hasFocus()); // activated again

    form.Image2.click();
    EXPECT_FALSE(windows.isLoaded(kTimeToBurnId));
    windows.destroyUnloaded();
    main.Image3.click();
    Form4& again = *timeToBurn();
    EXPECT_EQ(again.Text1.text(), "90");
    EXPECT_EQ(again.Text2.text(), "200");
    EXPECT_EQ(again.List1.listIndex(), -1);
    EXPECT_EQ(again.List3.listIndex(), -1);
    EXPECT_EQ(again.Label6.caption(), "");
    EXPECT_EQ(again.Label13.caption(), "");
    EXPECT_EQ(again.Label14.caption(), "");
    EXPECT_TRUE(again.Text1.hasFocus());
    EXPECT_TRUE(main.Text1.text() == "90"); // nothing flowed back
}

// Captions, the catalogue in the three lists (only the names shown), fonts and colours.
TEST_F(TimeToBurn, WindowAsLoaded)
{
    Form4& form = open("70");
    EXPECT_EQ(testing::Snapshot(form), testing::CommittedSnapshot("form4_loaded", form));

    form.Image1.click();
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0], desktop.productPageAddress());
    EXPECT_TRUE(windows.isLoaded(kTimeToBurnId));
}

// Pasted junk in both fields and picks in any order never break the window: the weight keeps
// three characters, a result is a time that is never negative, and a refusal keeps the result.
TEST_F(TimeToBurn, RandomPastedInputsKeepTheWindowSound)
{
    Form4& form = open("70");
    desktop.answerAllOk();
    std::mt19937 random(20260417);
    const std::string pieces[] = {"0", "1", "5", "9",        "70",           ",",    ".",
                                  "-", " ", "e", "\xC3\xA9", "\xE2\x82\xAC", "\x01", "999999999999999999999",
                                  ""};
    const auto junk = [&] {
        std::string text;
        const int parts = static_cast<int>(random() % 6);
        for (int i = 0; i < parts; ++i)
            text += pieces[random() % std::size(pieces)];
        return text;
    };
    for (int i = 0; i < 3000; ++i) {
        form.Text1.setText(junk());
        form.Text2.setText(junk());
        const std::string before = form.Label13.caption();
        const std::size_t messages = desktop.messages.size();
        int row = static_cast<int>(random() % kCatalogueRows);
        if (row == form.List1.listIndex())
            row = (row + 1) % static_cast<int>(kCatalogueRows);
        form.List1.setListIndex(row);

        ASSERT_LE(CharacterCount(form.Text1.text()), 3u);
        ASSERT_EQ(form.List3.listIndex(), row);
        ASSERT_EQ(form.Label6.caption(), kCatalogue[static_cast<std::size_t>(row)].name);
        const std::string& result = form.Label13.caption();
        if (desktop.messages.size() > messages) {
            ASSERT_EQ(result, before);
        } else {
            ASSERT_FALSE(result.empty());
            ASSERT_NE(result[0], '-') << result;
            ASSERT_TRUE(result.ends_with(" min")) << result;
        }
    }
}

} // namespace
} // namespace movesta
