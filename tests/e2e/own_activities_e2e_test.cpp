// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An own activity on real widgets, as a person works with it: added in "My Activities", found
// in the planner by a word of its name, added and saved to the day; in the next program it is
// the first of the most used.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "diary/my_activities.h"
#include "e2e_support.h"

namespace movesta {
namespace {

using testing::press;

Form7& plannerAt70(testing::App& app)
{
    app.form1->Text1.setText("70");
    app.form1->Image1.click();
    return *app.windows->find<Form7>();
}

TEST(OwnActivitiesE2E, AddedFoundSavedAndFirstOfTheMostUsedInTheNextProgram)
{
    auto first = std::make_unique<testing::App>();
    Form7& planner = plannerAt70(*first);
    ASSERT_TRUE(first->activate(planner));
    press(Qt::Key_M, Qt::ControlModifier);
    MyActivities* own = first->windows->find<MyActivities>();
    ASSERT_TRUE(own && first->activate(*own));
    auto* name = first->widget<QLineEdit>(*own, own->Name);
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, "Spinning class");
    QTest::keyClick(name, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "8,5");
    QTest::mouseClick(first->widget<QPushButton>(*own, own->Add), Qt::LeftButton);
    ASSERT_EQ(own->Names.items(), std::vector<std::string>{"Spinning class"});

    // Found by a word of its name, marked as one's own, chosen with the keys and added.
    ASSERT_TRUE(first->activate(planner));
    auto* activity = first->widget<QComboBox>(planner, planner.Combo1);
    QTest::mouseClick(activity->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(activity, "spinn");
    QListView* found = first->view(planner)->findChild<QListView*>(QStringLiteral("findPopup"));
    ASSERT_TRUE(found && found->isVisible());
    EXPECT_EQ(found->model()->index(0, 0).data().toString(), "Spinning class (my activity)");
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(planner.Label27.caption(), "595,0"); // 8,5 kcal x 70 kg x 1 h
    QTest::mouseClick(first->view(planner)->widgetOf(planner.Image5), Qt::LeftButton);
    ASSERT_EQ(planner.List1.listCount(), 1);
    first->desktop.expectDate("2026-12-09");
    press(Qt::Key_D, Qt::ControlModifier);
    const std::string file = first->diary.store.path();
    first->windows.reset(); // the first program ends; its diary stays

    testing::App next(file);
    Form7& again = plannerAt70(next);
    ASSERT_TRUE(next.activate(again));
    found = next.view(again)->findChild<QListView*>(QStringLiteral("findPopup"));
    ASSERT_TRUE(QTest::qWaitFor([found] { return found->isVisible(); }));
    EXPECT_EQ(found->model()->index(0, 0).data().toString(), "Spinning class (my activity)");
    auto* heading = found->findChild<QLabel*>(QStringLiteral("findHeading"));
    ASSERT_TRUE(heading && heading->isVisible());
    EXPECT_EQ(heading->text(), "Most used in the last 60 days");
    EXPECT_EQ(found->accessibleName(), heading->text());
    // The arrows still step through the catalogue; a click chooses from the most used.
    press(Qt::Key_Down);
    EXPECT_EQ(again.Combo1.listIndex(), 0);
    EXPECT_FALSE(found->isVisible());
    QTest::keyClick(next.widget<QComboBox>(again, again.Combo1), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(next.widget<QComboBox>(again, again.Combo1), Qt::Key_Backspace);
    ASSERT_TRUE(found->isVisible());
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {},
                      found->visualRect(found->model()->index(0, 0)).center());
    EXPECT_EQ(again.Label19.caption(), "Spinning class");
}

} // namespace
} // namespace movesta
