#include "platform/qt/pictures.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace movesta {

namespace {
QString resourcePath(const QString& picture)
{
    return QStringLiteral(":/pictures/") + picture;
}
} // namespace

const QCursor& handCursor()
{
    static const QCursor cursor = [] {
        const qreal ratio = qMax<qreal>(1.0, qApp->devicePixelRatio());
        QPixmap pixmap(QSize(32, 32) * ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        QSvgRenderer(resourcePath(QStringLiteral("hand.svg"))).render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(ratio);
        return QCursor(pixmap, 12, 1);
    }();
    return cursor;
}

QIcon windowIcon()
{
    QIcon icon(resourcePath(QStringLiteral("app_icon.svg")));
    icon.addFile(QStringLiteral(":/icons/movesta.png"));
    return icon;
}

PictureWidget::PictureWidget(const QString& picture, QWidget* parent)
    : QWidget(parent)
    , m_renderer(new QSvgRenderer(resourcePath(picture), this))
{
    setCursor(handCursor());
    setFocusPolicy(Qt::NoFocus);
}

QSize PictureWidget::sizeHint() const
{
    return m_renderer->defaultSize();
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, QRectF(rect()));
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
