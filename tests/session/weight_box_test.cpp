// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The weight boxes of both calculators with each committed input of the key filter's fuzz target
// typed into them key by key, then pasted whole: whatever the bytes, the box and the window keep
// their rules.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "../../fuzz/checks.h"
#include "core/number_rules.h"
#include "platform/controls.h"
#include "support/fuzz_corpus.h"
#include "support/headless_program.h"

namespace movesta::testing {
namespace {

// A weight box after a text was typed or pasted into it holds the first three characters of it.
std::string CheckWeightCut(std::string_view pasted, const TextBox& box)
{
    if (box.text() != LeftCharacters(pasted, 3)) {
        return "the weight box holds \"" + fuzz::Shown(box.text()) + "\" after \"" + fuzz::Shown(pasted) +
               "\" was pasted; expected its first three characters";
    }
    return {};
}

// Typing the data key by key into a weight box lets only digits in, never more than three.
std::string CheckTypedWeight(TextBox& box, std::string_view data)
{
    Type(box, data);
    const std::string& typed = box.text();
    if (CharacterCount(typed) > 3 || typed.find_first_not_of("0123456789") != std::string::npos) {
        return "typing left \"" + fuzz::Shown(typed) + "\" in the weight box";
    }
    return {};
}

// The time-to-burn weight box: typed, only digits get in, never more than three; pasted, any
// text is cut to three characters; no message ever; red when empty, the normal colour for a
// weight above 0 and below 800, otherwise the colour it had; nothing else of the window moves.
std::string CheckTimeToBurnWeightBox(std::string_view data)
{
    HeadlessProgram program;
    program.desktop.answerAllOk();
    Form4& form = program.openTimeToBurn("");
    const std::string where = "time to burn, input \"" + fuzz::Shown(data) + "\": ";

    if (std::string failure = CheckTypedWeight(form.Text1, data); !failure.empty()) {
        return where + failure;
    }
    const Color before = form.Text1.backColor();
    form.Text1.setText(std::string(data));
    if (std::string failure = CheckWeightCut(data, form.Text1); !failure.empty()) {
        return where + failure;
    }
    const std::string& weight = form.Text1.text();
    const double value = ReadLeadingNumber(weight);
    const Color expected = weight.empty()               ? kPureRed
                           : (value > 0 && value < 800) ? Color::system(Color::Kind::ButtonFace)
                                                        : before;
    if (form.Text1.backColor() != expected) {
        return where + "wrong background of the weight box holding \"" + fuzz::Shown(weight) + "\"";
    }
    if (!program.desktop.messages.empty()) {
        return where + "a message box was shown";
    }
    if (form.List1.listIndex() != -1 || !form.Label13.caption().empty() || form.Text2.text() != "200") {
        return where + "the weight box changed other fields of the window";
    }
    return {};
}

// The planner weight box: typed, only digits get in, never more than three; pasted, any text is
// cut to three characters, and a weight that is no number or above 800 shows one message and turns
// the box red, for good; the list and the totals never move.
std::string CheckPlannerWeightBox(std::string_view data)
{
    HeadlessProgram program;
    program.desktop.answerAllOk();
    Form7& form = program.openPlanner("");
    const std::string where = "planner, input \"" + fuzz::Shown(data) + "\": ";

    if (std::string failure = CheckTypedWeight(form.Text1, data); !failure.empty()) {
        return where + failure;
    }
    const std::string typed = form.Text1.text();
    const bool wasRed = form.Text1.backColor() == kPureRed;
    const std::size_t messagesBefore = program.desktop.messages.size();
    form.Text1.setText(std::string(data));
    if (std::string failure = CheckWeightCut(data, form.Text1); !failure.empty()) {
        return where + failure;
    }
    const std::string& weight = form.Text1.text();
    bool rejected = !weight.empty();
    try {
        rejected = rejected && ReadDecimalNumber(weight) > 800;
    } catch (const ConversionError&) {
    }
    const int shown = static_cast<int>(program.desktop.messages.size() - messagesBefore);
    const int expectedMessages = rejected && std::string_view(typed) != data ? 1 : 0;
    if (shown != expectedMessages) {
        return where + std::to_string(shown) + " weight messages for \"" + fuzz::Shown(weight) +
               "\", expected " + std::to_string(expectedMessages);
    }
    if ((shown > 0 || wasRed) && form.Text1.backColor() != kPureRed) {
        return where + "the weight box is not red after a refused weight";
    }
    for (const ListBox* list : {&form.List1, &form.List2, &form.List3, &form.List4, &form.List5}) {
        if (list->listCount() != 0) {
            return where + "a row appeared in " + list->name();
        }
    }
    for (const Label* total : {&form.Label24, &form.Label16, &form.Label18, &form.Label21}) {
        if (total->caption() != "0") {
            return where + "the total " + total->name() + " changed";
        }
    }
    return {};
}

TEST(WeightBoxes, KeepTheirRulesForEveryInputOfTheKeyFilterCorpus)
{
    const std::vector<CorpusInput> inputs = FuzzCorpus("key_filter_fuzzer");
    EXPECT_GE(inputs.size(), 20u);
    for (const CorpusInput& input : inputs) {
        EXPECT_EQ(CheckPlannerWeightBox(input.data), "") << input.file;
        EXPECT_EQ(CheckTimeToBurnWeightBox(input.data), "") << input.file;
    }
}

// A weight box without the three-character rule is what the weight check must catch.
TEST(WeightBoxes, CutCheckCatchesABoxThatKeepsTheWholeText)
{
    FakeDesktop desktop;
    Window window(desktop, "plain");
    TextBox box(window, "Text1");
    for (const char* pasted : {"12345", "9999", "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"}) {
        box.setText(pasted);
        EXPECT_NE(CheckWeightCut(pasted, box), "") << pasted;
        box.setText(LeftCharacters(pasted, 3));
        EXPECT_EQ(CheckWeightCut(pasted, box), "") << pasted;
    }
}

} // namespace
} // namespace movesta::testing
