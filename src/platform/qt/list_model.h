// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A list box seen through Qt's model/view. The model reads the list box's own items when a view
// asks for a row (it keeps no copy), announces each row the list box adds or removes as exactly
// that insert or remove, and lets the views show only the list box's selection.

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QListView>

#include "platform/controls.h"

namespace movesta {

class ListModel : public QAbstractListModel {
public:
    ListModel(const ListBox& list, Qt::Alignment alignment, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The list box's items changed as its observer reports: `row` added or removed, or all new.
    void itemsChanged(Aspect aspect, int row);
    // The list box is going with its window: its rows read empty from now on.
    void unbind() { m_list = nullptr; }
    // True while rows are being inserted, removed or reset: what a view selects meanwhile is its
    // own doing (it moves its current row off a removed one), not the user's.
    bool changingRows() const { return m_changingRows; }

private:
    const ListBox* m_list;
    bool m_changingRows = false;
    Qt::Alignment m_alignment;
    int m_rows; // the rows announced to the views
};

// The rows a view shows selected are the list box's selection, whatever the gesture: a gesture
// may choose a row (the list box then selects it and every view follows), never take the
// highlight off or put it elsewhere in one view only (a click below the rows, Ctrl+Space and
// Ctrl+click on the selected row would otherwise do that).
class ListSelection : public QItemSelectionModel {
public:
    ListSelection(ListModel& model, ListBox& list);

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, SelectionFlags command) override;

    // Shows the list box's selection, as the current row too (none: no current row).
    void showList();
    // The list box is going with its window: gestures change nothing from now on.
    void unbind() { m_list = nullptr; }

private:
    const ListModel& m_model;
    ListBox* m_list;
    bool m_showing = false;
};

} // namespace movesta

namespace movesta {

// A list view whose rows all have one height, so it places them by arithmetic: adding or
// removing a row costs the same at any length, and the view keeps nothing per row. Its scroll
// position is the first row shown; its range follows the rows at once.
class RowsView : public QListView {
public:
    explicit RowsView(QWidget* parent);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;
    void setModel(QAbstractItemModel* model) override;

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int rowHeight() const;
    int rows() const;
    int wholeRows() const; // rows that fit the viewport whole
    int rowAt(int y) const { return verticalOffset() / rowHeight() + y / rowHeight(); }

    mutable int m_rowHeight = 0; // measured on the first row; 0 until then or after a font change
};

} // namespace movesta
