// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diary/sqlite_diary_store.h"

#include <dlfcn.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace movesta {

namespace {

// "MOVE": marks a file as a Movesta diary, so that another program's database is never taken
// for one.
constexpr int kApplicationId = 0x4D4F5645;
constexpr int kBusyWaitMilliseconds = 5000;
constexpr int kAttempts = 3;

// Step i brings a diary from version i to i + 1, in a transaction of its own. The rollback
// journal with synchronous=FULL keeps a killed process's change all or nothing, and leaves no
// file beside the diary between runs.
constexpr const char* kMigrations[] = {
    // 0 -> 1: the first schema.
    "CREATE TABLE days (day TEXT PRIMARY KEY NOT NULL, target TEXT NOT NULL DEFAULT '');"
    "CREATE TABLE entries (id INTEGER PRIMARY KEY, day TEXT NOT NULL, place INTEGER NOT NULL,"
    " activity TEXT NOT NULL, hours TEXT NOT NULL, minutes TEXT NOT NULL, kilojoules TEXT NOT NULL,"
    " kilocalories TEXT NOT NULL, weight TEXT NOT NULL, exact_kilojoules REAL NOT NULL,"
    " exact_kilocalories REAL NOT NULL, saved_at TEXT NOT NULL);"
    "CREATE INDEX entries_by_day ON entries (day, place);",
    // 1 -> 2: the person's own activities.
    "CREATE TABLE own_activities (id INTEGER PRIMARY KEY, name TEXT NOT NULL, kilojoules TEXT NOT NULL,"
    " kilocalories TEXT NOT NULL, added_at TEXT NOT NULL);",
};
static_assert(std::size(kMigrations) == SqliteDiaryStore::kSchemaVersion);

// SQLite is loaded at the diary's first use, not with the program: linked in, the library costs
// every start about a millisecond (its relocations), and most starts never touch the diary.
// clang-format off
#define MOVESTA_SQLITE_FUNCTIONS(X)                                                                 \
    X(bind_double) X(bind_int64) X(bind_text) X(busy_timeout) X(close_v2) X(column_blob)           \
    X(column_bytes) X(column_double) X(column_int64) X(errstr) X(exec) X(extended_result_codes)    \
    X(finalize) X(last_insert_rowid) X(open_v2) X(prepare_v2) X(reset) X(step)
// clang-format on

struct Sqlite {
#define MOVESTA_DECLARE(name) decltype(&::sqlite3_##name) name = nullptr;
    MOVESTA_SQLITE_FUNCTIONS(MOVESTA_DECLARE)
#undef MOVESTA_DECLARE
};

// The library's functions; nullptr when it cannot be loaded. Loaded once, kept for the process.
const Sqlite* loadedSqlite()
{
    static const Sqlite* loaded = []() -> const Sqlite* {
        void* library = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return nullptr;
        static Sqlite functions;
#define MOVESTA_RESOLVE(name)                                                                                \
    functions.name = reinterpret_cast<decltype(functions.name)>(dlsym(library, "sqlite3_" #name));           \
    if (!functions.name)                                                                                     \
        return nullptr;
        MOVESTA_SQLITE_FUNCTIONS(MOVESTA_RESOLVE)
#undef MOVESTA_RESOLVE
        return &functions;
    }();
    return loaded;
}

// Called only once open() has loaded the library.
const Sqlite& lib()
{
    return *loadedSqlite();
}

struct Failure {
    int code;
};

class Statement {
public:
    Statement(sqlite3* db, const char* sql) { check(lib().prepare_v2(db, sql, -1, &m_statement, nullptr)); }
    ~Statement() { lib().finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int at, const std::string& text)
    {
        check(lib().bind_text(m_statement, at, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
        return *this;
    }
    Statement& bind(int at, double value)
    {
        check(lib().bind_double(m_statement, at, value));
        return *this;
    }
    Statement& bind(int at, std::int64_t value)
    {
        check(lib().bind_int64(m_statement, at, value));
        return *this;
    }
    // True while a row is there to read.
    bool step()
    {
        const int code = lib().step(m_statement);
        if (code == SQLITE_ROW)
            return true;
        if (code != SQLITE_DONE)
            throw Failure{code};
        return false;
    }
    std::string text(int column) const
    {
        const auto* bytes = static_cast<const char*>(lib().column_blob(m_statement, column));
        return bytes ? std::string(bytes, static_cast<std::size_t>(lib().column_bytes(m_statement, column)))
                     : std::string();
    }
    void reset() { lib().reset(m_statement); }
    std::int64_t integer(int column) const { return lib().column_int64(m_statement, column); }
    double real(int column) const { return lib().column_double(m_statement, column); }

private:
    void check(int code) const
    {
        if (code != SQLITE_OK)
            throw Failure{code};
    }
    sqlite3_stmt* m_statement = nullptr;
};

void execute(sqlite3* db, const char* sql)
{
    const int code = lib().exec(db, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        throw Failure{code};
}

std::int64_t pragma(sqlite3* db, const char* sql)
{
    Statement statement(db, sql);
    return statement.step() ? statement.integer(0) : 0;
}

// One change, whole or not at all; a busy diary is tried again as a whole.
template <class Change>
void transaction(sqlite3* db, Change change)
{
    for (int attempt = 1;; ++attempt) {
        try {
            execute(db, "BEGIN IMMEDIATE");
            change();
            execute(db, "COMMIT");
            return;
        } catch (const Failure& failure) {
            lib().exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            const int primary = failure.code & 0xFF;
            if ((primary != SQLITE_BUSY && primary != SQLITE_LOCKED) || attempt == kAttempts)
                throw;
        }
    }
}

std::string utcNow()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

constexpr const char* kEntryColumns =
    "SELECT id, day, place, activity, hours, minutes, kilojoules, kilocalories, weight, exact_kilojoules,"
    " exact_kilocalories, saved_at FROM entries ";

std::vector<DiaryEntry> readEntries(Statement& statement)
{
    std::vector<DiaryEntry> entries;
    while (statement.step())
        entries.push_back({.id = statement.integer(0),
                           .day = statement.text(1),
                           .place = static_cast<int>(statement.integer(2)),
                           .activity = statement.text(3),
                           .hours = statement.text(4),
                           .minutes = statement.text(5),
                           .kilojoules = statement.text(6),
                           .kilocalories = statement.text(7),
                           .weight = statement.text(8),
                           .exactKilojoules = statement.real(9),
                           .exactKilocalories = statement.real(10),
                           .savedAt = statement.text(11)});
    return entries;
}

} // namespace

std::string DiaryPath()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (data && data[0] == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home && home[0] ? home : ".") / ".local" / "share";
    }
    return (base / "movesta" / "diary.sqlite").string();
}

SqliteDiaryStore::SqliteDiaryStore(std::string path)
    : m_path(std::move(path))
{}

SqliteDiaryStore::~SqliteDiaryStore()
{
    close();
}

void SqliteDiaryStore::close()
{
    if (m_db)
        lib().close_v2(m_db);
    m_db = nullptr;
}

void SqliteDiaryStore::fail(int code, const std::string& doing)
{
    close();
    const std::string file = "The diary " + m_path;
    switch (code & 0xFF) {
    case SQLITE_NOTADB:
        throw DiaryError(DiaryError::Kind::NotADiary, file + " is not a Movesta diary; it is left as it is.");
    case SQLITE_CORRUPT:
        throw DiaryError(DiaryError::Kind::Corrupt, file + " is damaged; it is left as it is.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw DiaryError(DiaryError::Kind::Busy,
                         file + " is being written by another Movesta; " + doing + " again in a moment.");
    default:
        throw DiaryError(DiaryError::Kind::Unwritable, file + " could not be " +
                                                           (doing == "read" ? "read" : "written") + ": " +
                                                           lib().errstr(code) + ".");
    }
}

sqlite3* SqliteDiaryStore::open(bool create)
{
    if (m_db)
        return m_db;
    std::error_code error;
    const std::filesystem::path file(m_path);
    const bool exists = std::filesystem::exists(file, error);
    if (!exists && !create)
        return nullptr;
    if (!loadedSqlite())
        throw DiaryError(DiaryError::Kind::Unwritable,
                         "The diary " + m_path +
                             " cannot be used: SQLite (libsqlite3.so.0) is not installed.");
    if (!exists) {
        std::filesystem::create_directories(file.parent_path(), error);
        if (error)
            throw DiaryError(DiaryError::Kind::Unwritable,
                             "The diary " + m_path + " could not be written: " + error.message() + ".");
    }
    const int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE);
    if (const int code = lib().open_v2(m_path.c_str(), &m_db, flags, nullptr); code != SQLITE_OK)
        fail(code, "save");
    lib().extended_result_codes(m_db, 1);
    lib().busy_timeout(m_db, kBusyWaitMilliseconds);
    try {
        execute(m_db, "PRAGMA synchronous = FULL");
        const std::int64_t version = pragma(m_db, "PRAGMA user_version");
        const std::int64_t application = pragma(m_db, "PRAGMA application_id");
        const bool empty = pragma(m_db, "SELECT count(*) FROM sqlite_master") == 0;
        if (application != kApplicationId && !(empty && version == 0))
            throw DiaryError(DiaryError::Kind::NotADiary,
                             "The diary " + m_path + " is not a Movesta diary; it is left as it is.");
        // Only a file that is ours can be newer: a foreign database with a version of its own
        // is simply not a diary.
        if (version > kSchemaVersion)
            throw DiaryError(DiaryError::Kind::Newer,
                             "The diary " + m_path +
                                 " was written by a newer version of Movesta; it is left "
                                 "as it is.");
        if (application == kApplicationId) {
            Statement check(m_db, "PRAGMA quick_check");
            if (!check.step() || check.text(0) != "ok")
                throw DiaryError(DiaryError::Kind::Corrupt,
                                 "The diary " + m_path + " is damaged; it is left as it is.");
        }
        for (std::int64_t step = version; step < kSchemaVersion; ++step)
            transaction(m_db, [&] {
                execute(m_db, kMigrations[step]);
                execute(m_db, ("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
                execute(m_db, ("PRAGMA user_version = " + std::to_string(step + 1)).c_str());
            });
    } catch (const DiaryError&) {
        close();
        throw;
    } catch (const Failure& failure) {
        fail(failure.code, "save");
    }
    return m_db;
}

void SqliteDiaryStore::appendToDay(const std::string& day, std::vector<DiaryEntry> entries,
                                   const std::string& target)
{
    sqlite3* db = open(true);
    const std::string savedAt = utcNow();
    try {
        transaction(db, [&] {
            Statement(db, "INSERT OR IGNORE INTO days (day) VALUES (?)").bind(1, day).step();
            if (!target.empty())
                Statement(db, "UPDATE days SET target = ? WHERE day = ?").bind(1, target).bind(2, day).step();
            Statement last(db, "SELECT COALESCE(MAX(place), 0) FROM entries WHERE day = ?");
            last.bind(1, day).step();
            std::int64_t place = last.integer(0);
            Statement insert(db, "INSERT INTO entries (day, place, activity, hours, minutes, kilojoules,"
                                 " kilocalories, weight, exact_kilojoules, exact_kilocalories, saved_at)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
            for (const DiaryEntry& entry : entries) {
                insert.bind(1, day)
                    .bind(2, ++place)
                    .bind(3, entry.activity)
                    .bind(4, entry.hours)
                    .bind(5, entry.minutes)
                    .bind(6, entry.kilojoules)
                    .bind(7, entry.kilocalories)
                    .bind(8, entry.weight)
                    .bind(9, entry.exactKilojoules)
                    .bind(10, entry.exactKilocalories)
                    .bind(11, savedAt)
                    .step();
                insert.reset();
            }
        });
    } catch (const Failure& failure) {
        fail(failure.code, "save");
    }
}

std::vector<DiaryEntry> SqliteDiaryStore::entriesOfDay(const std::string& day)
{
    return entriesBetween(day, day);
}

std::vector<DiaryEntry> SqliteDiaryStore::entriesBetween(const std::string& first, const std::string& last)
{
    sqlite3* db = open(false);
    if (!db)
        return {};
    try {
        Statement statement(
            db, (std::string(kEntryColumns) + "WHERE day BETWEEN ? AND ? ORDER BY day, place").c_str());
        statement.bind(1, first).bind(2, last);
        return readEntries(statement);
    } catch (const Failure& failure) {
        fail(failure.code, "read");
    }
}

std::vector<DiarySummary> SqliteDiaryStore::daysBetween(const std::string& first, const std::string& last)
{
    sqlite3* db = open(false);
    if (!db)
        return {};
    try {
        Statement statement(db, "SELECT e.day, COUNT(*), COALESCE(d.target, '') FROM entries e"
                                " LEFT JOIN days d ON d.day = e.day WHERE e.day BETWEEN ? AND ?"
                                " GROUP BY e.day ORDER BY e.day");
        statement.bind(1, first).bind(2, last);
        std::vector<DiarySummary> days;
        while (statement.step())
            days.push_back({statement.text(0), static_cast<int>(statement.integer(1)), statement.text(2)});
        return days;
    } catch (const Failure& failure) {
        fail(failure.code, "read");
    }
}

std::string SqliteDiaryStore::targetOfDay(const std::string& day)
{
    sqlite3* db = open(false);
    if (!db)
        return {};
    try {
        Statement statement(db, "SELECT target FROM days WHERE day = ?");
        statement.bind(1, day);
        return statement.step() ? statement.text(0) : std::string();
    } catch (const Failure& failure) {
        fail(failure.code, "read");
    }
}

void SqliteDiaryStore::deleteEntry(std::int64_t id)
{
    sqlite3* db = open(false);
    if (!db)
        return;
    try {
        transaction(db, [&] { Statement(db, "DELETE FROM entries WHERE id = ?").bind(1, id).step(); });
    } catch (const Failure& failure) {
        fail(failure.code, "save");
    }
}

template <class Change>
void SqliteDiaryStore::write(Change change)
{
    sqlite3* db = open(true);
    try {
        transaction(db, [&] { change(db); });
    } catch (const Failure& failure) {
        fail(failure.code, "save");
    }
}

std::vector<OwnActivity> SqliteDiaryStore::ownActivities()
{
    sqlite3* db = open(false);
    if (!db)
        return {};
    try {
        Statement statement(db, "SELECT id, name, kilojoules, kilocalories FROM own_activities ORDER BY id");
        std::vector<OwnActivity> activities;
        while (statement.step())
            activities.push_back({.id = statement.integer(0),
                                  .name = statement.text(1),
                                  .kilojoules = statement.text(2),
                                  .kilocalories = statement.text(3)});
        return activities;
    } catch (const Failure& failure) {
        fail(failure.code, "read");
    }
}

std::int64_t SqliteDiaryStore::addOwnActivity(const OwnActivity& activity)
{
    std::int64_t id = 0;
    write([&](sqlite3* db) {
        Statement(db,
                  "INSERT INTO own_activities (name, kilojoules, kilocalories, added_at) VALUES (?, ?, ?, ?)")
            .bind(1, activity.name)
            .bind(2, activity.kilojoules)
            .bind(3, activity.kilocalories)
            .bind(4, utcNow())
            .step();
        id = lib().last_insert_rowid(db);
    });
    return id;
}

void SqliteDiaryStore::renameOwnActivity(std::int64_t id, const std::string& name)
{
    write([&](sqlite3* db) {
        Statement(db, "UPDATE own_activities SET name = ? WHERE id = ?").bind(1, name).bind(2, id).step();
    });
}

void SqliteDiaryStore::deleteOwnActivity(std::int64_t id)
{
    write([&](sqlite3* db) { Statement(db, "DELETE FROM own_activities WHERE id = ?").bind(1, id).step(); });
}

std::vector<std::string> SqliteDiaryStore::mostUsedActivities(const std::string& first,
                                                              const std::string& last, int count)
{
    sqlite3* db = open(false);
    if (!db)
        return {};
    try {
        Statement statement(db, "SELECT activity FROM entries WHERE day BETWEEN ? AND ? GROUP BY activity"
                                " ORDER BY COUNT(*) DESC, MAX(id) DESC LIMIT ?");
        statement.bind(1, first).bind(2, last).bind(3, static_cast<std::int64_t>(count));
        std::vector<std::string> names;
        while (statement.step())
            names.push_back(statement.text(0));
        return names;
    } catch (const Failure& failure) {
        fail(failure.code, "read");
    }
}

} // namespace movesta
