// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's loading, its inputs and the live preview.

#include "core/catalogue.h"
#include "planner_session.h"
#include "support/snapshot.h"

namespace movesta::testing {
namespace {

using Preview = std::array<std::string, 4>; // Label28 hours, Label29 minutes, Label14 kJ, Label27 kcal

Preview previewOf(const Form7& p)
{
    return {p.Label28.caption(), p.Label29.caption(), p.Label14.caption(), p.Label27.caption()};
}

const std::string kWeightMessage = "Weight too high!\r\nPlease check your input";

using PlannerInputs = PlannerSession;

// The weight taken over, nothing chosen, 1 h shown while the preview has not yet counted it,
// totals 0, the three catalogue columns aligned and the usual duration steps.
TEST_F(PlannerInputs, OpensWithTheMainWindowWeightAndNothingChosen)
{
    Form7& p = open("70");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(Snapshot(p), CommittedSnapshot("form7_loaded", p));

    // Saving the report, cancelled in its dialog, changes nothing at all.
    const std::string before = Snapshot(p);
    desktop.expectSaveDialog("");
    p.spr.click();
    EXPECT_EQ(Snapshot(p), before);
    EXPECT_TRUE(desktop.clipboardLog.empty());
}

TEST_F(PlannerInputs, WeightTakenOverAtLoading)
{
    struct Case {
        const char* mainWeight;
        const char* plannerWeight;
        bool warned; // the weight message, shown before the planner is
    };
    const Case cases[] = {
        {"", "0", false},        {"800", "800", false}, {"801", "801", true},
        {"12345", "123", false}, {"9999", "999", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mainWeight);
        std::vector<bool> shownAtMessage;
        desktop.messages.clear();
        desktop.answerAll([&](const MessageCall&) {
            shownAtMessage.push_back(windows.find(kPlannerId)->isShown());
            return kAnswerOk;
        });
        Form7& p = open(c.mainWeight);
        EXPECT_EQ(p.Text1.text(), c.plannerWeight);
        ASSERT_EQ(desktop.messages.size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(desktop.messages[0].prompt, kWeightMessage);
            EXPECT_FALSE(shownAtMessage[0]);
        }
        EXPECT_EQ(p.Text1.backColor(), c.warned ? kPureRed : Color{});
        EXPECT_FALSE(p.Text1.hasFocus()); // the focus could not be moved while loading
        close(p);
    }
}

TEST_F(PlannerInputs, WeightCheck)
{
    struct Case {
        const char* name;
        bool typed; // typed key by key into the emptied box, or pasted over the weight
        const char* keys;
        const char* text;
        bool warned;
        const char* focus; // control with the focus afterwards, "" for none
    };
    const Case cases[] = {
        {"800 passes", false, "800", "800", false, "Combo1"},
        {"801 fails", false, "801", "801", true, "Text1"},
        {"third digit moves on", true, "123", "123", false, "Combo1"},
        {"only digits are typed", true, "7,-. a5", "75", false, ""},
        {"pasted 12345", false, "12345", "123", false, "Combo1"},
        {"pasted 9999 warns once", false, "9999", "999", true, "Text1"},
        {"pasted letter", false, "7a", "7a", true, "Text1"},
        {"pasted 70,5 is cut to 70,", false, "70,5", "70,", false, "Combo1"},
        {"cut by characters", false, "\u00E9\u00E912", "\u00E9\u00E91", true, "Text1"},
        {"cleared", false, "", "", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form7& p = open("70");
        desktop.messages.clear();
        if (c.warned)
            desktop.expectMessage();
        if (c.typed) {
            p.Text1.setText("");
            Type(p.Text1, c.keys);
        } else {
            p.Text1.setText(c.keys);
        }
        EXPECT_EQ(p.Text1.text(), c.text);
        ASSERT_EQ(desktop.messages.size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(desktop.messages[0].prompt, kWeightMessage);
            EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
            EXPECT_EQ(desktop.messages[0].buttons, MessageButtons::Ok);
            EXPECT_EQ(desktop.messages[0].title, kApplicationTitle);
        }
        EXPECT_EQ(p.Text1.backColor(), c.warned ? kPureRed : Color{});
        const Control* focus = p.focusedControl();
        EXPECT_EQ(focus ? focus->name() : "", c.focus);
        if (c.warned) {
            // Nothing but a new loading restores the colour.
            p.Text1.setText("80");
            EXPECT_EQ(p.Text1.backColor(), kPureRed);
        }
        close(p);
    }
}

TEST_F(PlannerInputs, AccordionAt70KilogramsForAnHourAndAHalf)
{
    Form7& p = open("70");
    p.Combo1.choose(kAccordion);
    EXPECT_EQ(p.Label19.caption(), "Accordion, playing");
    EXPECT_EQ(p.Label2.caption(), "7,5");
    EXPECT_EQ(p.Label3.caption(), "1,8");
    EXPECT_EQ(previewOf(p), (Preview{"1", "0", "525,0", "126,0"}));
    p.Combo5.choose(6);
    EXPECT_EQ(previewOf(p), (Preview{"1", "30", "787,5", "189,0"}));

    // A new weight is only counted when the activity or the duration is touched again.
    p.Text1.setText("80");
    EXPECT_EQ(previewOf(p), (Preview{"1", "30", "787,5", "189,0"}));
    p.Combo4.choose(1);
    EXPECT_EQ(previewOf(p), (Preview{"1", "30", "900,0", "216,0"}));

    // Editing the name changes neither the factors nor the name shown above the list.
    p.Combo1.setText("Accordion, concert");
    EXPECT_EQ(p.Label19.caption(), "Accordion, playing");
    EXPECT_EQ(p.Label3.caption(), "1,8");
    // Choosing the row again brings its name back.
    p.Combo1.choose(kAccordion);
    EXPECT_EQ(p.Combo1.text(), "Accordion, playing");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(PlannerInputs, PreviewOfEachInput)
{
    struct Case {
        const char* name;
        const char* weight;
        bool chooseAccordion;
        std::string hours;
        const char* minutes;
        Preview preview;
    };
    const Case cases[] = {
        {"duration without an activity", "70", false, "2", "0", {"2", "0", "", ""}},
        {"activity without a weight", "", true, "1", "0", {"1", "0", "", ""}},
        {"weight 0 gives zero energies", "0", true, "1", "0", {"1", "0", "0,0", "0,0"}},
        {"90 typed minutes", "70", true, "0", "90", {"0", "90", "787,5", "189,0"}},
        {"hours through the mask", "70", true, "007", "0", {"7", "0", "3675,0", "882,0"}},
        {"unreadable minutes", "70", true, "1", "3x", {"1", "3x", "", ""}},
        {"emptied hours", "70", true, "", "0", {"", "0", "", ""}},
        {"enormous pasted hours",
         "70",
         true,
         std::string(400, '9'),
         "0",
         {"179769313486232" + std::string(294, '0'), "0", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form7& p = open("70");
        p.Text1.setText(c.weight);
        if (c.chooseAccordion)
            p.Combo1.choose(kAccordion);
        p.Combo4.setText(c.hours);
        p.Combo5.setText(c.minutes);
        EXPECT_EQ(previewOf(p), c.preview);
        EXPECT_TRUE(desktop.messages.empty());
        close(p);
    }
}

TEST_F(PlannerInputs, NumericBoxesTakeDigitsAndControlKeysOnly)
{
    Form7& p = open();
    for (const TextBox* box : std::initializer_list<const TextBox*>{&p.Text1, &p.Combo4, &p.Combo5}) {
        const std::array<int, 4> passed{box->keyPress('7'), box->keyPress(22), box->keyPress(','),
                                        box->keyPress(27)};
        EXPECT_EQ(passed, (std::array<int, 4>{'7', 22, 0, 0})) << box->name();
    }
    EXPECT_EQ(p.Combo1.keyPress(','), ','); // the activity name can be edited freely
}

} // namespace
} // namespace movesta::testing
