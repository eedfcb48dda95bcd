// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// List boxes: a view of rows of one height (RowsView) over the list box's own items (ListModel); a
// click or a key chooses a row, and the view shows only the list box's selection (ListSelection).

#include <QHelpEvent>
#include <QListView>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "platform/qt/form_view.h"
#include "platform/qt/list_model.h"

namespace movesta {

namespace {

// Rows are as wide as their view and a text too long for its row is cut with "...": such a row
// shows its whole text as a tool tip.
class ElidedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (option.fontMetrics.horizontalAdvance(text) > option.rect.width() - 2 * ListTextMargin(view))
            QToolTip::showText(event->globalPos(), text, view);
        else
            QToolTip::hideText();
        return true;
    }
};

} // namespace

int ListTextMargin(const QWidget* view)
{
    return view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}

QListView* FormView::bindList(ListBox& list, QRect geometry, Qt::Alignment alignment)
{
    auto* view = new RowsView(m_client);
    view->setGeometry(geometry);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setItemDelegate(new ElidedRowDelegate(view));
    auto* model = new ListModel(list, alignment, view);
    view->setModel(model);
    QItemSelectionModel* unused = view->selectionModel();
    auto* selection = new ListSelection(*model, list);
    view->setSelectionModel(selection);
    delete unused;
    selection->showList();
    Kind kind;
    kind.redraw = [view, model, selection](Aspect aspect, int index) {
        model->itemsChanged(aspect, index);
        if (aspect == Aspect::ItemAdded)
            view->scrollTo(model->index(index, 0)); // the added row comes into view
        else
            selection->showList(); // a removal shifts or drops the selected row, code moves it
    };
    kind.unbound = [model = QPointer<ListModel>(model), selection = QPointer<ListSelection>(selection)] {
        if (model)
            model->unbind();
        if (selection)
            selection->unbind();
    };
    addBinding(list, view, std::move(kind));
    view->installEventFilter(this);
    return view;
}

} // namespace movesta
