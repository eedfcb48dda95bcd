// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Base of the window models: owns nothing but the list of its controls, knows whether it is
// shown, and reaches the desktop and the window manager.

#include <string>
#include <utility>
#include <vector>

namespace movesta {

enum class Aspect;
class Control;
class DesktopServices;
class WindowManager;

class Window {
public:
    Window(DesktopServices& desktop, std::string caption);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& caption() const { return m_caption; }
    DesktopServices& desktop() const { return m_desktop; }

    // The part of the product page that helps with this window (an id of the page); empty for its top.
    virtual std::string helpSection() const { return {}; }
    // F1: the product page, opened at this window's part.
    void ShowHelp();

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

    bool isShown() const { return m_shown; }
    Control* focusedControl() const { return m_focus; }
    const std::vector<Control*>& controls() const { return m_controls; }

    // Closes and unloads this window; safe from inside its own handlers.
    void unload();

    // Called by the window manager and the toolkit only.
    void setShown(bool shown) { m_shown = shown; }
    // Raises the control's onGotFocus when the focus really moves to it.
    void setFocusedControl(Control* control);
    void setManager(WindowManager* manager) { m_manager = manager; }
    void registerControl(Control* control) { m_controls.push_back(control); }

    // Held over a long run of selections and text changes (the report selecting every row), the
    // controls tell their views only where the run ends, once each, when the outermost hold
    // ends; rows added or removed are told at once, after what was held back. Hold nothing across
    // a message box: it would sit over a window drawn as it was.
    class ViewsHeld {
    public:
        explicit ViewsHeld(Window& window)
            : m_window(window)
        {
            ++m_window.m_held;
        }
        ~ViewsHeld()
        {
            if (--m_window.m_held == 0)
                m_window.tellHeldBack();
        }
        ViewsHeld(const ViewsHeld&) = delete;
        ViewsHeld& operator=(const ViewsHeld&) = delete;

    private:
        Window& m_window;
    };
    bool viewsHeld() const { return m_held > 0; }
    // A control's change that its view learns when the hold ends (once, however often it changed).
    void holdBack(const Control& control, Aspect aspect);
    // Tells the views what was held back, in the order it first changed.
    void tellHeldBack();

private:
    DesktopServices& m_desktop;
    std::string m_caption;
    bool m_shown = false;
    Control* m_focus = nullptr;
    WindowManager* m_manager = nullptr;
    std::vector<Control*> m_controls;
    int m_held = 0;
    std::vector<std::pair<const Control*, Aspect>> m_heldBack;
};

} // namespace movesta
