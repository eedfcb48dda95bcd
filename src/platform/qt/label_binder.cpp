// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Labels: a caption that the model sets and the user only reads, and the link labels that the
// user clicks, or reaches with Tab and runs with Space or Return.

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QStyle>

#include "platform/qt/colours.h"
#include "platform/qt/form_view.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"

namespace movesta {

namespace {

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

QLabel* FormView::bindLabel(Label& label, QRect geometry, Qt::Alignment alignment)
{
    return setUpLabel(new QLabel(m_client), label, geometry, alignment, Kind{});
}

QLabel* FormView::bindShrinkingLabel(Label& label, QRect geometry, Qt::Alignment alignment, bool wordWrap)
{
    auto* widget = new ShrinkingLabel(m_client);
    widget->setWordWrap(wordWrap);
    return setUpLabel(widget, label, geometry, alignment, Kind{});
}

QLabel* FormView::setUpLabel(QLabel* widget, Label& label, QRect geometry, Qt::Alignment alignment, Kind kind)
{
    widget->setGeometry(m_scale.rect(geometry));
    widget->setTextFormat(Qt::PlainText);
    widget->setAlignment(alignment);
    widget->setText(toQ(label.caption()));
    kind.redraw = [widget, &label](Aspect aspect, int) {
        if (aspect == Aspect::Text)
            widget->setText(toQ(label.caption()));
    };
    addBinding(label, widget, std::move(kind));
    return widget;
}

LinkButton* FormView::bindLink(Label& label, QRect geometry, Qt::Alignment alignment)
{
    auto* widget = new LinkButton(m_client);
    widget->setGeometry(m_scale.rect(geometry));
    widget->setAlignment(alignment);
    widget->setText(toQ(label.caption()));
    // Tab, never a mouse click: a click on the link acts and leaves the focus where it was.
    if (label.onClick)
        widget->setFocusPolicy(Qt::TabFocus);
    widget->installEventFilter(this);
    Kind kind;
    // Underlined, in the palette's link colour unless the model gives the label a colour of its
    // own; a link colour too faint on the window (a dark theme's, often) is made readable.
    kind.restyle = [widget, &label] {
        QFont font = widget->font();
        font.setUnderline(true);
        widget->setFont(font);
        const bool ownColour = label.foreColor().kind != Color::Kind::Default;
        widget->setForegroundRole(ownColour ? QPalette::WindowText : QPalette::Link);
        if (!ownColour) {
            QPalette palette = widget->palette();
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                palette.setColor(
                    group, QPalette::Link,
                    ReadableOn(palette.color(group, QPalette::Link), palette.color(group, QPalette::Window)));
            widget->setPalette(palette);
        }
    };
    kind.redraw = [widget, &label](Aspect aspect, int) {
        if (aspect == Aspect::Text)
            widget->setText(toQ(label.caption()));
    };
    Binding& b = addBinding(label, widget, std::move(kind));
    b.connections.push_back(connect(widget, &LinkButton::clicked, widget, [&label] { label.click(); }));
    return widget;
}

} // namespace movesta
