// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/qt_window_manager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "platform/qt/form_view.h"

namespace movesta {

QtWindowManager::~QtWindowManager()
{
    // Views go first: they hold pointers into the models that the base class destroys.
    qDeleteAll(m_views);
    qDeleteAll(m_closed);
    m_views.clear();
    m_closed.clear();
}

void QtWindowManager::registerView(const std::string& id, ViewFactory factory)
{
    m_viewFactories[id] = std::move(factory);
}

FormView* QtWindowManager::viewOf(const Window& window) const
{
    return m_views.value(&window);
}

void QtWindowManager::attachView(Window& window, const std::string& id)
{
    auto factory = m_viewFactories.find(id);
    if (factory == m_viewFactories.end())
        return;
    FormView* view = factory->second(window, *this);
    view->setAttribute(Qt::WA_DeleteOnClose, false);
    view->adjustSize();
    view->setFixedSize(view->sizeHint().expandedTo(view->size()));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        view->move(area.center() - QPoint(view->width() / 2, view->height() / 2));
    }
    m_views.insert(&window, view);
}

void QtWindowManager::presentView(Window& window)
{
    window.setShown(true);
    FormView* view = viewOf(window);
    if (!view) {
        activated(window);
        return;
    }
    view->show();
    view->raise();
    view->activateWindow();
}

void QtWindowManager::closeView(Window& window)
{
    FormView* view = m_views.take(&window);
    if (!view)
        return;
    view->setClosingByManager();
    view->hide();
    m_closed.insert(&window, view);
}

void QtWindowManager::destroyView(Window& window)
{
    delete m_closed.take(&window);
}

void QtWindowManager::scheduleDestruction()
{
    if (m_destructionPending)
        return;
    m_destructionPending = true;
    QTimer::singleShot(0, this, [this] {
        m_destructionPending = false;
        destroyUnloaded();
    });
}

void QtWindowManager::quitApplication()
{
    // The other windows go with the main one, without running their own handlers.
    for (const auto& view : std::as_const(m_views)) {
        view->setClosingByManager();
        view->hide();
    }
    QCoreApplication::quit();
}

} // namespace movesta
