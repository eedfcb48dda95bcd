// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The diary on SQLite's C library, which keeps the models free of Qt. One file, opened at its
// first use; created by the first save and never by a read. A file it cannot trust is left
// exactly as it is.

#include <string>

#include "diary/diary_store.h"

struct sqlite3;

namespace movesta {

// $XDG_DATA_HOME/movesta/diary.sqlite, or ~/.local/share/movesta/diary.sqlite.
std::string DiaryPath();

class SqliteDiaryStore : public DiaryStore {
public:
    explicit SqliteDiaryStore(std::string path);
    ~SqliteDiaryStore() override;
    SqliteDiaryStore(const SqliteDiaryStore&) = delete;
    SqliteDiaryStore& operator=(const SqliteDiaryStore&) = delete;

    // The schema's version: PRAGMA user_version of a file this program writes.
    static constexpr int kSchemaVersion = 2;

    std::string path() const override { return m_path; }
    void appendToDay(const std::string& day, std::vector<DiaryEntry> entries,
                     const std::string& target) override;
    std::vector<DiaryEntry> entriesOfDay(const std::string& day) override;
    std::vector<DiaryEntry> entriesBetween(const std::string& first, const std::string& last) override;
    std::vector<DiarySummary> daysBetween(const std::string& first, const std::string& last) override;
    std::string targetOfDay(const std::string& day) override;
    void deleteEntry(std::int64_t id) override;
    std::vector<OwnActivity> ownActivities() override;
    std::int64_t addOwnActivity(const OwnActivity& activity) override;
    void renameOwnActivity(std::int64_t id, const std::string& name) override;
    void deleteOwnActivity(std::int64_t id) override;
    std::vector<std::string> mostUsedActivities(const std::string& first, const std::string& last,
                                                int count) override;

private:
    // The open connection, or nullptr while there is no file (and `create` is false).
    sqlite3* open(bool create);
    void close();
    [[noreturn]] void fail(int code, const std::string& doing);
    // Runs `change` in one transaction on the file, created if need be; a failure as DiaryError.
    template <class Change>
    void write(Change change);

    std::string m_path;
    sqlite3* m_db = nullptr;
};

} // namespace movesta
