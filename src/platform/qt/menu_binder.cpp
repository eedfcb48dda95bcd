// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Window menu items: an action in the window's menu whose shortcut acts whichever control has
// the focus (the event filter of form_view.cpp keeps the boxes from claiming it).

#include <QAction>
#include <QMenu>

#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"

namespace movesta {

QAction* FormView::bindMenuItem(MenuItem& item, QMenu* menu)
{
    auto* action = new QAction(toQ(item.caption()), this);
    action->setShortcut(QKeySequence(toQ(item.shortcut())));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setVisible(item.visible());
    action->setEnabled(item.enabled());
    menu->addAction(action);
    addAction(action);
    m_menuActions.push_back(action);
    auto binding = std::make_unique<Binding>();
    binding->control = &item;
    item.setObserver([action, &item](Aspect aspect, int) {
        if (aspect == Aspect::Visible)
            action->setVisible(item.visible());
        else if (aspect == Aspect::Enabled)
            action->setEnabled(item.enabled());
    });
    binding->connections.push_back(connect(action, &QAction::triggered, action, [&item] { item.click(); }));
    m_bindings.push_back(std::move(binding));
    return action;
}

} // namespace movesta
