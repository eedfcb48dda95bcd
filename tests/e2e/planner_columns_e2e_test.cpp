// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's five columns on screen: whatever is added, deleted, selected or scrolled, each shows
// the model's rows, on the same first row, with the model's selection.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/number_rules.h"
#include "e2e_support.h"
#include "planner/form7.h"

namespace movesta {
namespace {

constexpr auto kFatal = QAbstractItemModelTester::FailureReportingMode::Fatal;

struct Planner {
    testing::App app;
    Form7* form = nullptr;
    std::vector<ListBox*> boxes;
    std::vector<testing::TableColumn> columns;
    QScrollBar* shared = nullptr;

    Planner()
    {
        app.form1->Text1.setText("70");
        form = app.windows->show<Form7>();
        app.activate(*form);
        boxes = {&form->List1, &form->List2, &form->List5, &form->List3, &form->List4};
        columns = testing::PlannerColumns(app, *form);
        shared = app.view(*form)->client()->findChild<QScrollBar*>(QString(), Qt::FindDirectChildrenOnly);
        form->Combo1.choose(0);
    }
    void add(int activity)
    {
        form->Combo1.choose(activity);
        form->Image5.click();
    }
    // A person's click on a row of one column: the focus stays in that column.
    void click(std::size_t column, int row) const { testing::ClickRow(columns[column], row); }
    // No column shows a row selected, and the window model has none.
    void expectNoRowSelected(const std::string& when) const
    {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            EXPECT_EQ(boxes[c]->listIndex(), -1) << when << boxes[c]->name();
            EXPECT_EQ(columns[c].selectedRow(), -1) << when << boxes[c]->name();
        }
    }
    // The totals are what the rows left in the list add up to.
    void expectTotalsOfRows(const std::string& when) const
    {
        double kj = 0, kcal = 0, minutes = 0;
        for (int row = 0; row < form->List1.listCount(); ++row) {
            kj += ReadDecimalNumber(form->List3.item(row));
            kcal += ReadDecimalNumber(form->List4.item(row));
            minutes +=
                60 * ReadDecimalNumber(form->List2.item(row)) + ReadDecimalNumber(form->List5.item(row));
        }
        EXPECT_NEAR(ReadDecimalNumber(form->Label18.caption()), kj, 0.01) << when;
        EXPECT_NEAR(ReadDecimalNumber(form->Label21.caption()), kcal, 0.01) << when;
        EXPECT_EQ(60 * ReadDecimalNumber(form->Label24.caption()) +
                      ReadDecimalNumber(form->Label16.caption()),
                  minutes)
            << when;
    }
    // Every column holds the model's rows and its selection, and shows the shared bar's first row.
    void expectShowsModel(const std::string& when) const
    {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const testing::TableColumn& column = columns[c];
            const ListBox& box = *boxes[c];
            ASSERT_EQ(column.rows(), box.listCount()) << when << box.name();
            for (int row = 0; row < box.listCount(); ++row)
                ASSERT_EQ(column.text(row), box.item(row)) << when << box.name() << " row " << row;
            EXPECT_EQ(column.selectedRow(), box.listIndex()) << when << box.name();
            EXPECT_EQ(column.table->verticalScrollBar()->value(), shared->value()) << when << box.name();
            EXPECT_EQ(column.firstRow(), box.listCount() ? shared->value() : -1) << when << box.name();
        }
    }
};

TEST(PlannerColumnsE2E, TenThousandAddsAndDeletesAtRandomKeepTheColumnsOnTheModelsRows)
{
    Planner p;
    ASSERT_EQ(p.columns.size(), 5u);
    ASSERT_NE(p.shared, nullptr);
    std::mt19937 random(18);
    const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int step = 1; step <= 10000; ++step) {
        const int rows = p.form->List1.listCount();
        const int dice = below(10);
        if (rows == 0 || dice < 5) {
            p.add(below(478));
        } else if (dice < 8) {
            // A click on a row of one column and Del, the focus staying there; now and then Del again,
            // which finds no row selected.
            p.click(static_cast<std::size_t>(below(5)), below(rows));
            testing::press(Qt::Key_Delete);
            if (below(4) == 0) {
                p.app.desktop.expectMessage();
                testing::press(Qt::Key_Delete);
                ASSERT_EQ(p.form->List1.listCount(), rows - 1) << "step " << step;
            }
        } else if (dice < 9) {
            p.boxes[static_cast<std::size_t>(below(5))]->setListIndex(below(rows));
        } else {
            // A wheel turn over a column, up or down.
            const testing::TableColumn& column = p.columns[static_cast<std::size_t>(below(5))];
            QWidget* rows = column.table->viewport();
            const QPoint inside(column.cellRect(0).center().x(), rows->height() / 2);
            QWheelEvent wheel(inside, rows->mapToGlobal(inside), QPoint(), QPoint(0, below(2) ? 120 : -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(rows, &wheel);
        }
        if (step % 250 == 0) {
            QApplication::processEvents();
            p.expectShowsModel("step " + std::to_string(step) + ": ");
            p.expectTotalsOfRows("step " + std::to_string(step) + ": ");
            if (::testing::Test::HasFailure())
                return;
        }
    }
    EXPECT_GT(p.form->List1.listCount(), 1000); // the columns did scroll
}

// A click on a row of one column, then "Delete Selected" with the focus still there: the row goes,
// no column selects another by itself, and a second Del finds nothing to delete.
TEST(PlannerColumnsE2E, ADeletionLeavesNoRowSelectedWhicheverColumnHasTheFocus)
{
    Planner p;
    // Qt's own checks of a model run all along: a breach of the model rules ends the program.
    const QAbstractItemModelTester tester(p.columns[0].table->model(), kFatal);
    QAction* deleteItem =
        p.app.view(*p.form)->findChild<QMenuBar*>()->actions().front()->menu()->actions().front();
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Del", [] { testing::press(Qt::Key_Delete); }},
        {"the menu", [deleteItem] { deleteItem->trigger(); }},
        {"the picture",
         [&p] { QTest::mouseClick(p.app.view(*p.form)->widgetOf(p.form->Image3), Qt::LeftButton); }},
    };
    for (const int rows : {3, 4})
        for (const int row : {0, rows / 2, rows - 1})
            for (std::size_t c = 0; c < p.columns.size(); ++c)
                for (const auto& [way, deleteSelected] : ways) {
                    const std::string what = std::to_string(rows) + " rows, row " + std::to_string(row) +
                                             " in " + p.boxes[c]->name() + " by " + way + ": ";
                    while (p.form->List1.listCount() < rows)
                        p.add(p.form->List1.listCount() + 1);
                    p.click(c, row);
                    ASSERT_EQ(QApplication::focusWidget(), p.columns[c].table) << what;
                    ASSERT_EQ(p.form->List1.listIndex(), row) << what;
                    const std::string name = p.form->Label19.caption();
                    const std::string next = p.form->List1.item(row + 1);
                    deleteSelected();
                    QApplication::processEvents();
                    ASSERT_EQ(p.form->List1.listCount(), rows - 1) << what;
                    EXPECT_EQ(p.form->List1.item(row), next) << what;
                    p.expectNoRowSelected(what);
                    EXPECT_EQ(p.form->Label19.caption(), name) << what;
                    p.expectTotalsOfRows(what);
                    // Del once more: the message, and nothing deleted.
                    p.app.desktop.expectMessage();
                    testing::press(Qt::Key_Delete);
                    ASSERT_EQ(p.app.desktop.pendingAnswers(), 0) << what;
                    EXPECT_EQ(p.form->List1.listCount(), rows - 1) << what;
                    p.expectTotalsOfRows(what);
                    p.expectShowsModel(what);
                    if (::testing::Test::HasFailure())
                        return;
                    p.form->List1.setListIndex(0); // leaves the next try its rows to add to
                    p.form->br_p.click();
                }
    // "Delete All" answered Yes, with the focus in a column on a selected row.
    for (std::size_t c = 0; c < p.columns.size(); ++c) {
        while (p.form->List1.listCount() < 3)
            p.add(p.form->List1.listCount() + 1);
        p.click(c, 1);
        const std::string name = p.form->Label19.caption();
        p.app.desktop.expectMessage(kAnswerYes);
        testing::press(Qt::Key_Delete, Qt::ShiftModifier);
        QApplication::processEvents();
        EXPECT_EQ(p.form->List1.listCount(), 0);
        p.expectNoRowSelected(p.boxes[c]->name() + " after Delete All: ");
        EXPECT_EQ(p.form->Label19.caption(), name);
        EXPECT_EQ(p.form->Label21.caption(), "0");
    }
}

// With row 1 selected, gestures that would take the highlight off one column change nothing; the
// selected row is still the one Del deletes.
TEST(PlannerColumnsE2E, NoGestureTakesTheSelectionOffOneColumn)
{
    const struct {
        const char* name;
        std::function<void(const testing::TableColumn&)> gesture;
    } gestures[] = {
        {"click below the rows",
         [](const testing::TableColumn& c) {
             QTest::mouseClick(c.table->viewport(), Qt::LeftButton, {},
                               QPoint(c.cellRect(0).center().x(), c.table->viewport()->height() - 3));
         }},
        {"Ctrl+Space",
         [](const testing::TableColumn& c) {
             c.table->setFocus();
             QTest::keyClick(c.table, Qt::Key_Space, Qt::ControlModifier);
         }},
        {"Ctrl+click on the selected row",
         [](const testing::TableColumn& c) {
             QTest::mouseClick(c.table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                               c.cellRect(1).center());
         }},
    };
    Planner p;
    for (const auto& g : gestures)
        for (std::size_t c = 0; c < p.columns.size(); ++c) {
            const std::string what = std::string(g.name) + " in " + p.boxes[c]->name() + ": ";
            while (p.form->List1.listCount() < 3)
                p.add(static_cast<int>(c) * 3 + p.form->List1.listCount());
            const std::string next = p.form->List1.item(2);
            p.form->List3.setListIndex(1);
            g.gesture(p.columns[c]);
            QApplication::processEvents();
            EXPECT_EQ(p.form->List1.listIndex(), 1) << what;
            p.expectShowsModel(what);
            p.form->br_p.click();
            ASSERT_EQ(p.form->List1.listCount(), 2) << what;
            EXPECT_EQ(p.form->List1.item(1), next) << what; // row 1 was deleted
        }
    // Ctrl+click on another row chooses that row, in all five.
    p.add(5);
    p.form->List1.setListIndex(0);
    QTest::mouseClick(p.columns[2].table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      p.columns[2].cellRect(2).center());
    EXPECT_EQ(p.form->List1.listIndex(), 2);
    p.expectShowsModel("Ctrl+click on row 2: ");
}

// What the screen shows, not a fresh rendering: after the report has selected every row in turn
// from the top (the columns scroll row by row with no paint between), then a row chosen among those
// shown.
TEST(PlannerColumnsE2E, TheScreenHighlightsTheModelsRowAfterTheReportWalksEveryRow)
{
    Planner p;
    for (int i = 0; i < 60; ++i)
        p.add(i);
    const auto highlighted = [&p] { // per column, the whole rows shown in the highlight colour
        std::vector<std::vector<int>> rows;
        for (const testing::TableColumn& column : p.columns) {
            const QWidget* viewport = column.table->viewport();
            const QPoint at = viewport->mapTo(column.table->window(), QPoint(0, 0));
            const QImage screen = column.table->screen()
                                      ->grabWindow(column.table->window()->winId(), at.x(), at.y(),
                                                   viewport->width(), viewport->height())
                                      .toImage();
            rows.emplace_back();
            for (int row = column.firstRow(); row >= 0 && row < 60; ++row) {
                const QRect rect = column.cellRect(row);
                const QPointF inside(rect.left() + 1, rect.center().y());
                if (rect.bottom() < viewport->height() &&
                    screen.pixelColor((inside * screen.devicePixelRatio()).toPoint()) ==
                        column.table->palette().color(QPalette::Active, QPalette::Highlight))
                    rows.back().push_back(row);
            }
        }
        return rows;
    };
    const struct {
        const char* what;
        std::function<void()> act;
        int row;
    } steps[] = {
        {"row 0 chosen", [&p] { p.form->List4.setListIndex(0); }, 0},
        {"after the report", [&p] { p.form->kopi.click(); }, 59},
        {"row 57 chosen", [&p] { p.form->List3.setListIndex(57); }, 57},
    };
    for (const auto& step : steps) {
        step.act();
        p.expectShowsModel(std::string(step.what) + ", on return: "); // before any event is handled
        const std::vector<std::vector<int>> expected(5, {step.row});
        for (int i = 0; i < 100 && highlighted() != expected; ++i)
            QTest::qWait(10);
        EXPECT_EQ(highlighted(), expected) << step.what;
    }
}

// The table, its model and its selection go with the window, before the window model: nothing of
// them outlives the list boxes they read.
TEST(PlannerColumnsE2E, TheTableGoesWithItsWindow)
{
    Planner p;
    p.add(0);
    p.add(1);
    const QPointer<QTableView> table(p.columns[0].table);
    const QPointer<QAbstractItemModel> model(table->model());
    const QPointer<QItemSelectionModel> selection(table->selectionModel());
    p.form->unload();
    EXPECT_TRUE(table && !table->isVisible()); // until the window is destroyed
    p.app.windows->destroyUnloaded();
    EXPECT_TRUE(table.isNull());
    EXPECT_TRUE(model.isNull());
    EXPECT_TRUE(selection.isNull());
}

} // namespace
} // namespace movesta
