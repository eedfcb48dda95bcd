// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>

namespace movesta {

// Window layouts are given in twips; 15 twips make one logical pixel, and Qt's own high-DPI
// scaling takes it from there.
constexpr int twips(int value)
{
    return (value + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// The layouts in logical pixels were drawn for the font Qt gives an application without a desktop
// (X11 or offscreen): Sans Serif 9 pt at 96 dpi, 12 pixels. A larger application font grows every
// position and size in the same proportion, so the windows keep their design and their texts fit;
// a smaller one keeps the design's geometry.
class LayoutScale {
public:
    // The application font's text against the design font's, measured in the same family.
    static LayoutScale ofApplicationFont();
    explicit LayoutScale(double factor)
        : m_factor(factor)
    {}

    double factor() const { return m_factor; }
    int length(int designPixels) const;
    // By its edges, so that boxes that touch in the design touch here too.
    QRect rect(const QRect& designPixels) const;
    // `font` at the design size `designPoints`, grown by the factor (in whole pixels, never more).
    QFont font(QFont font, qreal designPoints) const;

private:
    double m_factor;
};

} // namespace movesta
