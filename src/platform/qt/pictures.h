// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's own pictures: drawn as SVG, shown from PNGs rendered from the drawings at 1x and
// 2x (scripts/render-pictures.sh), so that no SVG is parsed or rendered while the program runs.

#include <QCursor>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;

namespace movesta {

// The pointing-hand pointer of every clickable picture and link (hot spot at 12, 1).
const QCursor& handCursor();
QIcon windowIcon();

// A picture of the resources by the name the window models give it ("add.svg"), at the given
// device pixel ratio: its 2x render above 1, its 1x render otherwise. Loaded once per name and
// ratio; a null pixmap if the picture has no render.
QPixmap picturePixmap(const QString& picture, qreal devicePixelRatio);

// What turns a press into a click, for every control that acts on one: the left button pressed and
// let go over it, Space let go after it was pressed there (as on a push button), Return or Enter.
class ClickTracker {
public:
    void mousePress(const QMouseEvent& event);
    // True when the release completes a click on `widget`.
    bool mouseRelease(const QMouseEvent& event, const QWidget& widget);
    // Both accept the keys they take; true when the click runs now.
    bool keyPress(QKeyEvent& event);
    bool keyRelease(QKeyEvent& event);
    // The focus went elsewhere: a Space held down no longer clicks.
    void focusLost() { m_spaceDown = false; }

private:
    bool m_mouseDown = false;
    bool m_spaceDown = false;
};

// The keyboard focus of a control that acts on a click: a 2-pixel ring in the highlight colour
// with a line of the highlight's text colour inside it, drawn around `area` (in the control's
// coordinates) and outside it, so that nothing of the picture or text is hidden, and above the
// window's other widgets, so that nothing hides it. Mouse clicks go through it, and screen
// readers do not list it. One ring per surface; it follows whichever control holds the focus.
void showFocusRing(QWidget& control, const QRect& area);
inline constexpr int kFocusRingWidth = 3; // logical pixels, the inner line included
void hideFocusRing(QWidget& control);

// A picture from the resources, stretched to its widget, that acts as a button. The binder gives it
// the Tab focus (never a mouse click's) when it acts on a click; Space and Return then click it,
// and a screen reader sees a push button whose press action clicks it.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(const QString& picture, QWidget* parent);
    QSize sizeHint() const override;

public slots:
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString m_picture;
    ClickTracker m_clicks;
};

// A label that acts as a link: it clicks as a picture does, shows the focus ring around its text,
// and a screen reader sees a link whose press action clicks it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent);

public slots:
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    ClickTracker m_clicks;
};

} // namespace movesta
