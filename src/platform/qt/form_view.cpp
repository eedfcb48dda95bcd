// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/form_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>

#include <utility>

#include "platform/qt/qt_text.h"
#include "platform/window.h"
#include "platform/window_manager.h"

namespace movesta {

namespace {

QColor resolve(Color color, const QPalette& palette)
{
    switch (color.kind) {
    case Color::Kind::Rgb:
        return QColor(color.r, color.g, color.b);
    case Color::Kind::ButtonFace:
        return palette.color(QPalette::Button);
    case Color::Kind::Highlight:
        return palette.color(QPalette::Highlight);
    case Color::Kind::HighlightText:
        return palette.color(QPalette::HighlightedText);
    case Color::Kind::Default:
        break;
    }
    return {};
}

} // namespace

int CharacterCode(const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Delete)
        return -1;
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event.text();
    if (text.isEmpty())
        return -1;
    const char32_t code = text.toUcs4().value(0);
    if (code == 127)
        return -1;
    return static_cast<int>(code);
}

void FormView::Binding::release()
{
    if (control)
        control->setObserver(nullptr);
    control = nullptr;
    for (const auto& c : connections)
        QObject::disconnect(c);
    connections.clear();
}

FormView::FormView(Window& model, WindowManager& manager, int clientWidthTwips, int clientHeightTwips)
    : m_model(model)
    , m_manager(manager)
    , m_scale(LayoutScale::ofApplicationFont())
    , m_client(new QWidget(this))
{
    setWindowTitle(toQ(model.caption()));
    m_client->setFixedSize(m_scale.rect(twipsRect(0, 0, clientWidthTwips, clientHeightTwips)).size());
    m_client->installEventFilter(this);
    // F1 opens the window's help whichever control has the focus, as the menu's shortcuts do.
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence::HelpContents);
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    m_menuActions.push_back(help);
    connect(help, &QAction::triggered, this, [this] { m_model.ShowHelp(); });
}

FormView::~FormView()
{
    // The window manager deletes a view before its model: the bindings let go of the controls
    // here, before the widgets go.
    m_bindingOf.clear();
    m_bindings.clear();
}

QWidget* FormView::widgetOf(const Control& control) const
{
    for (const auto& b : m_bindings)
        if (b->control == &control)
            return b->widget;
    return nullptr;
}

FormView::Binding& FormView::addBinding(Control& control, QWidget* widget, Kind kind)
{
    auto owned = std::make_unique<Binding>();
    Binding& binding = *owned;
    binding.control = &control;
    binding.widget = widget;
    binding.kind = std::move(kind);
    if (!m_bindingOf.contains(widget)) // a table of list boxes is the first one's for the filter
        m_bindingOf.insert(widget, &binding);
    control.setObserver([this, &binding](Aspect aspect, int index) {
        QWidget* shown = binding.widget;
        if (!shown)
            return;
        switch (aspect) {
        case Aspect::Visible:
            shown->setVisible(binding.control->visible());
            break;
        case Aspect::Enabled:
            shown->setEnabled(binding.control->enabled());
            break;
        case Aspect::Style:
            applyStyle(binding);
            break;
        case Aspect::Focus:
            if (shown->isVisible())
                shown->setFocus(Qt::OtherFocusReason);
            break;
        default:
            if (binding.kind.redraw)
                binding.kind.redraw(aspect, index);
        }
    });
    widget->setVisible(control.visible());
    widget->setEnabled(control.enabled());
    applyStyle(binding);
    m_bindings.push_back(std::move(owned));
    return binding;
}

void FormView::applyStyle(const Binding& binding) const
{
    QWidget* widget = binding.widget;
    const Control& control = *binding.control;
    QFont font = m_client->font();
    if (control.fontSize() > 0)
        font = m_scale.font(font, control.fontSize());
    font.setBold(control.bold());
    // A widget that already shows this font is left alone: setting it anyway costs a font change
    // (a combo builds its popup for it).
    if (widget->font() != font)
        widget->setFont(font);
    widget->setToolTip(toQ(control.toolTip()));

    const bool isEdit = binding.kind.editable;
    QPalette palette = m_client->palette();
    const QPalette::ColorRole backRole = isEdit ? QPalette::Base : QPalette::Window;
    const QPalette::ColorRole foreRole = isEdit ? QPalette::Text : QPalette::WindowText;
    const QColor back = resolve(control.backColor(), palette);
    const QColor fore = resolve(control.foreColor(), palette);
    if (back.isValid())
        palette.setColor(backRole, back);
    // A disabled control keeps the palette's disabled text colour.
    if (fore.isValid())
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, foreRole, fore);
    widget->setPalette(palette);
    if (!isEdit)
        widget->setAutoFillBackground(back.isValid());
    if (binding.kind.restyle)
        binding.kind.restyle();
}

bool FormView::menuShortcutMatches(const QKeyEvent* event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (const QAction* action : m_menuActions)
        if (action->isEnabled() && action->isVisible() && action->shortcut() == pressed)
            return true;
    return false;
}

bool FormView::eventFilter(QObject* watched, QEvent* event)
{
    // The desktop's colours changed (a dark theme chosen): the system colours and the link colour
    // that the controls were given are taken again from the palette the client area now has.
    if (watched == m_client && event->type() == QEvent::PaletteChange) {
        for (const auto& b : m_bindings)
            if (b->widget && b->control)
                applyStyle(*b);
        restyle();
    }
    Binding* binding = m_bindingOf.value(watched, nullptr);
    if (!binding || !binding->control || m_closingByManager)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Line edits claim Delete, Ctrl+C and more for themselves; the window's menu wins.
        if (menuShortcutMatches(static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::FocusIn:
        m_model.setFocusedControl(binding->control);
        break;
    default:
        break;
    }
    if (binding->kind.event && binding->kind.event(*event))
        return true;
    return QWidget::eventFilter(watched, event);
}

void FormView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_closingByManager)
        m_manager.activated(m_model);
}

void FormView::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_closingByManager)
        m_manager.close(m_model);
}

} // namespace movesta
