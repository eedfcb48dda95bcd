// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lines: horizontal rules that only follow their line's visibility.

#include <QFrame>

#include "platform/qt/form_view.h"

namespace movesta {

QFrame* FormView::bindLine(Decoration& line, QRect geometry)
{
    auto* widget = new QFrame(m_client);
    widget->setFrameShape(QFrame::HLine);
    widget->setFrameShadow(QFrame::Sunken);
    widget->setGeometry(geometry);
    addBinding(line, widget, Kind{});
    return widget;
}

} // namespace movesta
