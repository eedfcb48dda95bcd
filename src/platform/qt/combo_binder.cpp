// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Combo boxes: editable drop-downs; the user types a text or chooses an item, and typed
// characters pass the combo's KeyPress as in a text box.

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"

namespace movesta {

namespace {
// A combo with more items than this has its popup measured by one row (the activities).
constexpr qsizetype kLongPopup = 50;
} // namespace

QComboBox* FormView::bindCombo(ComboBox& combo, QRect geometry)
{
    auto* widget = new QComboBox(m_client);
    widget->setGeometry(geometry);
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
    auto syncItems = [widget, &combo, syncText] {
        QSignalBlocker block(widget);
        widget->clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(combo.items().size()));
        for (const auto& item : combo.items())
            items.push_back(toQ(item));
        // The rows of a long popup (the activities) are one line each in one font: measuring one
        // is enough. A short one is not built before it is first opened.
        if (items.size() > kLongPopup) {
            if (auto* popup = qobject_cast<QListView*>(widget->view()))
                popup->setUniformItemSizes(true);
        }
        widget->addItems(items);
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
