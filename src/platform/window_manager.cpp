// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window_manager.h"

#include <utility>

namespace movesta {

WindowManager::~WindowManager() = default;

void WindowManager::registerForm(const std::string& id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

Window* WindowManager::find(const std::string& id) const
{
    auto it = m_loaded.find(id);
    return it == m_loaded.end() ? nullptr : it->second.get();
}

Window* WindowManager::show(const std::string& id)
{
    if (Window* loaded = find(id)) {
        presentView(*loaded);
        return loaded;
    }
    auto factory = m_factories.find(id);
    if (factory == m_factories.end())
        return nullptr;
    std::unique_ptr<Window> created = factory->second();
    Window& window = *created;
    window.setManager(this);
    m_loaded[id] = std::move(created);
    window.Form_Load();
    attachView(window, id);
    presentView(window);
    return &window;
}

void WindowManager::presentView(Window& window)
{
    window.setShown(true);
    activated(window);
}

void WindowManager::activated(Window& window)
{
    if (window.isShown())
        window.Form_Activate();
}

void WindowManager::unload(Window& window)
{
    for (auto it = m_loaded.begin(); it != m_loaded.end(); ++it) {
        if (it->second.get() != &window)
            continue;
        window.setShown(false);
        window.setManager(nullptr);
        closeView(window);
        m_unloaded.push_back(std::move(it->second));
        m_loaded.erase(it);
        scheduleDestruction();
        return;
    }
}

void WindowManager::close(Window& window)
{
    window.Form_Unload();
    if (!m_quit)
        window.unload();
}

void WindowManager::quit()
{
    m_quit = true;
    quitApplication();
}

void WindowManager::destroyUnloaded()
{
    for (std::unique_ptr<Window>& window : std::exchange(m_unloaded, {})) {
        destroyView(*window);
        window.reset();
    }
}

} // namespace movesta
