// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Option buttons: one of a group is chosen; the model clears the others.

#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"
#include "platform/window.h"

namespace movesta {

QRadioButton* FormView::bindOption(OptionButton& option, QRect geometry, QWidget* parent)
{
    auto* widget = new QRadioButton(toQ(option.caption()), parent ? parent : m_client);
    widget->setGeometry(m_scale.rect(geometry));
    widget->setChecked(option.value());
    auto sync = [widget, &option] {
        if (widget->isChecked() != option.value()) {
            QSignalBlocker block(widget);
            widget->setChecked(option.value());
        }
    };
    Kind kind;
    kind.redraw = [sync](Aspect aspect, int) {
        if (aspect == Aspect::Selection)
            sync();
    };
    Binding& b = addBinding(option, widget, std::move(kind));
    b.connections.push_back(connect(widget, &QRadioButton::clicked, widget, [this, widget, &option, sync] {
        option.select();
        sync();
        // Chosen with an arrow key, the button takes the focus after its click; a handler that
        // sent the focus elsewhere (the weight box) gets it back once the key is done.
        if (Control* asked = m_model.focusedControl(); asked && asked != &option) {
            QTimer::singleShot(0, widget, [this, asked] {
                if (QWidget* target = widgetOf(*asked); target && target->isVisible())
                    target->setFocus(Qt::OtherFocusReason);
            });
        }
    }));
    return widget;
}

} // namespace movesta
