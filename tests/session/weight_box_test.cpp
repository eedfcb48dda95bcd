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

// A weight box after a text was pasted into it holds the first three characters of it.
bool KeepsFirstThree(std::string_view pasted, const TextBox& box)
{
    return box.text() == LeftCharacters(pasted, 3);
}

// Typed key by key, only digits get in, never more than three.
void TypeDigitsOnly(TextBox& box, std::string_view data)
{
    Type(box, data);
    EXPECT_LE(CharacterCount(box.text()), 3u) << "typed: " << fuzz::Shown(box.text());
    EXPECT_EQ(box.text().find_first_not_of("0123456789"), std::string::npos)
        << "typed: " << fuzz::Shown(box.text());
}

// Pasted whole, any text is cut to three characters.
void PasteCutToThree(TextBox& box, std::string_view data)
{
    box.setText(std::string(data));
    EXPECT_TRUE(KeepsFirstThree(data, box)) << "pasted, it holds " << fuzz::Shown(box.text());
}

// The time-to-burn box: no message ever; red when empty, the normal colour for a weight above 0
// and below 800, otherwise the colour it had; nothing else of the window moves.
void TimeToBurnKeepsItsRules(std::string_view data)
{
    HeadlessProgram program;
    program.desktop.answerAllOk();
    Form4& form = program.openTimeToBurn("");
    TypeDigitsOnly(form.Text1, data);
    const Color before = form.Text1.backColor();
    PasteCutToThree(form.Text1, data);
    const double value = ReadLeadingNumber(form.Text1.text());
    EXPECT_EQ(form.Text1.backColor(), form.Text1.text().empty()    ? kPureRed
                                      : (value > 0 && value < 800) ? Color::system(Color::Kind::ButtonFace)
                                                                   : before);
    EXPECT_TRUE(program.desktop.messages.empty());
    EXPECT_TRUE(form.List1.listIndex() == -1 && form.Label13.caption().empty() && form.Text2.text() == "200");
}

// The planner box: a pasted weight that is no number or above 800 shows one message and turns
// the box red, for good; the list and the totals never move.
void PlannerKeepsItsRules(std::string_view data)
{
    HeadlessProgram program;
    program.desktop.answerAllOk();
    Form7& form = program.openPlanner("");
    TypeDigitsOnly(form.Text1, data);
    const std::string typed = form.Text1.text();
    const bool wasRed = form.Text1.backColor() == kPureRed;
    const std::size_t messages = program.desktop.messages.size();
    PasteCutToThree(form.Text1, data);
    const std::string& weight = form.Text1.text();
    bool refused = !weight.empty();
    try {
        refused = refused && ReadDecimalNumber(weight) > 800;
    } catch (const ConversionError&) {
    }
    const std::size_t shown = program.desktop.messages.size() - messages;
    EXPECT_EQ(shown, refused && std::string_view(typed) != data ? 1u : 0u) << fuzz::Shown(weight);
    EXPECT_TRUE((shown == 0 && !wasRed) || form.Text1.backColor() == kPureRed) << "not red after a refusal";
    for (const ListBox* list : {&form.List1, &form.List2, &form.List3, &form.List4, &form.List5})
        EXPECT_EQ(list->listCount(), 0) << list->name();
    for (const Label* total : {&form.Label24, &form.Label16, &form.Label18, &form.Label21})
        EXPECT_EQ(total->caption(), "0") << total->name();
}

TEST(WeightBoxes, KeepTheirRulesForEveryInputOfTheKeyFilterCorpus)
{
    const std::vector<CorpusInput> inputs = FuzzCorpus("key_filter_fuzzer");
    EXPECT_GE(inputs.size(), 20u);
    for (const CorpusInput& input : inputs) {
        SCOPED_TRACE(input.file.string());
        PlannerKeepsItsRules(input.data);
        TimeToBurnKeepsItsRules(input.data);
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
        EXPECT_FALSE(KeepsFirstThree(pasted, box)) << pasted;
        box.setText(LeftCharacters(pasted, 3));
        EXPECT_TRUE(KeepsFirstThree(pasted, box)) << pasted;
    }
}

} // namespace
} // namespace movesta::testing
