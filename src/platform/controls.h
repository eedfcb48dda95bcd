// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Toolkit-free controls of the window models. A control holds its state and raises its events
// synchronously: Change after a text really changed (before the setter returns, so handlers
// nest), Click when a list's selection really changed, KeyPress for each typed character.
// A view listens on a separate observer channel, so redrawing never counts as a user edit.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace movesta {

class Window;

struct Color {
    enum class Kind : std::uint8_t { Default, Rgb, ButtonFace, Highlight, HighlightText };
    Kind kind = Kind::Default;
    std::uint8_t r = 0, g = 0, b = 0;

    static constexpr Color rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        return Color{Kind::Rgb, red, green, blue};
    }
    static constexpr Color system(Kind k) { return Color{k, 0, 0, 0}; }
    bool operator==(const Color&) const = default;
};

inline constexpr Color kPureRed = Color::rgb(255, 0, 0);
inline constexpr Color kWhite = Color::rgb(255, 255, 255);
inline constexpr Color kBlack = Color::rgb(0, 0, 0);

// What changed, for the view.
enum class Aspect {
    Text,
    Items,
    ItemAdded,
    ItemRemoving, // before the row goes, for views that must be told first
    ItemRemoved,
    ItemsCleared,
    Selection,
    Style,
    Visible,
    Enabled,
    Focus
};

class Control {
public:
    Control(Window& owner, std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }
    Window& window() const { return m_window; }

    bool visible() const { return m_visible; }
    void setVisible(bool on);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);
    Color backColor() const { return m_back; }
    void setBackColor(Color c);
    Color foreColor() const { return m_fore; }
    void setForeColor(Color c);
    bool bold() const { return m_bold; }
    void setBold(bool on);
    int fontSize() const { return m_fontSize; } // points; 0 keeps the window's font
    void setFontSize(int points);
    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(std::string tip);

    // Asks for the keyboard focus. Fails (returns false, nothing happens) while the window
    // is not shown yet, as during its loading.
    bool setFocus();
    bool hasFocus() const;
    // Raised when the control takes the focus from another one or from none.
    std::function<void()> onGotFocus;

    using Observer = std::function<void(Aspect, int index)>;
    void setObserver(Observer observer) { m_observer = std::move(observer); }
    // A change held back by the window, told now.
    void tellView(Aspect aspect) const
    {
        if (m_observer)
            m_observer(aspect, -1);
    }

protected:
    // Tells the view; a selection or text change waits while the window holds its views.
    void notify(Aspect aspect, int index = -1) const;

private:
    Window& m_window;
    std::string m_name;
    bool m_visible = true;
    bool m_enabled = true;
    Color m_back;
    Color m_fore;
    bool m_bold = false;
    int m_fontSize = 0;
    std::string m_toolTip;
    Observer m_observer;
};

// A control whose text raises Change.
class TextControl : public Control {
public:
    using Control::Control;
    const std::string& text() const { return m_text; }
    // Raises onChange when the text differs from the one held; nothing otherwise.
    void setText(std::string text);
    std::function<void()> onChange;

protected:
    // For a selection that replaces the text without counting as an edit.
    void replaceTextSilently(std::string text);

private:
    std::string m_text;
};

class Label : public TextControl {
public:
    using TextControl::TextControl;
    const std::string& caption() const { return text(); }
    void setCaption(std::string caption) { setText(std::move(caption)); }
    // Some labels act as links.
    void click() const
    {
        if (onClick && enabled() && visible())
            onClick();
    }
    std::function<void()> onClick;
};

// A box the user types into; each typed character passes onKeyPress first (0 drops it).
class TextBox : public TextControl {
public:
    using TextControl::TextControl;
    std::function<int(int)> onKeyPress;
    int keyPress(int code) const { return onKeyPress ? onKeyPress(code) : code; }
};

// How a list shows its items from `first` on: with `text` after their own (the person's own
// activities after the catalogue's). What the item is, its text, stays as it is.
struct ItemMark {
    int first = -1; // none while negative
    std::string text;
    std::string shown(const std::string& item, int index) const
    {
        return first >= 0 && index >= first ? item + text : item;
    }
};

// An editable drop-down: item texts, a selected index (-1 for none) and a free text.
class ComboBox : public TextBox {
public:
    using TextBox::TextBox;
    const std::vector<std::string>& items() const { return m_items; }
    // Replaces the items; `index` is the one selected after, told with the items (no Click).
    void setItems(std::vector<std::string> items, int index = -1);
    void setItemMark(ItemMark mark) { m_mark = std::move(mark); }
    std::string shownItem(int index) const
    {
        return m_mark.shown(m_items.at(static_cast<std::size_t>(index)), index);
    }
    int listIndex() const { return m_index; }
    // Selecting an item shows its text (no Change) and raises onClick when the selection
    // really changes; -1 selects none.
    void setListIndex(int index);
    // The user picked an item from the list: that always counts, even the item already
    // selected (it brings its text back after an edit).
    void choose(int index);
    std::function<void()> onClick;

private:
    std::vector<std::string> m_items;
    int m_index = -1;
    ItemMark m_mark;
};

class ListBox : public Control {
public:
    using Control::Control;
    const std::vector<std::string>& items() const { return m_items; }
    int listCount() const { return static_cast<int>(m_items.size()); }
    const std::string& item(int index) const; // empty text outside the list
    void addItem(std::string text);
    // Replaces the items; `index` is the one selected after, told with the items (no Click).
    void setItems(std::vector<std::string> items, int index = -1);
    void setItemMark(ItemMark mark) { m_mark = std::move(mark); }
    std::string shownItem(int index) const { return m_mark.shown(item(index), index); }
    // Removing or clearing leaves no row selected; that is not a selection, so no Click.
    void removeItem(int index);
    void clear();
    int listIndex() const { return m_index; }
    // Raises onClick when the selection really changes; an index outside the list is ignored.
    void setListIndex(int index);
    const std::string& text() const { return item(m_index); }
    std::function<void()> onClick;

private:
    std::vector<std::string> m_items;
    int m_index = -1;
    ItemMark m_mark;
};

// A control the person clicks: a picture, a push button, a menu item. A hidden or disabled one
// does nothing.
class ClickableControl : public Control {
public:
    using Control::Control;
    void click() const
    {
        if (onClick && enabled() && visible())
            onClick();
    }
    std::function<void()> onClick;
};

// A picture that acts as a button.
class Picture : public ClickableControl {
public:
    Picture(Window& owner, std::string name, std::string picture);
    const std::string& picture() const { return m_picture; }

private:
    std::string m_picture;
};

class OptionButton : public Control {
public:
    OptionButton(Window& owner, std::string name, std::string caption);
    const std::string& caption() const { return m_caption; }
    bool value() const { return m_value; }
    // Selecting clears the other buttons of the group and raises onClick; selecting the one
    // already selected changes nothing.
    void select();
    void joinGroup(std::vector<OptionButton*> group) { m_group = std::move(group); }
    std::function<void()> onClick;

private:
    void setValueSilently(bool on);
    std::string m_caption;
    bool m_value = false;
    std::vector<OptionButton*> m_group;
};

// A push button with a caption.
class CommandButton : public ClickableControl {
public:
    CommandButton(Window& owner, std::string name, std::string caption);
    const std::string& caption() const { return m_caption; }

private:
    std::string m_caption;
};

// A month calendar: the day chosen (an ISO date, "2026-12-09") and the days that stand out.
class Calendar : public Control {
public:
    using Control::Control;
    const std::string& date() const { return m_date; }
    // Chooses a day and raises onClick if it is another one.
    void choose(std::string date);
    // The month shown, "2026-12": the chosen day's, or another one the person turned to.
    const std::string& month() const { return m_month; }
    void showMonth(std::string month); // raises onMonthChange when it is another one
    const std::vector<std::string>& markedDays() const { return m_marked; }
    void setMarkedDays(std::vector<std::string> days);
    std::function<void()> onClick;
    std::function<void()> onMonthChange;

private:
    std::string m_date;
    std::string m_month;
    std::vector<std::string> m_marked;
};

// A bar chart of one value a day, with an optional mark per day (a target) and a text that says
// what it shows, for those who cannot see it.
class BarChart : public Control {
public:
    using Control::Control;
    struct Bar {
        std::string label; // "9"
        double value = 0;
        double mark = -1; // none below 0
    };
    const std::vector<Bar>& bars() const { return m_bars; }
    const std::string& description() const { return m_description; }
    void setBars(std::vector<Bar> bars, std::string description);

private:
    std::vector<Bar> m_bars;
    std::string m_description;
};

// A static element with a caption (a frame, a line); it carries no behaviour.
class Decoration : public Control {
public:
    Decoration(Window& owner, std::string name, std::string caption = {});
    const std::string& caption() const { return m_caption; }

private:
    std::string m_caption;
};

class MenuItem : public ClickableControl {
public:
    MenuItem(Window& owner, std::string name, std::string caption, std::string shortcut);
    const std::string& caption() const { return m_caption; }
    const std::string& shortcut() const { return m_shortcut; } // "Del", "Shift+Del", "Ctrl+C"

private:
    std::string m_caption;
    std::string m_shortcut;
};

// The first `count` characters of a text, and their number (a byte that is not UTF-8 counts
// as one).
std::string LeftCharacters(std::string_view text, std::size_t count);
std::size_t CharacterCount(std::string_view text);

} // namespace movesta
