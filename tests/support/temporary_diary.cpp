// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/temporary_diary.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace movesta::testing {

namespace {

std::filesystem::path newFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "movesta-diary-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("no temporary folder for a diary");
    return pattern;
}

} // namespace

TemporaryDiary::TemporaryDiary()
    : folder(newFolder())
    , store((folder / "diary.sqlite").string())
{}

TemporaryDiary::TemporaryDiary(const std::string& file)
    : store(file)
{}

TemporaryDiary::~TemporaryDiary()
{
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::remove_all(folder, ignored);
}

} // namespace movesta::testing
