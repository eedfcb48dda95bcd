#pragma once

// The program's own pictures: drawn as SVG, shown from PNGs rendered from the drawings at 1x and
// 2x (scripts/render-pictures.sh), so that no SVG is parsed or rendered while the program runs.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace movesta {

// The pointing-hand pointer of every clickable picture and link (hot spot at 12, 1).
const QCursor& handCursor();
QIcon windowIcon();

// A picture of the resources by the name the window models give it ("add.svg"), at the given
// device pixel ratio: its 2x render above 1, its 1x render otherwise. Loaded once per name and
// ratio; a null pixmap if the picture has no render.
QPixmap picturePixmap(const QString& picture, qreal devicePixelRatio);

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
    QString m_picture;
    bool m_pressed = false;
};

} // namespace movesta
