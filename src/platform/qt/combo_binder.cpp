// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Combo boxes: editable drop-downs; the user types a text or chooses an item, and typed
// characters pass the combo's KeyPress as in a text box.

#include <QAbstractListModel>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QSignalBlocker>

#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"

namespace movesta {

namespace {

// A combo with more items than this has its popup measured by one row (the activities).
constexpr std::size_t kLongPopup = 50;

// The combo's items as its control holds them, read when shown: the widget keeps no copy of the
// activities. It goes with the view, before the window model.
class ComboItems : public QAbstractListModel {
public:
    ComboItems(const ComboBox& combo, QObject* parent)
        : QAbstractListModel(parent)
        , m_combo(combo)
    {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_rows;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto row = static_cast<std::size_t>(index.row());
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) ||
            row >= m_combo.items().size())
            return {};
        // The drop-down shows an item with its mark; the box's text is the item's own.
        return toQ(role == Qt::DisplayRole ? m_combo.shownItem(index.row()) : m_combo.items()[row]);
    }

    // The control's items were replaced.
    void reset()
    {
        beginResetModel();
        m_rows = static_cast<int>(m_combo.items().size());
        endResetModel();
    }

private:
    const ComboBox& m_combo;
    int m_rows = 0; // the rows announced to the combo
};

} // namespace

QComboBox* FormView::bindCombo(ComboBox& combo, QRect geometry)
{
    auto* widget = new QComboBox(m_client);
    widget->setGeometry(m_scale.rect(geometry));
    auto* items = new ComboItems(combo, widget);
    widget->setModel(items);
    // Editable, without completion. A combo made editable builds a completer over all its items
    // unless its line edit brings one: it is lent an empty one, taken back at once.
    if (!m_lentCompleter)
        m_lentCompleter = new QCompleter(this);
    auto* edit = new QLineEdit(widget);
    edit->setCompleter(m_lentCompleter);
    widget->setLineEdit(edit);
    widget->setInsertPolicy(QComboBox::NoInsert);
    widget->setCompleter(nullptr);
    widget->setMaxVisibleItems(20);
    auto syncText = [widget, &combo] {
        const QString text = toQ(combo.text());
        if (widget->currentText() != text) {
            QSignalBlocker block(widget);
            widget->setEditText(text);
        }
    };
    auto syncItems = [widget, items, &combo, syncText] {
        QSignalBlocker block(widget);
        // The rows of a long popup (the activities) are one line each in one font: measuring one
        // is enough. A short one is not built before it is first opened.
        if (combo.items().size() > kLongPopup) {
            if (auto* popup = qobject_cast<QListView*>(widget->view()))
                popup->setUniformItemSizes(true);
        }
        items->reset();
        widget->setCurrentIndex(combo.listIndex());
        widget->setEditText(toQ(combo.text()));
        syncText();
    };
    Kind kind;
    kind.editable = true;
    kind.redraw = [widget, &combo, syncText, syncItems](Aspect aspect, int) {
        if (aspect == Aspect::Items) {
            syncItems();
        } else if (aspect == Aspect::Selection) {
            QSignalBlocker block(widget);
            widget->setCurrentIndex(combo.listIndex());
            widget->setEditText(toQ(combo.text()));
        } else if (aspect == Aspect::Text) {
            syncText();
        }
    };
    // The combo hands typed keys to its line edit itself, so they are seen on the combo.
    kind.event = typedKeys(combo);
    Binding& b = addBinding(combo, widget, std::move(kind));
    // Filled after the binding has set the font: a font change after the fill would make the popup
    // measure every name again.
    syncItems();
    b.connections.push_back(
        connect(widget->lineEdit(), &QLineEdit::textEdited, widget, [&combo, syncText](const QString& text) {
            combo.setText(fromQ(text));
            syncText();
        }));
    b.connections.push_back(connect(widget, &QComboBox::activated, widget, [&combo, syncText](int index) {
        combo.choose(index);
        syncText();
    }));
    widget->installEventFilter(this);
    return widget;
}

} // namespace movesta
