// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures: drawn from the resources; a click raises the picture's Click. A picture that acts on a
// click is a keyboard control too: Tab reaches it and Space or Return clicks it. A picture is
// named, for a screen reader, by its tooltip.

#include "platform/qt/form_view.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"

namespace movesta {

PictureButton* FormView::bindPicture(Picture& picture, QRect geometry)
{
    auto* widget = new PictureButton(toQ(picture.picture()), m_client);
    widget->setGeometry(m_scale.rect(geometry));
    // Tab, never a mouse click: a click on a picture acts and leaves the focus where it was.
    if (picture.onClick)
        widget->setFocusPolicy(Qt::TabFocus);
    Kind kind;
    // A label's tooltip only describes it, so that a screen reader still reads the label's value;
    // a picture has no other name than its tooltip.
    kind.restyle = [widget, &picture] {
        if (!picture.toolTip().empty())
            widget->setAccessibleName(toQ(picture.toolTip()));
    };
    Binding& b = addBinding(picture, widget, std::move(kind));
    b.connections.push_back(
        connect(widget, &PictureButton::clicked, widget, [&picture] { picture.click(); }));
    // The model learns which picture holds the focus, as it does for the boxes.
    widget->installEventFilter(this);
    return widget;
}

} // namespace movesta
