// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

} // namespace movesta
