// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace movesta {

namespace {
constexpr int kDesignPixels = 12; // 9 pt at 96 dpi
constexpr qreal kDesignDpi = 96.0;
} // namespace

LayoutScale LayoutScale::ofApplicationFont()
{
    // Font engines round sizes to whole pixels, and widths do not grow quite in step with the
    // size: the larger of the heights' and a caption's widths' ratios keeps every text whole.
    const QFont font = QGuiApplication::font();
    QFont design = font;
    design.setPixelSize(kDesignPixels);
    const QFontMetricsF shown(font);
    const QFontMetricsF drawn(design);
    const QString sample = QStringLiteral("Duration of physical activity: 0123456789 KJ kcal");
    return LayoutScale(std::max({1.0, shown.height() / drawn.height(),
                                 shown.horizontalAdvance(sample) / drawn.horizontalAdvance(sample)}));
}

int LayoutScale::length(int designPixels) const
{
    return m_factor == 1.0 ? designPixels : static_cast<int>(std::lround(designPixels * m_factor));
}

QRect LayoutScale::rect(const QRect& designPixels) const
{
    if (m_factor == 1.0)
        return designPixels;
    const int left = length(designPixels.left());
    const int top = length(designPixels.top());
    return QRect(left, top, length(designPixels.left() + designPixels.width()) - left,
                 length(designPixels.top() + designPixels.height()) - top);
}

QFont LayoutScale::font(QFont font, qreal designPoints) const
{
    if (m_factor == 1.0) {
        font.setPointSizeF(designPoints);
        return font;
    }
    const qreal designPixels = std::round(designPoints * kDesignDpi / 72.0);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : kDesignDpi;
    font.setPointSizeF(std::max(1.0, std::floor(designPixels * m_factor)) * 72.0 / dpi);
    return font;
}

} // namespace movesta
