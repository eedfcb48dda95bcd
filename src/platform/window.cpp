// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window.h"

#include "platform/controls.h"
#include "platform/window_manager.h"

namespace movesta {

Window::Window(DesktopServices& desktop, std::string caption)
    : m_desktop(desktop)
    , m_caption(std::move(caption))
{}

Control* Window::findControl(const std::string& name) const
{
    for (Control* c : m_controls)
        if (c->name() == name)
            return c;
    return nullptr;
}

void Window::unload()
{
    if (m_manager)
        m_manager->unload(*this);
}

} // namespace movesta
