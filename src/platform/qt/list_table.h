// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// List boxes of one window seen through Qt's model/view, as the columns of one table: the planner's
// five columns, or the one list of the time-to-burn window. The model reads the list boxes' own
// items when a view asks (it keeps no copy); the first column's rows are the table's rows, and
// each row that it adds or removes is announced as exactly that insert or remove. One selection
// model holds the one row selection, which is the first list box's.

#include <QAbstractTableModel>
#include <QItemSelectionModel>

#include <vector>

#include "platform/controls.h"

namespace movesta {

class ListTable : public QAbstractTableModel {
public:
    struct Column {
        ListBox* list;
        Qt::Alignment alignment;
        QString heading; // what a screen reader names the column by
    };
    ListTable(std::vector<Column> columns, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    ListBox& list(int column) const { return *m_columns[static_cast<std::size_t>(column)].list; }
    // A column's list box changed, as its observer reports: `row` added, removed, or all new.
    void listChanged(int column, Aspect aspect, int row);
    // True while rows are being inserted, removed or reset: what a view selects meanwhile is its
    // own doing (it moves its current row off a removed one), never the user's.
    bool changingRows() const { return m_changingRows; }

private:
    std::vector<Column> m_columns;
    int m_rows; // the rows announced to the views
    bool m_changingRows = false;
};

// What the views show selected is the first list box's selection. A user's gesture on a row not
// yet selected (a click, an arrow key, Page Up/Down, Home/End) selects it in the list box of the
// column it was made in, whose handler selects the row in the others; nothing else changes it: a
// gesture that would take the highlight off (a click below the rows, Ctrl+Space, Ctrl+click on
// the selected row), nor a row that a view makes current by itself.
class ListTableSelection : public QItemSelectionModel {
public:
    explicit ListTableSelection(ListTable& table);

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, SelectionFlags command) override;

    // Shows the first list box's selection, as the current row too (none: no current row).
    void showLists();

private:
    ListTable& m_table;
    bool m_showing = false;
};

} // namespace movesta
