// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/list_model.h"

#include <QAbstractItemDelegate>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "platform/qt/qt_text.h"

namespace movesta {

ListModel::ListModel(const ListBox& list, Qt::Alignment alignment, QObject* parent)
    : QAbstractListModel(parent)
    , m_list(&list)
    , m_alignment(alignment)
    , m_rows(list.listCount())
{}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!m_list || !index.isValid() || index.row() >= m_rows)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return toQ(m_list->item(index.row()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

void ListModel::itemsChanged(Aspect aspect, int row)
{
    const QScopedValueRollback changing(m_changingRows, true);
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
        m_rows = m_list ? m_list->listCount() : 0;
        endResetModel();
        break;
    default:
        break;
    }
}

ListSelection::ListSelection(ListModel& model, ListBox& list)
    : QItemSelectionModel(&model, &model)
    , m_model(model)
    , m_list(&list)
{}

void ListSelection::select(const QItemSelection& selection, SelectionFlags command)
{
    if (m_showing) {
        QItemSelectionModel::select(selection, command);
        return;
    }
    if (!m_list || m_model.changingRows())
        return;
    // A gesture that picks one row not yet selected chooses it; anything else changes nothing.
    const QModelIndexList rows = selection.indexes();
    if (rows.size() == 1 && (command & (Select | Toggle)) && !(command & Deselect) &&
        !isSelected(rows.front()))
        m_list->setListIndex(rows.front().row());
    showList();
}

void ListSelection::showList()
{
    const QScopedValueRollback showing(m_showing, true);
    if (!m_list)
        return;
    const int row = m_list->listIndex();
    if (row < 0) {
        QItemSelectionModel::clearSelection();
        setCurrentIndex(QModelIndex(), NoUpdate);
    } else if (!isSelected(model()->index(row, 0)) || currentIndex().row() != row ||
               selectedIndexes().size() != 1) {
        setCurrentIndex(model()->index(row, 0), ClearAndSelect | Rows);
    }
}

} // namespace movesta

namespace movesta {

RowsView::RowsView(QWidget* parent)
    : QListView(parent)
{
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerItem);
}

int RowsView::rows() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int RowsView::rowHeight() const
{
    if (m_rowHeight <= 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex first = model() ? model()->index(0, 0, rootIndex()) : QModelIndex();
        if (first.isValid()) {
            m_rowHeight = itemDelegateForIndex(first)->sizeHint(option, first).height();
        } else {
            option.features = QStyleOptionViewItem::HasDisplay;
            option.text = QStringLiteral("0");
            m_rowHeight = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
        }
        m_rowHeight = qMax(1, m_rowHeight);
    }
    return m_rowHeight;
}

int RowsView::wholeRows() const
{
    return qMax(1, viewport()->height() / rowHeight());
}

int RowsView::verticalOffset() const
{
    return verticalScrollBar()->value() * rowHeight();
}

QRect RowsView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.parent() != rootIndex() || index.row() >= rows())
        return {};
    return QRect(0, index.row() * rowHeight() - verticalOffset(), viewport()->width(), rowHeight());
}

QModelIndex RowsView::indexAt(const QPoint& point) const
{
    if (point.y() < 0 || !viewport()->rect().contains(point))
        return {};
    const int row = rowAt(point.y());
    return row < rows() ? model()->index(row, modelColumn(), rootIndex()) : QModelIndex();
}

void RowsView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    QScrollBar* bar = verticalScrollBar();
    if (hint == PositionAtTop || (hint == EnsureVisible && row < bar->value()))
        bar->setValue(row);
    else if (hint == PositionAtBottom || (hint == EnsureVisible && row >= bar->value() + wholeRows()))
        bar->setValue(row - wholeRows() + 1);
    else if (hint == PositionAtCenter)
        bar->setValue(row - wholeRows() / 2);
}

void RowsView::doItemsLayout()
{
    // Nothing to lay out row by row: the rows' height is measured again (the font may have changed).
    m_rowHeight = 0;
    QAbstractItemView::doItemsLayout();
}

void RowsView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QListView::rowsInserted(parent, start, end);
    updateGeometries();
}

void RowsView::setModel(QAbstractItemModel* model)
{
    QListView::setModel(model);
    // The range shrinks as soon as rows are gone (the view is told only before).
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { updateGeometries(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { updateGeometries(); });
}

void RowsView::updateGeometries()
{
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, qMax(0, rows() - wholeRows()));
    bar->setPageStep(wholeRows());
    bar->setSingleStep(1);
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

QModelIndex RowsView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int count = rows();
    if (count == 0)
        return {};
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    int row = current;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        row = current < 0 ? 0 : current - 1;
        break;
    case MoveDown:
    case MoveNext:
        row = current + 1;
        break;
    case MovePageUp:
        row = current - wholeRows();
        break;
    case MovePageDown:
        row = current < 0 ? wholeRows() - 1 : current + wholeRows();
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count - 1;
        break;
    default:
        break;
    }
    return model()->index(qBound(0, row, count - 1), modelColumn(), rootIndex());
}

void RowsView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect inside = rect.normalized().intersected(viewport()->rect());
    const int last = rows() - 1;
    const int top = qMin(rowAt(qMax(0, inside.top())), last);
    const int bottom = qMin(rowAt(qMax(0, inside.bottom())), last);
    QItemSelection selection;
    if (!inside.isEmpty() && top >= 0)
        selection.select(model()->index(top, modelColumn(), rootIndex()),
                         model()->index(bottom, modelColumn(), rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion RowsView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    for (const QItemSelectionRange& range : selection)
        if (range.isValid() && range.parent() == rootIndex())
            region += visualRect(range.topLeft()).united(visualRect(range.bottomRight()));
    return region.intersected(viewport()->rect());
}

void RowsView::scrollContentsBy(int, int dy)
{
    viewport()->scroll(0, dy * rowHeight());
}

void RowsView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    QStyleOptionViewItem base;
    initViewItemOption(&base);
    const bool enabled = base.state & QStyle::State_Enabled;
    const bool focus = hasFocus() || viewport()->hasFocus();
    const int first = rowAt(qMax(0, event->rect().top()));
    const int last = qMin(rows() - 1, rowAt(event->rect().bottom()));
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        QStyleOptionViewItem option = base;
        option.rect = visualRect(index);
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled)
            option.palette.setCurrentColorGroup(QPalette::Normal);
        if (focus && index == currentIndex())
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

} // namespace movesta
