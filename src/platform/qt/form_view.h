// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Base of the Qt views: shows a window model's controls in real widgets and feeds what the
// user does back into the model. Model to widget: only when they differ, with signals blocked,
// so showing a change never comes back as an edit. Widget to model: only user signals.
//
// What every control shares (visibility, enabled, font, colours, tooltip, focus, the window
// menu's shortcuts) is handled here, in form_view.cpp. What one kind of control adds (its
// widget, its texts or items, its own keys and mouse, its accessible name) is set once for the
// kind by its binder: label_binder.cpp, line_binder.cpp, text_box_binder.cpp, combo_binder.cpp,
// list_binder.cpp, picture_binder.cpp, option_binder.cpp, menu_binder.cpp.

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "platform/controls.h"
#include "platform/qt/twips.h"

class QAction;
class QCalendarWidget;
class QPushButton;
class QComboBox;
class QCompleter;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QRadioButton;
class QTableView;
class QAbstractItemView;

namespace movesta {

class LinkButton;
class PictureButton;
class Window;
class WindowManager;

class FormView : public QWidget {
    Q_OBJECT
public:
    FormView(Window& model, WindowManager& manager, int clientWidthTwips, int clientHeightTwips);
    ~FormView() override;

    Window& model() const { return m_model; }
    // The surface on which controls are placed at their twip positions (below a menu bar).
    QWidget* client() const { return m_client; }
    // Every geometry given to a bind function is in the design's logical pixels, and placed
    // grown by this, the application font's scale when the window opened.
    const LayoutScale& layoutScale() const { return m_scale; }

    // The manager closes this view itself: no close handler of the model runs, and the hidden view
    // hands nothing more to the model until the manager destroys it, before the model.
    void setClosingByManager() { m_closingByManager = true; }

    QLabel* bindLabel(Label& label, QRect geometry,
                      Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // A label whose text would not fit its box is drawn in a smaller font (down to 6 points,
    // then elided) instead of being cut off: long activity names, large totals.
    QLabel* bindShrinkingLabel(Label& label, QRect geometry,
                               Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                               bool wordWrap = false);
    // A label that acts as a link: hand pointer, link colour, underlined; its click, Space or
    // Return raise its Click.
    LinkButton* bindLink(Label& label, QRect geometry,
                         Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // A horizontal rule; it follows the line's visibility.
    QFrame* bindLine(Decoration& line, QRect geometry);
    // A frame with its caption as the title, around the controls placed in it.
    QGroupBox* bindFrame(Decoration& frame, QRect geometry);
    QLineEdit* bindTextBox(TextBox& box, QRect geometry, Qt::Alignment alignment = Qt::AlignLeft);
    QComboBox* bindCombo(ComboBox& combo, QRect geometry);
    // Rows of one height, as wide as the list (a long text is cut with "..."), aligned as given.
    QListView* bindList(ListBox& list, QRect geometry, Qt::Alignment alignment = Qt::AlignLeft);
    // List boxes side by side, each drawn as a box of its own (`box`: equal tops and heights), shown
    // as the columns of one table: one row selection, one scroll position, one Tab stop.
    struct BoxColumn {
        ListBox& list;
        QRect box;
        Qt::Alignment alignment;
        const char* heading; // the column's name for screen readers
    };
    QTableView* bindListBoxes(const std::vector<BoxColumn>& columns);
    PictureButton* bindPicture(Picture& picture, QRect geometry);
    QRadioButton* bindOption(OptionButton& option, QRect geometry, QWidget* parent);
    QAction* bindMenuItem(MenuItem& item, QMenu* menu);
    QPushButton* bindButton(CommandButton& button, QRect geometry);
    QCalendarWidget* bindCalendar(Calendar& calendar, QRect geometry);
    // The bars painted; their description is the chart's accessible description.
    QWidget* bindChart(BarChart& chart, QRect geometry);

    // The widget that shows a control, or nullptr.
    QWidget* widgetOf(const Control& control) const;

protected:
    // After the controls took a new palette's colours: what a window adds to its own look.
    virtual void restyle() {}
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a kind of control adds to the common binding; its binder fills it once for the kind.
    struct Kind {
        // The kind's own aspects (text, items, selection); the common ones are handled already.
        std::function<void(Aspect, int)> redraw;
        // The kind's own keys and mouse on a widget that the view filters; true when consumed.
        std::function<bool(QEvent&)> event;
        // After the common font and colours: the kind's own look and accessible name.
        std::function<void()> restyle;
        // Drawn with the base and text colours of an input field rather than the window's.
        bool editable = false;
    };
    struct Binding {
        Control* control = nullptr;
        QPointer<QWidget> widget;
        Kind kind;
        std::vector<QMetaObject::Connection> connections;

        ~Binding() { release(); }
        void release();
    };

    Binding& addBinding(Control& control, QWidget* widget, Kind kind);
    // Shows the label's caption; `kind` brings what a kind of label adds (a link's click).
    // The list boxes as the columns of the view's one model and selection.
    void bindListTable(QAbstractItemView* view, const std::vector<BoxColumn>& columns,
                       std::function<void()> restyle);
    QLabel* setUpLabel(QLabel* widget, Label& label, QRect geometry, Qt::Alignment alignment, Kind kind);
    // A typed character goes through the box's KeyPress, which may drop it.
    static std::function<bool(QEvent&)> typedKeys(TextBox& box);
    void applyStyle(const Binding& binding) const;
    bool menuShortcutMatches(const class QKeyEvent* event) const;

    Window& m_model;
    WindowManager& m_manager;
    const LayoutScale m_scale;
    QWidget* m_client;
    std::vector<std::unique_ptr<Binding>> m_bindings;
    QHash<const QObject*, Binding*> m_bindingOf;
    QList<QAction*> m_menuActions;
    bool m_closingByManager = false;
    QCompleter* m_lentCompleter = nullptr; // lent to each combo's line edit while it is set up
};

// The blank a list's row leaves between its edge and its text.
int ListTextMargin(const QWidget* view);

// The character code a key event types, as the KeyPress handlers see it; -1 for keys that
// type no character (arrows, Delete, Home, End, function keys).
int CharacterCode(const class QKeyEvent& event);

} // namespace movesta
