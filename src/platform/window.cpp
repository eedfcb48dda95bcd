// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window.h"

#include <algorithm>

#include "platform/controls.h"
#include "platform/desktop_services.h"
#include "platform/window_manager.h"

namespace movesta {

Window::Window(DesktopServices& desktop, std::string caption)
    : m_desktop(desktop)
    , m_caption(std::move(caption))
{}

void Window::setFocusedControl(Control* control)
{
    if (control == m_focus)
        return;
    m_focus = control;
    if (control && control->onGotFocus)
        control->onGotFocus();
}

void Window::holdBack(const Control& control, Aspect aspect)
{
    const std::pair<const Control*, Aspect> change{&control, aspect};
    // A handful of controls change in a run: a look along the list is enough.
    if (std::find(m_heldBack.begin(), m_heldBack.end(), change) == m_heldBack.end())
        m_heldBack.push_back(change);
}

void Window::tellHeldBack()
{
    for (const auto& [control, aspect] : std::exchange(m_heldBack, {}))
        control->tellView(aspect);
}

void Window::ShowHelp()
{
    // Not "index.html#part": desktops open a local file by its path, without what follows '#'.
    // The window's help page beside the product page sends the browser on to its part.
    const std::string page = desktop().productPageAddress();
    const std::string section = helpSection();
    desktop().openAddress(
        section.empty() ? page : page.substr(0, page.rfind('/') + 1) + "help-" + section + ".html");
}

void Window::unload()
{
    if (m_manager)
        m_manager->unload(*this);
}

} // namespace movesta
