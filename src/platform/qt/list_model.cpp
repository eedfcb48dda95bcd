#include "platform/qt/list_model.h"

#include <QScopedValueRollback>

#include "platform/qt/qt_text.h"

namespace movesta {

ListModel::ListModel(const ListBox& list, Qt::Alignment alignment, QObject* parent)
    : QAbstractListModel(parent)
    , m_list(list)
    , m_alignment(alignment)
    , m_rows(list.listCount())
{}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return toQ(m_list.item(index.row()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

void ListModel::itemsChanged(Aspect aspect, int row)
{
    switch (aspect) {
    case Aspect::ItemAdded:
        beginInsertRows(QModelIndex(), row, row);
        ++m_rows;
        endInsertRows();
        break;
    case Aspect::ItemRemoved:
        beginRemoveRows(QModelIndex(), row, row);
        --m_rows;
        endRemoveRows();
        break;
    case Aspect::Items:
    case Aspect::ItemsCleared:
        beginResetModel();
        m_rows = m_list.listCount();
        endResetModel();
        break;
    default:
        break;
    }
}

ListSelection::ListSelection(ListModel& model, ListBox& list)
    : QItemSelectionModel(&model, &model)
    , m_list(list)
{}

void ListSelection::select(const QItemSelection& selection, SelectionFlags command)
{
    if (m_showing) {
        QItemSelectionModel::select(selection, command);
        return;
    }
    // A gesture that picks one row not yet selected chooses it; anything else changes nothing.
    const QModelIndexList rows = selection.indexes();
    if (rows.size() == 1 && (command & (Select | Toggle)) && !(command & Deselect) &&
        !isSelected(rows.front()))
        m_list.setListIndex(rows.front().row());
    showList();
}

void ListSelection::showList()
{
    const QScopedValueRollback showing(m_showing, true);
    const int row = m_list.listIndex();
    if (row < 0) {
        QItemSelectionModel::clearSelection();
        setCurrentIndex(QModelIndex(), NoUpdate);
    } else if (!isSelected(model()->index(row, 0)) || currentIndex().row() != row ||
               selectedIndexes().size() != 1) {
        setCurrentIndex(model()->index(row, 0), ClearAndSelect | Rows);
    }
}

} // namespace movesta
