// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Text boxes: the user types into them, and each typed character passes the box's KeyPress.

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"

namespace movesta {

std::function<bool(QEvent&)> FormView::typedKeys(TextBox& box)
{
    return [&box](QEvent& event) {
        if (event.type() != QEvent::KeyPress)
            return false;
        const int code = CharacterCode(static_cast<QKeyEvent&>(event));
        return code >= 0 && box.keyPress(code) == 0;
    };
}

QLineEdit* FormView::bindTextBox(TextBox& box, QRect geometry, Qt::Alignment alignment)
{
    auto* widget = new QLineEdit(m_client);
    widget->setGeometry(m_scale.rect(geometry));
    widget->setAlignment(alignment);
    widget->setText(toQ(box.text()));
    auto sync = [widget, &box] {
        const QString text = toQ(box.text());
        if (widget->text() != text) {
            QSignalBlocker block(widget);
            widget->setText(text);
        }
    };
    Kind kind;
    kind.editable = true;
    kind.redraw = [sync](Aspect aspect, int) {
        if (aspect == Aspect::Text)
            sync();
    };
    kind.event = typedKeys(box);
    Binding& b = addBinding(box, widget, std::move(kind));
    b.connections.push_back(
        connect(widget, &QLineEdit::textEdited, widget, [&box, sync](const QString& text) {
            box.setText(fromQ(text));
            sync();
        }));
    widget->installEventFilter(this);
    return widget;
}

} // namespace movesta
