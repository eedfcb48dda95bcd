// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls.h"

#include "core/text.h"
#include "platform/window.h"

namespace movesta {

void Control::notify(Aspect aspect, int index) const
{
    if (!m_observer)
        return;
    if (m_window.viewsHeld()) {
        if (aspect == Aspect::Selection || aspect == Aspect::Text) {
            m_window.holdBack(*this, aspect);
            return;
        }
        m_window.tellHeldBack(); // what changed before comes first
    }
    m_observer(aspect, index);
}

Control::Control(Window& owner, std::string name)
    : m_window(owner)
    , m_name(std::move(name))
{
    owner.registerControl(this);
}

void Control::setVisible(bool on)
{
    if (m_visible == on)
        return;
    m_visible = on;
    notify(Aspect::Visible);
}

void Control::setEnabled(bool on)
{
    if (m_enabled == on)
        return;
    m_enabled = on;
    notify(Aspect::Enabled);
}

void Control::setBackColor(Color c)
{
    if (m_back == c)
        return;
    m_back = c;
    notify(Aspect::Style);
}

void Control::setForeColor(Color c)
{
    if (m_fore == c)
        return;
    m_fore = c;
    notify(Aspect::Style);
}

void Control::setBold(bool on)
{
    if (m_bold == on)
        return;
    m_bold = on;
    notify(Aspect::Style);
}

void Control::setFontSize(int points)
{
    if (m_fontSize == points)
        return;
    m_fontSize = points;
    notify(Aspect::Style);
}

void Control::setToolTip(std::string tip)
{
    if (m_toolTip == tip)
        return;
    m_toolTip = std::move(tip);
    notify(Aspect::Style);
}

bool Control::setFocus()
{
    if (!m_window.isShown())
        return false;
    m_window.setFocusedControl(this);
    notify(Aspect::Focus);
    return true;
}

bool Control::hasFocus() const
{
    return m_window.focusedControl() == this;
}

void TextControl::setText(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    notify(Aspect::Text);
    if (onChange)
        onChange();
}

void TextControl::replaceTextSilently(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    notify(Aspect::Text);
}

void ComboBox::setItems(std::vector<std::string> items, int index)
{
    m_items = std::move(items);
    m_index = index >= 0 && index < static_cast<int>(m_items.size()) ? index : -1;
    notify(Aspect::Items);
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(m_items.size()) || index == m_index)
        return;
    m_index = index;
    notify(Aspect::Selection);
    if (index >= 0)
        replaceTextSilently(m_items[static_cast<std::size_t>(index)]);
    if (onClick)
        onClick();
}

void ComboBox::choose(int index)
{
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return;
    if (index != m_index) {
        m_index = index;
        notify(Aspect::Selection);
    }
    replaceTextSilently(m_items[static_cast<std::size_t>(index)]);
    if (onClick)
        onClick();
}

const std::string& ListBox::item(int index) const
{
    static const std::string empty;
    if (index < 0 || index >= listCount())
        return empty;
    return m_items[static_cast<std::size_t>(index)];
}

void ListBox::addItem(std::string text)
{
    m_items.push_back(std::move(text));
    notify(Aspect::ItemAdded, listCount() - 1);
}

void ListBox::setItems(std::vector<std::string> items, int index)
{
    m_items = std::move(items);
    m_index = index >= 0 && index < static_cast<int>(m_items.size()) ? index : -1;
    notify(Aspect::Items);
}

void ListBox::removeItem(int index)
{
    if (index < 0 || index >= listCount())
        return;
    notify(Aspect::ItemRemoving, index);
    m_items.erase(m_items.begin() + index);
    // Memory follows the rows left when a long list is emptied row by row: at a quarter of its
    // room the vector gives the rest back (a copy that, spread over the removals, stays small).
    if (m_items.capacity() > 1024 && m_items.size() < m_items.capacity() / 4)
        m_items.shrink_to_fit();
    if (m_index == index)
        m_index = -1;
    else if (m_index > index)
        --m_index;
    notify(Aspect::ItemRemoved, index);
}

void ListBox::clear()
{
    if (m_items.empty() && m_index == -1)
        return;
    m_items = {}; // and its room
    m_index = -1;
    notify(Aspect::ItemsCleared);
}

void ListBox::setListIndex(int index)
{
    if (index < -1 || index >= listCount() || index == m_index)
        return;
    m_index = index;
    notify(Aspect::Selection);
    if (onClick)
        onClick();
}

Picture::Picture(Window& owner, std::string name, std::string picture)
    : ClickableControl(owner, std::move(name))
    , m_picture(std::move(picture))
{}

OptionButton::OptionButton(Window& owner, std::string name, std::string caption)
    : Control(owner, std::move(name))
    , m_caption(std::move(caption))
{}

void OptionButton::setValueSilently(bool on)
{
    if (m_value == on)
        return;
    m_value = on;
    notify(Aspect::Selection);
}

void OptionButton::select()
{
    if (m_value)
        return;
    for (OptionButton* other : m_group)
        if (other != this)
            other->setValueSilently(false);
    setValueSilently(true);
    if (onClick)
        onClick();
}

CommandButton::CommandButton(Window& owner, std::string name, std::string caption)
    : ClickableControl(owner, std::move(name))
    , m_caption(std::move(caption))
{}

void Calendar::choose(std::string date)
{
    if (date == m_date)
        return;
    m_date = std::move(date);
    notify(Aspect::Selection);
    if (onClick)
        onClick();
    showMonth(m_date.substr(0, 7));
}

void Calendar::showMonth(std::string month)
{
    if (month == m_month)
        return;
    m_month = std::move(month);
    notify(Aspect::Text);
    if (onMonthChange)
        onMonthChange();
}

void Calendar::setMarkedDays(std::vector<std::string> days)
{
    if (days == m_marked)
        return;
    m_marked = std::move(days);
    notify(Aspect::Items);
}

void BarChart::setBars(std::vector<Bar> bars, std::string description)
{
    m_bars = std::move(bars);
    m_description = std::move(description);
    notify(Aspect::Items);
}

Decoration::Decoration(Window& owner, std::string name, std::string caption)
    : Control(owner, std::move(name))
    , m_caption(std::move(caption))
{}

MenuItem::MenuItem(Window& owner, std::string name, std::string caption, std::string shortcut)
    : ClickableControl(owner, std::move(name))
    , m_caption(std::move(caption))
    , m_shortcut(std::move(shortcut))
{}

std::string LeftCharacters(std::string_view text, std::size_t count)
{
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size() && seen < count; ++seen)
        at += DecodeUtf8(text, at).length;
    return std::string(text.substr(0, at));
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t n = 0;
    for (std::size_t at = 0; at < text.size(); ++n)
        at += DecodeUtf8(text, at).length;
    return n;
}

} // namespace movesta
