// List boxes: the model's items in a list widget; the user's click selects a row.

#include <QAbstractItemView>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>

#include <memory>

#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"

namespace movesta {

QListWidget* FormView::bindList(ListBox& list, QRect geometry)
{
    auto* widget = new QListWidget(m_client);
    widget->setGeometry(geometry);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setUniformItemSizes(true);
    // The selection follows the model at once, and so does the scrolling to it, but only once per
    // turn of the event loop: a walk through thousands of rows (a report) scrolls at its first row,
    // and to its last when the loop comes round, instead of once per row in every list.
    struct Scroll {
        bool pending = false;
        int row = -1; // the latest row asked for while pending
    };
    auto scroll = std::make_shared<Scroll>();
    auto scrollToCurrent = [widget, scroll] {
        const int row = widget->currentRow();
        if (scroll->pending) {
            scroll->row = row;
            return;
        }
        widget->scrollToItem(widget->item(row));
        scroll->pending = true;
        scroll->row = -1;
        QTimer::singleShot(0, widget, [widget, scroll] {
            scroll->pending = false;
            // Rows removed since are gone: the nearest row left stands in.
            const int row = qMin(scroll->row, widget->count() - 1);
            if (row >= 0)
                widget->scrollToItem(widget->item(row));
        });
    };
    auto syncSelection = [widget, &list, scrollToCurrent] {
        if (widget->currentRow() == list.listIndex() &&
            (list.listIndex() < 0 || widget->item(list.listIndex())->isSelected()))
            return;
        QSignalBlocker block(widget);
        QSignalBlocker blockSelection(widget->selectionModel());
        if (list.listIndex() < 0) {
            widget->setCurrentRow(-1);
            widget->clearSelection();
        } else {
            widget->setCurrentRow(list.listIndex());
            scrollToCurrent();
        }
        widget->viewport()->update();
    };
    auto syncItems = [widget, &list, syncSelection] {
        {
            QSignalBlocker block(widget);
            QSignalBlocker blockSelection(widget->selectionModel());
            widget->clear();
            QStringList items;
            for (const auto& item : list.items())
                items.push_back(toQ(item));
            widget->addItems(items);
        }
        syncSelection();
    };
    syncItems();
    Kind kind;
    kind.redraw = [widget, &list, syncItems, syncSelection](Aspect aspect, int index) {
        QSignalBlocker block(widget);
        QSignalBlocker blockSelection(widget->selectionModel());
        switch (aspect) {
        case Aspect::ItemAdded:
            widget->addItem(toQ(list.item(index)));
            break;
        case Aspect::ItemRemoved:
            delete widget->takeItem(index);
            syncSelection();
            break;
        case Aspect::ItemsCleared:
            widget->clear();
            break;
        case Aspect::Items:
            syncItems();
            break;
        case Aspect::Selection:
            syncSelection();
            break;
        default:
            break;
        }
    };
    Binding& b = addBinding(list, widget, std::move(kind));
    b.connections.push_back(
        connect(widget, &QListWidget::currentRowChanged, widget, [&list, syncSelection](int row) {
            if (row >= 0)
                list.setListIndex(row);
            syncSelection();
        }));
    widget->installEventFilter(this);
    return widget;
}

} // namespace movesta
