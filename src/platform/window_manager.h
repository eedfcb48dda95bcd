// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Loads, shows and unloads the program's windows. A window is loaded (created, Form_Load run)
// at its first showing, brought to the front when shown again, and destroyed only when no
// handler of it can still be running. The toolkit side overrides the presentation hooks.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/window.h"

namespace movesta {

class WindowManager {
public:
    using Factory = std::function<std::unique_ptr<Window>()>;

    virtual ~WindowManager();

    void registerForm(const std::string& id, Factory factory);

    // Loads the window if needed (its Form_Load runs before it is shown), then shows it and
    // brings it to the front. Returns the window, or nullptr for an id nobody registered.
    Window* show(const std::string& id);
    Window* find(const std::string& id) const;
    bool isLoaded(const std::string& id) const { return find(id) != nullptr; }

    // The same by the window's type, which names itself (W::kId).
    template <class W>
    void registerForm(std::function<std::unique_ptr<W>()> factory)
    {
        registerForm(W::kId,
                     [factory = std::move(factory)]() -> std::unique_ptr<Window> { return factory(); });
    }
    template <class W>
    W* show()
    {
        return dynamic_cast<W*>(show(W::kId));
    }
    template <class W>
    W* find() const
    {
        return dynamic_cast<W*>(find(W::kId));
    }

    // Closes the window and drops it; its destruction waits until its handlers have returned.
    void unload(Window& window);
    // The user closed the window's frame: its Form_Unload runs, then the window unloads, unless
    // that handler ended the program (the start-up window), which takes every window with it.
    void close(Window& window);
    // The start-up window was closed: every window goes, without running its own handlers.
    void quit();
    bool quitRequested() const { return m_quit; }

    // The toolkit reports that a window became the active one.
    void activated(Window& window);

    // Destroys the windows unloaded so far; the toolkit calls it from its event loop.
    void destroyUnloaded();

protected:
    // Presentation hooks; the headless manager keeps the defaults.
    virtual void attachView(Window&, const std::string& /*id*/) {}
    virtual void presentView(Window& window);
    virtual void closeView(Window&) {}
    // The window is about to be destroyed: its view goes first, while the model is still there.
    virtual void destroyView(Window&) {}
    virtual void scheduleDestruction() {}
    virtual void quitApplication() {}

private:
    std::map<std::string, Factory> m_factories;
    std::map<std::string, std::unique_ptr<Window>> m_loaded;
    std::vector<std::unique_ptr<Window>> m_unloaded;
    bool m_quit = false;
};

} // namespace movesta
