// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <string>

#include "platform/window_manager.h"

namespace movesta {

class FormView;

// The window manager of the real program: each loaded window model gets its Qt view, shown
// centred; unloaded models are destroyed from the event loop, never inside their own handler.
class QtWindowManager : public QObject, public WindowManager {
    Q_OBJECT
public:
    using ViewFactory = std::function<FormView*(Window&, QtWindowManager&)>;

    ~QtWindowManager() override;

    void registerView(const std::string& id, ViewFactory factory);
    // The view V of the window W, made for each loading of W.
    template <class W, class V>
    void registerView()
    {
        registerView(W::kId, [](Window& model, QtWindowManager& manager) -> FormView* {
            return new V(dynamic_cast<W&>(model), manager);
        });
    }
    FormView* viewOf(const Window& window) const;

protected:
    void attachView(Window& window, const std::string& id) override;
    void presentView(Window& window) override;
    void closeView(Window& window) override;
    void destroyView(Window& window) override;
    void scheduleDestruction() override;
    void quitApplication() override;

private:
    std::map<std::string, ViewFactory> m_viewFactories;
    // Views are owned here and deleted only by destroyView or with the manager, always before
    // their window models; a closed one waits hidden until its window is destroyed.
    QHash<const Window*, FormView*> m_views;
    QHash<const Window*, FormView*> m_closed;
    bool m_destructionPending = false;
};

} // namespace movesta
