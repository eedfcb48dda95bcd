// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/list_table.h"

#include <QScopedValueRollback>

#include <algorithm>

#include "platform/qt/qt_text.h"

namespace movesta {

ListTable::ListTable(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
    , m_rows(m_columns.front().list->listCount())
{}

int ListTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ListTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return toQ(list(index.column()).shownItem(index.row()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[static_cast<std::size_t>(index.column())].alignment |
                                   Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ListTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(m_columns.size()))
        return m_columns[static_cast<std::size_t>(section)].heading;
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ListTable::listChanged(int column, Aspect aspect, int row)
{
    if (column > 0) {
        // The rows are the first column's; another column's change is a change of its cells.
        const int first = aspect == Aspect::ItemAdded || aspect == Aspect::ItemRemoved ? row : 0;
        const int last = aspect == Aspect::ItemAdded ? row : m_rows - 1;
        if (first >= 0 && first <= last && last < m_rows &&
            (aspect == Aspect::ItemAdded || aspect == Aspect::ItemRemoved || aspect == Aspect::Items ||
             aspect == Aspect::ItemsCleared))
            emit dataChanged(index(first, column), index(last, column));
        return;
    }
    switch (aspect) {
    case Aspect::ItemAdded: {
        const QScopedValueRollback changing(m_changingRows, true);
        beginInsertRows(QModelIndex(), row, row);
        ++m_rows;
        endInsertRows();
        break;
    }
    case Aspect::ItemRemoving: // the list box removes the row between these two
        m_changingRows = true;
        beginRemoveRows(QModelIndex(), row, row);
        break;
    case Aspect::ItemRemoved:
        --m_rows;
        endRemoveRows();
        m_changingRows = false;
        break;
    case Aspect::Items:
    case Aspect::ItemsCleared: {
        const QScopedValueRollback changing(m_changingRows, true);
        beginResetModel();
        m_rows = list(0).listCount();
        endResetModel();
        break;
    }
    default:
        break;
    }
}

ListTableSelection::ListTableSelection(ListTable& table)
    : QItemSelectionModel(&table, &table)
    , m_table(table)
{}

void ListTableSelection::select(const QItemSelection& selection, SelectionFlags command)
{
    if (m_showing) {
        QItemSelectionModel::select(selection, command);
        return;
    }
    if (m_table.changingRows())
        return;
    const QModelIndexList cells = selection.indexes();
    if (!cells.isEmpty() && (command & (Select | Toggle)) && !(command & Deselect)) {
        const int row = cells.front().row();
        const bool oneRow = std::all_of(cells.begin(), cells.end(),
                                        [row](const QModelIndex& cell) { return cell.row() == row; });
        if (oneRow && !isRowSelected(row)) {
            // The column the gesture was made in: the cell chosen, or the current one of a click.
            const int column = cells.size() == 1 ? cells.front().column() : qMax(0, currentIndex().column());
            m_table.list(column).setListIndex(row);
        }
    }
    showLists();
}

void ListTableSelection::showLists()
{
    const QScopedValueRollback showing(m_showing, true);
    const int row = m_table.list(0).listIndex();
    if (row < 0 || row >= m_table.rowCount()) {
        if (hasSelection())
            clearSelection();
        if (currentIndex().isValid())
            setCurrentIndex(QModelIndex(), NoUpdate);
    } else if (!isRowSelected(row) || currentIndex().row() != row || selectedRows().size() != 1) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        setCurrentIndex(m_table.index(row, column), ClearAndSelect | Rows);
    }
}

} // namespace movesta
