// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/colours.h"

#include <algorithm>
#include <cmath>

namespace movesta {

namespace {

double luminance(const QColor& color)
{
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background, double ratio)
{
    if (ContrastRatio(colour, background) >= ratio)
        return colour;
    // Towards white on a background darker than mid-grey (by luminance), towards black otherwise.
    const bool lighten = luminance(background) < 0.18;
    const QColor hsl = colour.toHsl();
    float hue = 0, saturation = 0, lightness = 0, alpha = 0;
    hsl.getHslF(&hue, &saturation, &lightness, &alpha);
    constexpr int kSteps = 100;
    for (int step = 1; step <= kSteps; ++step) {
        const float t = static_cast<float>(step) / kSteps;
        const float l = lighten ? lightness + (1.0f - lightness) * t : lightness * (1.0f - t);
        const QColor candidate = QColor::fromHslF(hue, saturation, l, alpha).toRgb();
        if (ContrastRatio(candidate, background) >= ratio)
            return candidate;
    }
    return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace movesta
