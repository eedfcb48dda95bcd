#include "platform/qt/form_view.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFontMetricsF>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

#include "platform/qt/pictures.h"
#include "platform/qt/twips.h"
#include "platform/window.h"
#include "platform/window_manager.h"

namespace movesta {

struct FormView::Binding {
    Control* control = nullptr;
    QPointer<QWidget> widget;
    std::vector<QMetaObject::Connection> connections;

    ~Binding() { release(); }
    void release()
    {
        if (control)
            control->setObserver(nullptr);
        control = nullptr;
        for (const auto& c : connections)
            QObject::disconnect(c);
        connections.clear();
    }
};

namespace {

// A combo with more items than this has its popup measured by one row (the activities).
constexpr qsizetype kLongPopup = 50;

QString toQ(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQ(const QString& text)
{
    return text.toStdString();
}

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

// Draws its text in a smaller font when the model's font would not fit the box.
class ShrinkingLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const QRectF area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
        QFont font = this->font();
        if (text().isEmpty() || font.pointSizeF() <= 0 || fits(font, area, flags)) {
            QLabel::paintEvent(event);
            return;
        }
        constexpr qreal kSmallestPoints = 6.0;
        while (font.pointSizeF() > kSmallestPoints && !fits(font, area, flags))
            font.setPointSizeF(qMax(kSmallestPoints, font.pointSizeF() - 0.5));
        QString shown = text();
        if (!wordWrap())
            shown = QFontMetricsF(font).elidedText(shown, Qt::ElideRight, area.width());
        QPainter painter(this);
        painter.setFont(font);
        style()->drawItemText(&painter, area.toRect(), flags, palette(), isEnabled(), shown,
                              foregroundRole());
    }

private:
    bool fits(const QFont& font, const QRectF& area, int flags) const
    {
        const QRectF needed = QFontMetricsF(font).boundingRect(area, flags, text());
        return needed.width() <= area.width() + 0.5 && needed.height() <= area.height() + 0.5;
    }
};

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

FormView::FormView(Window& model, WindowManager& manager, int clientWidthTwips, int clientHeightTwips)
    : m_model(model)
    , m_manager(manager)
    , m_client(new QWidget(this))
{
    setWindowTitle(toQ(model.caption()));
    setWindowIcon(windowIcon());
    m_client->setFixedSize(twips(clientWidthTwips), twips(clientHeightTwips));
}

FormView::~FormView()
{
    unbind();
}

void FormView::unbind()
{
    m_bindings.clear();
    m_controlOf.clear();
    m_linkPressed.clear();
}

QWidget* FormView::widgetOf(const Control& control) const
{
    for (const auto& b : m_bindings)
        if (b->control == &control)
            return b->widget;
    return nullptr;
}

FormView::Binding& FormView::addBinding(Control& control, QWidget* widget,
                                        std::function<void(Aspect, int)> redraw)
{
    auto binding = std::make_unique<Binding>();
    binding->control = &control;
    binding->widget = widget;
    m_controlOf.insert(widget, &control);
    QPointer<QWidget> guard(widget);
    control.setObserver([this, guard, &control, redraw = std::move(redraw)](Aspect aspect, int index) {
        if (!guard)
            return;
        switch (aspect) {
        case Aspect::Visible:
            guard->setVisible(control.visible());
            break;
        case Aspect::Enabled:
            guard->setEnabled(control.enabled());
            break;
        case Aspect::Style:
            applyStyle(guard, control);
            break;
        case Aspect::Focus:
            if (guard->isVisible())
                guard->setFocus(Qt::OtherFocusReason);
            break;
        default:
            redraw(aspect, index);
        }
    });
    widget->setVisible(control.visible());
    widget->setEnabled(control.enabled());
    applyStyle(widget, control);
    m_bindings.push_back(std::move(binding));
    return *m_bindings.back();
}

void FormView::applyStyle(QWidget* widget, const Control& control) const
{
    QFont font = m_client->font();
    if (control.fontSize() > 0)
        font.setPointSize(control.fontSize());
    font.setBold(control.bold());
    // A widget that already shows this font is left alone: setting it anyway costs a font change
    // (a combo builds its popup for it).
    if (widget->font() != font)
        widget->setFont(font);
    widget->setToolTip(toQ(control.toolTip()));
    // A picture is named by its tooltip; a label's tooltip only describes it, so that a screen
    // reader still reads the label's value.
    if (!control.toolTip().empty() && qobject_cast<PictureWidget*>(widget))
        widget->setAccessibleName(toQ(control.toolTip()));

    const bool isEdit =
        qobject_cast<QLineEdit*>(widget) != nullptr || qobject_cast<QComboBox*>(widget) != nullptr;
    QPalette palette = m_client->palette();
    const QPalette::ColorRole backRole = isEdit ? QPalette::Base : QPalette::Window;
    const QPalette::ColorRole foreRole = isEdit ? QPalette::Text : QPalette::WindowText;
    const QColor back = resolve(control.backColor(), palette);
    const QColor fore = resolve(control.foreColor(), palette);
    if (back.isValid())
        palette.setColor(backRole, back);
    if (fore.isValid())
        palette.setColor(foreRole, fore);
    if (m_linkPressed.contains(widget)) {
        font.setUnderline(true);
        widget->setFont(font);
        if (!fore.isValid())
            palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    }
    widget->setPalette(palette);
    if (!isEdit)
        widget->setAutoFillBackground(back.isValid());
}

QLabel* FormView::bindLabel(Label& label, QRect geometry, Qt::Alignment alignment)
{
    return setUpLabel(new QLabel(m_client), label, geometry, alignment);
}

QLabel* FormView::bindShrinkingLabel(Label& label, QRect geometry, Qt::Alignment alignment, bool wordWrap)
{
    auto* widget = new ShrinkingLabel(m_client);
    widget->setWordWrap(wordWrap);
    return setUpLabel(widget, label, geometry, alignment);
}

QLabel* FormView::bindLinkLabel(Label& label, QRect geometry, Qt::Alignment alignment)
{
    auto* widget = new QLabel(m_client);
    m_linkPressed.insert(widget, false);
    widget->setCursor(handCursor());
    widget->installEventFilter(this);
    return setUpLabel(widget, label, geometry, alignment);
}

QFrame* FormView::bindLine(Decoration& line, QRect geometry)
{
    auto* widget = new QFrame(m_client);
    widget->setFrameShape(QFrame::HLine);
    widget->setFrameShadow(QFrame::Sunken);
    widget->setGeometry(geometry);
    addBinding(line, widget, [](Aspect, int) {});
    return widget;
}

QLabel* FormView::setUpLabel(QLabel* widget, Label& label, QRect geometry, Qt::Alignment alignment)
{
    widget->setGeometry(geometry);
    widget->setTextFormat(Qt::PlainText);
    widget->setAlignment(alignment);
    widget->setText(toQ(label.caption()));
    addBinding(label, widget, [widget, &label](Aspect aspect, int) {
        if (aspect == Aspect::Text)
            widget->setText(toQ(label.caption()));
    });
    return widget;
}

QLineEdit* FormView::bindTextBox(TextBox& box, QRect geometry, Qt::Alignment alignment)
{
    auto* widget = new QLineEdit(m_client);
    widget->setGeometry(geometry);
    widget->setAlignment(alignment);
    widget->setText(toQ(box.text()));
    auto sync = [widget, &box] {
        const QString text = toQ(box.text());
        if (widget->text() != text) {
            QSignalBlocker block(widget);
            widget->setText(text);
        }
    };
    Binding& b = addBinding(box, widget, [sync](Aspect aspect, int) {
        if (aspect == Aspect::Text)
            sync();
    });
    b.connections.push_back(
        connect(widget, &QLineEdit::textEdited, widget, [&box, sync](const QString& text) {
            box.setText(fromQ(text));
            sync();
        }));
    widget->installEventFilter(this);
    return widget;
}

QComboBox* FormView::bindCombo(ComboBox& combo, QRect geometry)
{
    auto* widget = new QComboBox(m_client);
    widget->setGeometry(geometry);
    // Editable, without completion. A combo made editable builds a completer over all its items
    // unless its line edit brings one: it is lent an empty one, taken back at once.
    if (!m_lentCompleter)
        m_lentCompleter = new QCompleter(this);
    auto* edit = new QLineEdit(widget);
    edit->setCompleter(m_lentCompleter);
    widget->setLineEdit(edit);
    widget->setInsertPolicy(QComboBox::NoInsert);
    widget->setCompleter(nullptr);
    widget->setMaxVisibleItems(20);
    auto syncText = [widget, &combo] {
        const QString text = toQ(combo.text());
        if (widget->currentText() != text) {
            QSignalBlocker block(widget);
            widget->setEditText(text);
        }
    };
    auto syncItems = [widget, &combo, syncText] {
        QSignalBlocker block(widget);
        widget->clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(combo.items().size()));
        for (const auto& item : combo.items())
            items.push_back(toQ(item));
        // The rows of a long popup (the activities) are one line each in one font: measuring one
        // is enough. A short one is not built before it is first opened.
        if (items.size() > kLongPopup) {
            if (auto* popup = qobject_cast<QListView*>(widget->view()))
                popup->setUniformItemSizes(true);
        }
        widget->addItems(items);
        widget->setCurrentIndex(combo.listIndex());
        widget->setEditText(toQ(combo.text()));
        syncText();
    };
    Binding& b = addBinding(combo, widget, [widget, &combo, syncText, syncItems](Aspect aspect, int) {
        if (aspect == Aspect::Items) {
            syncItems();
        } else if (aspect == Aspect::Selection) {
            QSignalBlocker block(widget);
            widget->setCurrentIndex(combo.listIndex());
            widget->setEditText(toQ(combo.text()));
        } else if (aspect == Aspect::Text) {
            syncText();
        }
    });
    // Filled after the binding has set the font: a font change after the fill would make the popup
    // measure every name again.
    syncItems();
    b.connections.push_back(
        connect(widget->lineEdit(), &QLineEdit::textEdited, widget, [&combo, syncText](const QString& text) {
            combo.setText(fromQ(text));
            syncText();
        }));
    b.connections.push_back(connect(widget, &QComboBox::activated, widget, [&combo, syncText](int index) {
        combo.choose(index);
        syncText();
    }));
    widget->installEventFilter(this);
    return widget;
}

QListWidget* FormView::bindList(ListBox& list, QRect geometry)
{
    auto* widget = new QListWidget(m_client);
    widget->setGeometry(geometry);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setUniformItemSizes(true);
    // The selection follows the model at once, and so does the scrolling to it, but only once per
    // turn of the event loop: a walk through thousands of rows (a report) scrolls at its first row,
    // and to its last when the loop comes round, instead of once per row in every list.
    struct Scroll {
        bool pending = false;
        int row = -1; // the latest row asked for while pending
    };
    auto scroll = std::make_shared<Scroll>();
    auto scrollToCurrent = [widget, scroll] {
        const int row = widget->currentRow();
        if (scroll->pending) {
            scroll->row = row;
            return;
        }
        widget->scrollToItem(widget->item(row));
        scroll->pending = true;
        scroll->row = -1;
        QTimer::singleShot(0, widget, [widget, scroll] {
            scroll->pending = false;
            // Rows removed since are gone: the nearest row left stands in.
            const int row = qMin(scroll->row, widget->count() - 1);
            if (row >= 0)
                widget->scrollToItem(widget->item(row));
        });
    };
    auto syncSelection = [widget, &list, scrollToCurrent] {
        if (widget->currentRow() == list.listIndex() &&
            (list.listIndex() < 0 || widget->item(list.listIndex())->isSelected()))
            return;
        QSignalBlocker block(widget);
        QSignalBlocker blockSelection(widget->selectionModel());
        if (list.listIndex() < 0) {
            widget->setCurrentRow(-1);
            widget->clearSelection();
        } else {
            widget->setCurrentRow(list.listIndex());
            scrollToCurrent();
        }
        widget->viewport()->update();
    };
    auto syncItems = [widget, &list, syncSelection] {
        {
            QSignalBlocker block(widget);
            QSignalBlocker blockSelection(widget->selectionModel());
            widget->clear();
            QStringList items;
            for (const auto& item : list.items())
                items.push_back(toQ(item));
            widget->addItems(items);
        }
        syncSelection();
    };
    syncItems();
    Binding& b =
        addBinding(list, widget, [widget, &list, syncItems, syncSelection](Aspect aspect, int index) {
            QSignalBlocker block(widget);
            QSignalBlocker blockSelection(widget->selectionModel());
            switch (aspect) {
            case Aspect::ItemAdded:
                widget->addItem(toQ(list.item(index)));
                break;
            case Aspect::ItemRemoved:
                delete widget->takeItem(index);
                syncSelection();
                break;
            case Aspect::ItemsCleared:
                widget->clear();
                break;
            case Aspect::Items:
                syncItems();
                break;
            case Aspect::Selection:
                syncSelection();
                break;
            default:
                break;
            }
        });
    b.connections.push_back(
        connect(widget, &QListWidget::currentRowChanged, widget, [&list, syncSelection](int row) {
            if (row >= 0)
                list.setListIndex(row);
            syncSelection();
        }));
    widget->installEventFilter(this);
    return widget;
}

PictureWidget* FormView::bindPicture(Picture& picture, QRect geometry)
{
    auto* widget = new PictureWidget(toQ(picture.picture()), m_client);
    widget->setGeometry(geometry);
    Binding& b = addBinding(picture, widget, [](Aspect, int) {});
    b.connections.push_back(
        connect(widget, &PictureWidget::clicked, widget, [&picture] { picture.click(); }));
    return widget;
}

QRadioButton* FormView::bindOption(OptionButton& option, QRect geometry, QWidget* parent)
{
    auto* widget = new QRadioButton(toQ(option.caption()), parent ? parent : m_client);
    widget->setGeometry(geometry);
    widget->setChecked(option.value());
    auto sync = [widget, &option] {
        if (widget->isChecked() != option.value()) {
            QSignalBlocker block(widget);
            widget->setChecked(option.value());
        }
    };
    Binding& b = addBinding(option, widget, [sync](Aspect aspect, int) {
        if (aspect == Aspect::Selection)
            sync();
    });
    b.connections.push_back(connect(widget, &QRadioButton::clicked, widget, [&option, sync] {
        option.select();
        sync();
    }));
    return widget;
}

QAction* FormView::bindMenuItem(MenuItem& item, QMenu* menu)
{
    auto* action = new QAction(toQ(item.caption()), this);
    action->setShortcut(QKeySequence(toQ(item.shortcut())));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setVisible(item.visible());
    action->setEnabled(item.enabled());
    menu->addAction(action);
    addAction(action);
    m_menuActions.push_back(action);
    auto binding = std::make_unique<Binding>();
    binding->control = &item;
    item.setObserver([action, &item](Aspect aspect, int) {
        if (aspect == Aspect::Visible)
            action->setVisible(item.visible());
        else if (aspect == Aspect::Enabled)
            action->setEnabled(item.enabled());
    });
    binding->connections.push_back(connect(action, &QAction::triggered, action, [&item] { item.click(); }));
    m_bindings.push_back(std::move(binding));
    return action;
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
    Control* control = m_controlOf.value(watched, nullptr);
    if (!control)
        return QWidget::eventFilter(watched, event);
    if (m_linkPressed.contains(watched)) {
        // A click is a press and a release of the left button on the link.
        if (event->type() == QEvent::MouseButtonPress) {
            m_linkPressed[watched] = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool pressed = m_linkPressed.value(watched);
            m_linkPressed[watched] = false;
            auto* link = static_cast<QWidget*>(watched);
            if (pressed && mouse->button() == Qt::LeftButton &&
                link->rect().contains(mouse->position().toPoint())) {
                if (auto* label = dynamic_cast<Label*>(control))
                    label->click();
            }
            return true;
        }
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Line edits claim Delete, Ctrl+C and more for themselves; the window's menu wins.
        if (menuShortcutMatches(static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        auto* typed = dynamic_cast<TextBox*>(control);
        const int code = CharacterCode(*static_cast<QKeyEvent*>(event));
        if (typed && code >= 0 && typed->keyPress(code) == 0)
            return true;
        break;
    }
    case QEvent::FocusIn:
        m_model.setFocusedControl(control);
        break;
    default:
        break;
    }
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
    if (m_closingByManager)
        return;
    m_model.Form_Unload();
    if (!m_manager.quitRequested())
        m_model.unload();
}

} // namespace movesta
