// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Decorations: horizontal rules and titled frames, which only follow their visibility.

#include <QFrame>
#include <QGroupBox>

#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"

namespace movesta {

QFrame* FormView::bindLine(Decoration& line, QRect geometry)
{
    auto* widget = new QFrame(m_client);
    widget->setFrameShape(QFrame::HLine);
    widget->setFrameShadow(QFrame::Sunken);
    widget->setGeometry(m_scale.rect(geometry));
    addBinding(line, widget, Kind{});
    return widget;
}

QGroupBox* FormView::bindFrame(Decoration& frame, QRect geometry)
{
    auto* widget = new QGroupBox(toQ(frame.caption()), m_client);
    widget->setGeometry(m_scale.rect(geometry));
    addBinding(frame, widget, Kind{});
    return widget;
}

} // namespace movesta
