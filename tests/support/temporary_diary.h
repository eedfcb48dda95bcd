// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A real diary for each program a test starts: its SQLite file in a new temporary folder,
// removed with the folder. Never the person's own diary.

#include <filesystem>
#include <string>

#include "diary/sqlite_diary_store.h"

namespace movesta::testing {

struct TemporaryDiary {
    TemporaryDiary();
    // Another program on the same diary file: the folder stays with its first owner.
    explicit TemporaryDiary(const std::string& file);
    ~TemporaryDiary();
    TemporaryDiary(const TemporaryDiary&) = delete;
    TemporaryDiary& operator=(const TemporaryDiary&) = delete;

    std::filesystem::path folder;
    SqliteDiaryStore store;
};

} // namespace movesta::testing
