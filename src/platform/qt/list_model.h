#pragma once

// A list box seen through Qt's model/view. The model reads the list box's own items when a view
// asks for a row (it keeps no copy), announces each row the list box adds or removes as exactly
// that insert or remove, and lets the views show only the list box's selection.

#include <QAbstractListModel>
#include <QItemSelectionModel>

#include "platform/controls.h"

namespace movesta {

class ListModel : public QAbstractListModel {
public:
    ListModel(const ListBox& list, Qt::Alignment alignment, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The list box's items changed as its observer reports: `row` added or removed, or all new.
    void itemsChanged(Aspect aspect, int row);

private:
    const ListBox& m_list;
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

private:
    ListBox& m_list;
    bool m_showing = false;
};

} // namespace movesta
