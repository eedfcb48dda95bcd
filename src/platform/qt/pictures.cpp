// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/pictures.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QStyle>

namespace movesta {

namespace {

// "add.svg" -> ":/pictures/add.png" or ":/pictures/add@2x.png".
QString renderPath(const QString& picture, bool twice)
{
    QString name = picture;
    if (name.endsWith(QStringLiteral(".svg")))
        name.chop(4);
    return QStringLiteral(":/pictures/") + name +
           (twice ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

// Reads a PNG with Qt's own reader only: left to guess, the reader first asks every image
// format plugin whether it knows the data, which loads them all.
bool readPng(const QString& path, QImage& image)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read(&image);
}

// What a screen reader sees of a control that acts on a click: a push button (a link for a link
// label) that takes the focus and whose press action runs the click.
class ClickableAccessible : public QAccessibleWidget {
public:
    ClickableAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {}

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            const auto* label = qobject_cast<const QLabel*>(widget());
            text = label ? label->text() : widget()->toolTip();
        }
        return text;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // From the event loop, as a push button does: the click may open a modal message box,
        // which must not hold up the screen reader's call.
        if (widget()->isEnabled())
            QMetaObject::invokeMethod(widget(), "click", Qt::QueuedConnection);
    }
};

QAccessibleInterface* clickableAccessible(const QString&, QObject* object)
{
    if (auto* picture = qobject_cast<PictureWidget*>(object))
        return new ClickableAccessible(picture, QAccessible::Button);
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new ClickableAccessible(link, QAccessible::Link);
    return nullptr;
}

void installClickableAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(clickableAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

QPixmap picturePixmap(const QString& picture, qreal devicePixelRatio)
{
    // Each picture is decoded once per ratio and shared by every window that shows it; Qt's
    // pixmap cache holds them and lets them go with the application.
    const bool twice = devicePixelRatio > 1.0;
    const QString key =
        QStringLiteral("movesta-picture:") + picture + (twice ? QStringLiteral("@2x") : QString());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImage image;
    if (twice && readPng(renderPath(picture, true), image))
        image.setDevicePixelRatio(2.0);
    else
        readPng(renderPath(picture, false), image);
    pixmap = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

const QCursor& handCursor()
{
    static const QCursor cursor(picturePixmap(QStringLiteral("hand.svg"), qApp->devicePixelRatio()), 12, 1);
    return cursor;
}

QIcon windowIcon()
{
    // Title bars and task bars want small sizes; a large image would only cost decoding time.
    QIcon icon;
    for (const char* size : {"32", "64"}) {
        QImage image;
        if (readPng(QStringLiteral(":/icons/movesta-%1.png").arg(QLatin1String(size)), image))
            icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

void ClickTracker::mousePress(const QMouseEvent& event)
{
    m_mouseDown = event.button() == Qt::LeftButton;
}

bool ClickTracker::mouseRelease(const QMouseEvent& event, const QWidget& widget)
{
    const bool wasDown = m_mouseDown;
    m_mouseDown = false;
    return wasDown && event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}

bool ClickTracker::keyPress(QKeyEvent& event)
{
    // Keys held with Ctrl, Alt or Shift belong to shortcuts and to Shift+Tab, not to the click.
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        event.ignore();
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Space:
        if (!event.isAutoRepeat())
            m_spaceDown = true;
        event.accept();
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event.accept();
        return !event.isAutoRepeat();
    default:
        event.ignore();
        return false;
    }
}

bool ClickTracker::keyRelease(QKeyEvent& event)
{
    if (event.key() != Qt::Key_Space || event.isAutoRepeat() || !m_spaceDown) {
        event.ignore();
        return false;
    }
    m_spaceDown = false;
    event.accept();
    return true;
}

namespace {

// A focus frame is what Qt's accessibility leaves out of the widget tree; this one draws the ring
// and is placed by hand (Qt's own frame follows the style's margins and stacking).
class FocusRing : public QFocusFrame {
public:
    explicit FocusRing(QWidget* surface)
        : QFocusFrame(surface)
    {
        setFocusPolicy(Qt::NoFocus);
    }

    void surround(QWidget& control, const QRect& area)
    {
        m_control = &control;
        setPalette(control.palette());
        const QRect inSurface(control.mapTo(parentWidget(), area.topLeft()), area.size());
        setGeometry(inSurface.adjusted(-kFocusRingWidth, -kFocusRingWidth, kFocusRingWidth, kFocusRingWidth));
        raise();
        show();
        update();
    }
    const QWidget* control() const { return m_control; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const auto frame = [&painter](QRect r, int width, const QColor& color) {
            painter.fillRect(QRect(r.left(), r.top(), r.width(), width), color);
            painter.fillRect(QRect(r.left(), r.bottom() + 1 - width, r.width(), width), color);
            painter.fillRect(QRect(r.left(), r.top(), width, r.height()), color);
            painter.fillRect(QRect(r.right() + 1 - width, r.top(), width, r.height()), color);
        };
        frame(rect(), kFocusRingWidth - 1, palette().color(QPalette::Active, QPalette::Highlight));
        const int inset = kFocusRingWidth - 1;
        frame(rect().adjusted(inset, inset, -inset, -inset), 1,
              palette().color(QPalette::Active, QPalette::HighlightedText));
    }

private:
    QPointer<QWidget> m_control;
};

FocusRing* ringOf(QWidget& control, bool create)
{
    QWidget* surface = control.parentWidget();
    if (!surface)
        return nullptr;
    auto* ring = surface->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly);
    if (!ring && create)
        ring = new FocusRing(surface);
    return ring;
}

} // namespace

void showFocusRing(QWidget& control, const QRect& area)
{
    if (FocusRing* ring = ringOf(control, true))
        ring->surround(control, area);
}

void hideFocusRing(QWidget& control)
{
    FocusRing* ring = ringOf(control, false);
    if (ring && ring->control() == &control)
        ring->hide();
}

PictureWidget::PictureWidget(const QString& picture, QWidget* parent)
    : QWidget(parent)
    , m_picture(picture)
{
    installClickableAccessible();
    setCursor(handCursor());
    setFocusPolicy(Qt::NoFocus);
}

QSize PictureWidget::sizeHint() const
{
    const QPixmap pixmap = picturePixmap(m_picture, 1.0);
    return pixmap.isNull() ? QSize() : pixmap.size();
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    const QPixmap pixmap = picturePixmap(m_picture, devicePixelRatioF());
    if (pixmap.isNull())
        return;
    QPainter painter(this);
    // The renders are made at the size each picture is shown; any other size is scaled smoothly.
    if (pixmap.deviceIndependentSize() != QSizeF(size()))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap);
}

void PictureWidget::mousePressEvent(QMouseEvent* event)
{
    m_clicks.mousePress(*event);
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_clicks.mouseRelease(*event, *this))
        emit clicked();
}

void PictureWidget::keyPressEvent(QKeyEvent* event)
{
    if (m_clicks.keyPress(*event))
        emit clicked();
    else if (!event->isAccepted())
        QWidget::keyPressEvent(event);
}

void PictureWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (m_clicks.keyRelease(*event))
        emit clicked();
    else if (!event->isAccepted())
        QWidget::keyReleaseEvent(event);
}

void PictureWidget::focusInEvent(QFocusEvent* event)
{
    showFocusRing(*this, rect());
    QWidget::focusInEvent(event);
}

void PictureWidget::focusOutEvent(QFocusEvent* event)
{
    m_clicks.focusLost();
    hideFocusRing(*this);
    QWidget::focusOutEvent(event);
}

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    installClickableAccessible();
    setCursor(handCursor());
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_clicks.mousePress(*event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_clicks.mouseRelease(*event, *this))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (m_clicks.keyPress(*event))
        emit clicked();
    else if (!event->isAccepted())
        QLabel::keyPressEvent(event);
}

void LinkLabel::keyReleaseEvent(QKeyEvent* event)
{
    if (m_clicks.keyRelease(*event))
        emit clicked();
    else if (!event->isAccepted())
        QLabel::keyReleaseEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent* event)
{
    // Around the text rather than the whole box.
    showFocusRing(*this, style()->itemTextRect(fontMetrics(), contentsRect(), static_cast<int>(alignment()),
                                               isEnabled(), text()));
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent* event)
{
    m_clicks.focusLost();
    hideFocusRing(*this);
    QLabel::focusOutEvent(event);
}

} // namespace movesta
