// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The models keep their texts in UTF-8; the widgets show QStrings.

#include <QString>

#include <string>
#include <string_view>

namespace movesta {

inline QString toQ(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString toQ(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQ(const QString& text)
{
    return text.toStdString();
}

} // namespace movesta
