// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/pictures.h"

#include <QFocusFrame>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QStyle>

#include "platform/qt/twips.h"

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

QIcon applicationIcon()
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

ClickableButton::ClickableButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(handCursor());
    setFocusPolicy(Qt::NoFocus);
}

void ClickableButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        event->ignore();
        return;
    }
    // Qt's button takes Space; Return and Enter click at once, as on a dialog's button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ClickableButton::keyReleaseEvent(QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        event->ignore();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

void ClickableButton::focusInEvent(QFocusEvent* event)
{
    showFocusRing(*this, focusArea());
    QAbstractButton::focusInEvent(event);
}

void ClickableButton::focusOutEvent(QFocusEvent* event)
{
    hideFocusRing(*this);
    QAbstractButton::focusOutEvent(event);
}

PictureButton::PictureButton(const QString& picture, QWidget* parent)
    : ClickableButton(parent)
    , m_picture(picture)
    , m_scale(LayoutScale::ofApplicationFont().factor())
{}

QSize PictureButton::sizeHint() const
{
    const QPixmap pixmap = picturePixmap(m_picture, 1.0);
    return pixmap.isNull() ? QSize() : pixmap.size();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    const QPixmap pixmap = picturePixmap(m_picture, devicePixelRatioF() * m_scale);
    if (pixmap.isNull())
        return;
    QPainter painter(this);
    // The renders are made at the size each picture is shown; any other size is scaled smoothly.
    if (pixmap.deviceIndependentSize() != QSizeF(size()))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap);
}

LinkButton::LinkButton(QWidget* parent)
    : ClickableButton(parent)
{}

void LinkButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QRect LinkButton::focusArea() const
{
    // Around the text rather than the whole box.
    return style()->itemTextRect(fontMetrics(), rect(), static_cast<int>(m_alignment), isEnabled(), text());
}

void LinkButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Disabled, it is drawn as any disabled text is.
    style()->drawItemText(&painter, rect(), static_cast<int>(m_alignment), palette(), isEnabled(), text(),
                          isEnabled() ? foregroundRole() : QPalette::WindowText);
}

} // namespace movesta
