// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's own pictures: drawn as SVG, shown from PNGs rendered from the drawings at 1x and
// 2x (scripts/render-pictures.sh), so that no SVG is parsed or rendered while the program runs.

#include <QAbstractButton>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

class QKeyEvent;

namespace movesta {

// The pointing-hand pointer of every clickable picture and link (hot spot at 12, 1).
const QCursor& handCursor();
// Movesta's icon, which the application gives every window, dialog and message box.
QIcon applicationIcon();

// A picture of the resources by the name the window models give it ("add.svg"), at the given
// device pixel ratio: its 2x render above 1, its 1x render otherwise. Loaded once per name and
// ratio; a null pixmap if the picture has no render.
QPixmap picturePixmap(const QString& picture, qreal devicePixelRatio);

// The keyboard focus of a control that acts on a click: a 2-pixel ring in the highlight colour
// with a line of the highlight's text colour inside it, drawn around `area` (in the control's
// coordinates) and outside it, so that nothing of the picture or text is hidden, and above the
// window's other widgets, so that nothing hides it. Mouse clicks go through it, and screen
// readers do not list it. One ring per surface; it follows whichever control holds the focus.
void showFocusRing(QWidget& control, const QRect& area);
inline constexpr int kFocusRingWidth = 3; // logical pixels, the inner line included
void hideFocusRing(QWidget& control);

// A control that acts on a click, on Qt's own button: a click of the left button (pressed and let
// go over it), Space let go after it was pressed there, Return or Enter; keys held with Ctrl, Alt
// or Shift are left to shortcuts. A screen reader sees a push button whose press action clicks
// it. The binder gives it the Tab focus (never a mouse click's); the focus ring surrounds
// focusArea().
class ClickableButton : public QAbstractButton {
    Q_OBJECT
protected:
    explicit ClickableButton(QWidget* parent);
    virtual QRect focusArea() const { return rect(); }
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A picture from the resources, stretched to its widget.
class PictureButton : public ClickableButton {
    Q_OBJECT
public:
    PictureButton(const QString& picture, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_picture;
    double m_scale; // the application font's: a grown picture is drawn from its finer render
};

// A text drawn as a label draws it (in its foreground role's colour, aligned in its box), for a link.
class LinkButton : public ClickableButton {
    Q_OBJECT
public:
    explicit LinkButton(QWidget* parent);
    void setAlignment(Qt::Alignment alignment);

protected:
    QRect focusArea() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

} // namespace movesta
