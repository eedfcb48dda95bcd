// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The target energy: set through the number dialog, shown in its row, the kcal total's share of
// it in Label25, and its line at the end of the report.

#include <functional>
#include <optional>

#include "planner_session.h"

namespace movesta::testing {
namespace {

class TargetEnergy : public PlannerSession {
protected:
    // Ctrl+T, and the dialog answered with `answer` (nullopt: Cancel).
    void askTarget(Form7& p, std::optional<std::string> answer)
    {
        desktop.expectNumber(std::move(answer));
        p.cilj.click();
    }
    // Target, whether its row shows (all four controls alike), and the share.
    static std::array<std::string, 3> targetOf(const Form7& p)
    {
        const bool shown = p.Label20.visible();
        EXPECT_EQ(p.Label23.visible(), shown);
        EXPECT_EQ(p.Label26.visible(), shown);
        EXPECT_EQ(p.Line5.visible(), shown);
        return {p.Label23.caption(), shown ? "row shown" : "row hidden", p.Label25.caption()};
    }
};

TEST_F(TargetEnergy, SetChangedAndRemovedThroughTheDialog)
{
    Form7& p = open("70");
    add(p, kJogging, "1", "0"); // 483,0 kcal
    const struct {
        std::optional<std::string> answer;
        std::array<std::string, 3> after;
    } steps[] = {
        {std::nullopt, {"", "row hidden", ""}}, // Cancel without a target
        {"1500", {"1500", "row shown", "32 %"}},
        {std::nullopt, {"1500", "row shown", "32 %"}}, // Cancel keeps it
        {" 01000 ", {"1000", "row shown", "48 %"}},    // blanks and a leading zero
        {"12a", {"1000", "row shown", "48 %"}},        // pasted junk changes nothing
        {"1,5", {"1000", "row shown", "48 %"}},
        {"-500", {"1000", "row shown", "48 %"}},
        {"123456", {"1000", "row shown", "48 %"}}, // six digits
        {"99999", {"99999", "row shown", "0 %"}},
        {"0", {"", "row hidden", ""}},
        {"300", {"300", "row shown", "161 %"}},
        {"", {"", "row hidden", ""}},
        {"00000", {"", "row hidden", ""}},
    };
    std::string current;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.answer.value_or("<Cancel>"));
        askTarget(p, step.answer);
        // The dialog opened holding the target as it stood, for five digits at most.
        ASSERT_FALSE(desktop.numberQuestions.empty());
        EXPECT_EQ(desktop.numberQuestions.back().current, current);
        EXPECT_EQ(desktop.numberQuestions.back().digits, 5);
        EXPECT_EQ(targetOf(p), step.after);
        current = p.Label23.caption();
    }
    EXPECT_EQ(desktop.numberQuestions.back().prompt, "Target energy expenditure (kcal):");
    EXPECT_EQ(p.Label20.caption(), "Ciljana energetska potro\u0161nja:");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(TargetEnergy, ShareFollowsAddsAndDeletions)
{
    Form7& p = open("70");
    askTarget(p, "1000");
    EXPECT_EQ(p.Label25.caption(), "0 %");
    const struct {
        std::function<void()> act;
        const char* total;
        const char* share;
    } steps[] = {
        {[&] { add(p, kJogging, "1", "0"); }, "483,0", "48 %"},
        {[&] { add(p, kJogging, "1", "0"); }, "966,0", "97 %"},
        {[&] { add(p, kBowling, "1", "0"); }, "1183,0", "118 %"},
        {[&] {
             p.List4.setListIndex(0);
             p.br_p.click();
         },
         "700", "70 %"},
        {[&] { add(p, kAccordion, "0", "30"); }, "763,0", "76 %"},
        {[&] {
             desktop.expectMessage(kAnswerYes);
             p.br_s.click();
         },
         "0", "0 %"},
    };
    for (const auto& step : steps) {
        step.act();
        SCOPED_TRACE(step.total);
        EXPECT_EQ(p.Label21.caption(), step.total);
        EXPECT_EQ(p.Label25.caption(), step.share);
    }
}

TEST_F(TargetEnergy, ShareRoundsToWholePercentsAndLeavesAnUnreadableTotalEmpty)
{
    const struct {
        const char* target;
        const char* total;
        const char* share;
    } cases[] = {
        {"1500", "857,1", "57 %"},
        {"1500", "1950,0", "130 %"},
        {"1008", "126,0", "13 %"}, // 12,5 rounds up
        {"3", "1", "33 %"},
        {"3", "2", "67 %"},
        {"1000", "4,9", "0 %"},
        {"1000", "5", "1 %"},
        {"1", "99999,9", "9999990 %"},
        {"1000", "abc", ""},
        {"1000", "", ""},
    };
    Form7& p = open("70");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.target) + " " + c.total);
        askTarget(p, c.target);
        p.Label21.setCaption("1"); // a known total first, so that the case's total is a change
        p.Label21.setCaption(c.total);
        EXPECT_EQ(p.Label25.caption(), c.share);
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(TargetEnergy, ReportEndsWithTheTargetLineWhileOneIsSet)
{
    Form7& p = open("70");
    add(p, kJogging, "1", "0");
    p.kopi.click();
    const std::string withoutTarget = desktop.clipboard;
    ASSERT_TRUE(withoutTarget.ends_with(" = 483,0 kcal")) << withoutTarget;

    askTarget(p, "1500");
    p.kopi.click();
    EXPECT_EQ(desktop.clipboard, withoutTarget + "\r\nTarget energy expenditure = 1500 kcal (32 %)");
    // The table on the clipboard, like the saved files, carries the same line.
    EXPECT_NE(desktop.clipboardHtml.find("Target energy expenditure"), std::string::npos);
    EXPECT_NE(desktop.clipboardHtml.find("1500 kcal (32 %)"), std::string::npos);
    ASSERT_TRUE(p.TargetEnergyLine());
    EXPECT_EQ(p.TargetEnergyLine()->label + " = " + p.TargetEnergyLine()->value,
              "Target energy expenditure = 1500 kcal (32 %)");

    p.Label21.setCaption("abc"); // no share to write
    p.kopi.click();
    EXPECT_TRUE(desktop.clipboard.ends_with(" abc kcal\r\nTarget energy expenditure = 1500 kcal"))
        << desktop.clipboard;
    p.Label21.setCaption("483,0");

    // Removed again, the report is today's to the byte.
    askTarget(p, "");
    p.kopi.click();
    EXPECT_EQ(desktop.clipboard, withoutTarget);
    EXPECT_FALSE(p.TargetEnergyLine());
}

TEST_F(TargetEnergy, LivesAsLongAsTheWindow)
{
    Form7& p = open("70");
    askTarget(p, "1500");
    close(p);
    Form7& again = open("70");
    EXPECT_EQ(targetOf(again), (std::array<std::string, 3>{"", "row hidden", ""}));
    add(again, kJogging, "1", "0");
    EXPECT_EQ(again.Label25.caption(), "");
}

} // namespace
} // namespace movesta::testing
