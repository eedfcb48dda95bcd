// List boxes: a view over the list box's own items (ListModel); a click or a key chooses a row, and
// every view shows the list box's selection (ListSelection).

#include <QHeaderView>
#include <QHelpEvent>
#include <QListView>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
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

// The height of a row of text in `view`'s font, as its delegate draws it.
int rowHeight(const QAbstractItemView* view)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("0");
    return view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), view).height();
}

// One column of a table made of list boxes: a table of one column, walked like a list box.
class ColumnView : public QTableView {
public:
    using QTableView::QTableView;

    void setRowHeight(int rowHeight) { verticalHeader()->setDefaultSectionSize(rowHeight); }

protected:
    // Home and End go to the first and the last row, as in a list box, not across the row.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        if (action == MoveHome || action == MoveEnd)
            modifiers |= Qt::ControlModifier;
        return QTableView::moveCursor(action, modifiers);
    }

    // At its last position a table lines its last row up with the bottom edge, cutting the first
    // row shown. The column keeps one position more than its rows need, so that the first row
    // shown is the scroll position at the end too, as in a list box.
    void updateGeometries() override
    {
        QTableView::updateGeometries();
        QScrollBar* bar = verticalScrollBar();
        if (bar->maximum() > 0) {
            bar->setMaximum(bar->maximum() + 1);
            verticalHeader()->setOffsetToSectionPosition(bar->value());
        }
    }
};

} // namespace

int ListTextMargin(const QWidget* view)
{
    return view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}

void FormView::bindItemView(ListBox& list, QAbstractItemView* view, QRect geometry, Qt::Alignment alignment,
                            std::function<void()> restyle)
{
    view->setGeometry(geometry);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTextElideMode(Qt::ElideRight);
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
    kind.redraw = [model, selection](Aspect aspect, int index) {
        model->itemsChanged(aspect, index);
        // A removal shifts or drops the selected row; a selection by code moves it.
        if (aspect != Aspect::ItemAdded)
            selection->showList();
    };
    kind.restyle = std::move(restyle);
    addBinding(list, view, std::move(kind));
    view->installEventFilter(this);
}

QListView* FormView::bindList(ListBox& list, QRect geometry)
{
    auto* view = new QListView(m_client);
    view->setUniformItemSizes(true);
    bindItemView(list, view, geometry, Qt::AlignLeft);
    return view;
}

QTableView* FormView::bindListColumn(ListBox& list, QRect geometry, Qt::Alignment alignment)
{
    auto* view = new ColumnView(m_client);
    view->setGeometry(geometry);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setCornerButtonEnabled(false);
    view->setTabKeyNavigation(false); // Tab leaves the list, as from any list box
    view->horizontalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setDefaultSectionSize(geometry.width() - 2 * view->frameWidth());
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setMinimumSectionSize(1);
    // Every row one line of the view's font, so that the rows of the columns stay level.
    bindItemView(list, view, geometry, alignment, [view] { view->setRowHeight(rowHeight(view)); });
    return view;
}

} // namespace movesta
