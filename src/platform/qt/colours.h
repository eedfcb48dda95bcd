// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Contrast of colours as WCAG 2.1 measures it, and a theme's colour made readable where the theme
// itself falls short.

#include <QColor>

namespace movesta {

// The contrast ratio of two colours, 1 to 21, from their relative luminance (sRGB).
double ContrastRatio(const QColor& a, const QColor& b);

// `colour` with its hue and saturation, lighter on a dark background or darker on a light one, just
// enough to stand `ratio`:1 off `background`; unchanged when it does already. Themes' link colours
// often do not: Qt's own dark palette draws its links at 3.5:1 on its window.
QColor ReadableOn(const QColor& colour, const QColor& background, double ratio = 4.5);

} // namespace movesta
