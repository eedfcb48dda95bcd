#include "platform/qt/pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

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

PictureWidget::PictureWidget(const QString& picture, QWidget* parent)
    : QWidget(parent)
    , m_picture(picture)
{
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
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace movesta
