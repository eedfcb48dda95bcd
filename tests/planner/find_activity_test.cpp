// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding an activity by any word typed into Combo1.

#include <algorithm>
#include <sstream>

#include "core/catalogue.h"
#include "planner_session.h"
#include "support/snapshot.h"

namespace movesta::testing {
namespace {

// The catalogue rows whose lower-case names hold every blank-separated word of `typed`.
std::vector<int> rowsHolding(const std::string& typed)
{
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return text;
    };
    std::vector<std::string> words;
    std::istringstream in(lower(typed));
    for (std::string word; in >> word;)
        words.push_back(word);
    std::vector<int> rows;
    for (std::size_t i = 0; i < kCatalogue.size() && !words.empty(); ++i) {
        const std::string name = lower(std::string(kCatalogue[i].name));
        if (std::all_of(words.begin(), words.end(),
                        [&](const std::string& w) { return name.find(w) != std::string::npos; }))
            rows.push_back(static_cast<int>(i));
    }
    return rows;
}

// The window's state apart from Combo1, whose text is what the user typed.
std::string allButCombo1(const Form7& p)
{
    std::istringstream in(Snapshot(p));
    std::string kept;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("Combo1 ", 0) != 0)
            kept += line + "\n";
    return kept;
}

using FindActivity = PlannerSession;

TEST_F(FindActivity, EachKeyOffersTheRowsFoundAndChangesNothingElse)
{
    Form7& p = open("70");
    const std::string before = allButCombo1(p);
    std::string typed;
    for (const char key : std::string("Swim lap")) {
        Type(p.Combo1, std::string(1, key));
        typed += key;
        EXPECT_EQ(p.FoundActivities(), rowsHolding(typed)) << typed;
    }
    EXPECT_EQ(p.Combo1.text(), "Swim lap");
    EXPECT_FALSE(p.FoundActivities().empty());
    Type(p.Combo1, "\b\b\b\b"); // back to "Swim"
    EXPECT_EQ(p.FoundActivities(), rowsHolding("swim"));
    // Typing alone chose nothing: no factors, no name above the list, no preview.
    EXPECT_EQ(allButCombo1(p), before);
    EXPECT_EQ(p.Label2.caption(), "");
    EXPECT_EQ(p.Label19.caption(), "");

    // Escape closes the list and leaves the text; the next key finds again.
    p.CloseFoundActivities();
    EXPECT_TRUE(p.FoundActivities().empty());
    EXPECT_EQ(p.Combo1.text(), "Swim");
    Type(p.Combo1, " xyzzy");
    EXPECT_TRUE(p.FoundActivities().empty());
    Type(p.Combo1, "\b\b\b\b\b\b");
    EXPECT_EQ(p.FoundActivities(), rowsHolding("swim"));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(FindActivity, ChoosingAFoundRowIsChoosingThatRowFromTheList)
{
    const struct {
        const char* typed;
        int position;
    } cases[] = {{"swim lap", 1}, {"CYCL", 0}, {"cycl", 5}, {"accordion", 0}, {"writing", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Form7& p = open("70");
        p.Combo5.choose(6); // 30 minutes
        Type(p.Combo1, c.typed);
        ASSERT_GT(p.FoundActivities().size(), static_cast<std::size_t>(c.position));
        const int row = p.FoundActivities()[static_cast<std::size_t>(c.position)];
        p.ChooseFoundActivity(c.position);
        EXPECT_TRUE(p.FoundActivities().empty());

        HeadlessProgram other;
        Form7& q = other.openPlanner("70");
        q.Combo5.choose(6);
        q.Combo1.choose(row);
        EXPECT_EQ(Snapshot(p), Snapshot(q));
        EXPECT_EQ(p.Label19.caption(), std::string(kCatalogue[static_cast<std::size_t>(row)].name));
        EXPECT_NE(p.Label14.caption(), "");
        close(p);
    }
    // A position outside the list chooses nothing.
    Form7& p = open("70");
    Type(p.Combo1, "swim");
    p.ChooseFoundActivity(static_cast<int>(p.FoundActivities().size()));
    p.ChooseFoundActivity(-1);
    EXPECT_EQ(p.Label19.caption(), "");
    EXPECT_EQ(p.FoundActivities(), rowsHolding("swim"));
}

} // namespace
} // namespace movesta::testing
