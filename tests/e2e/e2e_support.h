// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QFrame>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/register_windows.h"
#include "main_window/form1.h"
#include "planner/form7.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_window_manager.h"
#include "support/fake_desktop.h"
#include "support/temporary_diary.h"

namespace movesta::testing {

// The whole program on real widgets, with the desktop faked.
struct App {
    FakeDesktop desktop;
    TemporaryDiary diary;
    std::unique_ptr<QtWindowManager> windows = std::make_unique<QtWindowManager>();
    Form1* form1 = nullptr;

    App()
        : App(std::nullopt)
    {}
    // Another program on the diary file of an earlier one.
    explicit App(const std::optional<std::string>& diaryFile)
        : diary(diaryFile ? TemporaryDiary(*diaryFile) : TemporaryDiary())
    {
        RegisterWindows(*windows, desktop, diary.store);
        RegisterViews(*windows);
        form1 = windows->show<Form1>();
        activate(*form1);
    }
    ~App()
    {
        windows.reset();
        QApplication::processEvents();
    }
    FormView* view(const Window& w) const { return windows->viewOf(w); }
    bool activate(const Window& w) const
    {
        FormView* v = view(w);
        if (!v)
            return false;
        v->activateWindow();
        return QTest::qWaitForWindowActive(v);
    }
    template <class T>
    T* widget(const Window& w, const Control& c) const
    {
        return qobject_cast<T*>(view(w)->widgetOf(c));
    }
};

// One column of the planner's table as a check looks at it: its cells, where each is drawn (inside
// the column's box, in the table's viewport), and the row it shows selected.
struct TableColumn {
    QTableView* table = nullptr;
    int column = 0;
    const QFrame* box = nullptr; // the column's box, in the client area

    int rows() const { return table->model()->rowCount(); }
    QModelIndex cell(int row) const { return table->model()->index(row, column); }
    std::string text(int row) const { return cell(row).data().toString().toStdString(); }
    QRect cellRect(int row) const
    {
        QRect rect = table->visualRect(cell(row));
        rect.setWidth(box->width() - 2 * box->frameWidth());
        return rect;
    }
    // The first row shown, -1 with none.
    int firstRow() const
    {
        return table->indexAt(QPoint(table->columnViewportPosition(column) + 2, 2)).row();
    }
    // The row this column shows selected and current; -1 for none, -2 for anything else.
    int selectedRow() const
    {
        QModelIndexList selected;
        for (const QModelIndex& index : table->selectionModel()->selectedIndexes())
            if (index.column() == column)
                selected.push_back(index);
        if (selected.isEmpty())
            return -1;
        return selected.size() == 1 && table->currentIndex().row() == selected.front().row()
                   ? selected.front().row()
                   : -2;
    }
};

// The planner's five columns, left to right.
inline std::vector<TableColumn> PlannerColumns(const App& app, const Form7& planner)
{
    FormView* view = app.view(planner);
    auto* table = qobject_cast<QTableView*>(view->widgetOf(planner.List1));
    std::vector<TableColumn> columns;
    int c = 0;
    for (const ListBox* list :
         {&planner.List1, &planner.List2, &planner.List5, &planner.List3, &planner.List4})
        columns.push_back(
            {table, c++, view->client()->findChild<QFrame*>(QString::fromStdString(list->name()))});
    return columns;
}

// A person's click on a row of one column: the focus goes to the table, the pointer in that column.
inline void ClickRow(const TableColumn& column, int row)
{
    column.table->scrollTo(column.cell(row));
    QTest::mouseClick(column.table->viewport(), Qt::LeftButton, {}, column.cellRect(row).center());
}

// Keys go where the user's keys go: to the widget that has the focus.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key, modifiers);
}

// The planner's report of these row lines and totals, as the clipboard gets it.
inline std::string report(const std::vector<std::string>& rowLines, const std::string& hours,
                          const std::string& minutes, const std::string& kcal)
{
    std::string text = "Physical activities\r\n" + std::string(83, '-');
    for (const std::string& line : rowLines)
        text += "\r\n" + line;
    return text + "\r\n" + std::string(82, '-') + "\r\nTotal duration of physical activities = " + hours +
           "h:" + minutes + "min\r\nTotal energy expenditure of selected physical activities = " + kcal +
           " kcal";
}

} // namespace movesta::testing
