#pragma once

// The program's own pictures, drawn as SVG and painted at the screen's resolution.

#include <QCursor>
#include <QIcon>
#include <QWidget>

class QSvgRenderer;

namespace movesta {

// The pointing-hand pointer of every clickable picture and link (hot spot at 12, 1).
const QCursor& handCursor();
QIcon windowIcon();

// A picture from the resources, stretched to its widget, that acts as a button.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(const QString& picture, QWidget* parent);
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSvgRenderer* m_renderer;
    bool m_pressed = false;
};

} // namespace movesta
