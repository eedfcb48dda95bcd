// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// List boxes: shown through one table model of their items (ListTable) and its one selection
// (ListTableSelection); a list box alone in a list view, list boxes side by side as the columns of
// one table view, each column drawn as a box of its own.

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QHelpEvent>
#include <QListView>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>

#include <memory>
#include <utility>

#include "platform/qt/form_view.h"
#include "platform/qt/list_table.h"

namespace movesta {

namespace {

// A text too long for its row is cut with "...", and such a row shows its whole text as a tool
// tip. Where columns stand as boxes with gaps between them, a cell is drawn only as wide as its
// box's inside (`widths`, by column); the rest of the cell is the gap.
class RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(std::vector<int> widths, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_widths(std::move(widths))
    {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, inside(option, index), index);
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (option.fontMetrics.horizontalAdvance(text) >
            inside(option, index).rect.width() - 2 * ListTextMargin(view))
            QToolTip::showText(event->globalPos(), text, view);
        else
            QToolTip::hideText();
        return true;
    }

private:
    QStyleOptionViewItem inside(const QStyleOptionViewItem& option, const QModelIndex& index) const
    {
        QStyleOptionViewItem cell(option);
        if (static_cast<std::size_t>(index.column()) < m_widths.size())
            cell.rect.setWidth(m_widths[static_cast<std::size_t>(index.column())]);
        return cell;
    }

    std::vector<int> m_widths; // empty: the whole cell
};

// A table view fills a selected row across the whole width of its cells before their delegate
// draws them; cells drawn as boxes with gaps between them leave that to the delegate, inside the
// boxes.
class BoxedCellsStyle : public QProxyStyle {
public:
    BoxedCellsStyle()
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
    {}
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_PanelItemViewRow)
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

// Columns of list boxes: Home and End go to the first and last row, as they do in a list, not to
// the first and last column of the row.
class ListBoxesView : public QTableView {
public:
    using QTableView::QTableView;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        if (action == MoveHome || action == MoveEnd)
            modifiers |= Qt::ControlModifier;
        return QTableView::moveCursor(action, modifiers);
    }
};

// The height of a row of text in the view's font, as a list view makes it.
int RowHeight(const QAbstractItemView* view)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    option.fontMetrics = QFontMetrics(option.font);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("0");
    option.widget = view;
    return qMax(1, view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), view).height());
}

} // namespace

int ListTextMargin(const QWidget* view)
{
    return view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}

void FormView::bindListTable(QAbstractItemView* view, const std::vector<BoxColumn>& columns,
                             std::function<void()> restyle)
{
    std::vector<ListTable::Column> listed;
    for (const BoxColumn& column : columns)
        listed.push_back({&column.list, column.alignment, QString::fromUtf8(column.heading)});
    auto* table = new ListTable(std::move(listed), view);
    view->setModel(table);
    QItemSelectionModel* unused = view->selectionModel();
    auto* selection = new ListTableSelection(*table);
    view->setSelectionModel(selection);
    delete unused;
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    selection->showLists();
    // The added row comes into view once the adds of one event have been made: scrolling after
    // each would lay the table out again for each row (at 100,000 rows, a fifth of a MiB more at
    // the peak). A row selected meanwhile comes into view instead.
    const auto scrollPending = std::make_shared<bool>(false);
    const auto scrollToLast = [view, table, scrollPending] {
        const int selected = table->list(0).listIndex();
        if (std::exchange(*scrollPending, false) && table->rowCount() > 0)
            view->scrollTo(table->index(selected >= 0 ? selected : table->rowCount() - 1, 0));
    };
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        Kind kind;
        kind.redraw = [view, table, selection, c, scrollPending, scrollToLast](Aspect aspect, int row) {
            if (aspect == Aspect::Selection) {
                selection->showLists();
                return;
            }
            table->listChanged(c, aspect, row);
            if (c == 0 && aspect == Aspect::ItemAdded && !std::exchange(*scrollPending, true))
                QMetaObject::invokeMethod(view, scrollToLast, Qt::QueuedConnection);
            else if (c == 0 && aspect != Aspect::ItemRemoving && aspect != Aspect::ItemAdded)
                selection->showLists(); // a removal shifts or drops the selected row
        };
        if (c == 0)
            kind.restyle = restyle;
        addBinding(columns[static_cast<std::size_t>(c)].list, view, std::move(kind));
    }
    view->installEventFilter(this);
}

QListView* FormView::bindList(ListBox& list, QRect geometry, Qt::Alignment alignment)
{
    auto* view = new QListView(m_client);
    view->setGeometry(m_scale.rect(geometry));
    view->setUniformItemSizes(true);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setItemDelegate(new RowDelegate({}, view));
    bindListTable(view, {{list, geometry, alignment, ""}}, {});
    return view;
}

QTableView* FormView::bindListBoxes(const std::vector<BoxColumn>& designColumns)
{
    std::vector<BoxColumn> columns(designColumns);
    for (BoxColumn& column : columns)
        column.box = m_scale.rect(column.box);
    // The boxes first, under the table: each the frame and white ground that a list box has.
    int frame = 0;
    for (const BoxColumn& column : columns) {
        auto* box = new QFrame(m_client);
        box->setObjectName(QString::fromStdString(column.list.name())); // the box of List2, say
        box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        box->setGeometry(column.box);
        box->setBackgroundRole(QPalette::Base);
        box->setAutoFillBackground(true);
        frame = box->frameWidth();
    }
    // The table over the boxes' insides, from the first to the last; a column reaches from the
    // inside of its box to that of the next, and its cells are drawn only inside its box.
    const QRect first = columns.front().box;
    const QRect last = columns.back().box;
    auto* view = new ListBoxesView(m_client);
    view->setGeometry(QRect(QPoint(first.left() + frame, first.top() + frame),
                            QPoint(last.right() - frame, last.bottom() - frame)));
    // The view takes no ownership of its style: the form view deletes it, after its client area.
    auto* style = new BoxedCellsStyle;
    style->setParent(this);
    view->setStyle(style);
    view->setFrameShape(QFrame::NoFrame);
    view->viewport()->setAutoFillBackground(false); // the boxes show through the gaps
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setTabKeyNavigation(false); // one Tab stop, as one list
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    std::vector<int> insides;
    for (const BoxColumn& column : columns)
        insides.push_back(column.box.width() - 2 * frame);
    view->setItemDelegate(new RowDelegate(insides, view));
    QHeaderView* rows = view->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    // The table shows whole rows only, as a list scrolled by rows does: at the end of the list too
    // its first row stands whole at the top (a table would put the last row on its bottom edge).
    const int inside = view->height();
    const auto sizeRows = [view, rows, inside] {
        const int height = RowHeight(view);
        rows->setDefaultSectionSize(height);
        view->resize(view->width(), qMax(height, inside / height * height));
    };
    bindListTable(view, columns, sizeRows);
    sizeRows();
    QHeaderView* heads = view->horizontalHeader();
    heads->hide();
    heads->setMinimumSectionSize(1);
    heads->setSectionResizeMode(QHeaderView::Fixed);
    for (std::size_t c = 0; c < columns.size(); ++c)
        heads->resizeSection(static_cast<int>(c), c + 1 < columns.size()
                                                      ? columns[c + 1].box.left() - columns[c].box.left()
                                                      : insides[c]);
    return view;
}

} // namespace movesta
