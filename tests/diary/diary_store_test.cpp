// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The diary's SQLite file, real and in a temporary folder: what is saved reads back as it was, a
// file it cannot trust is left byte for byte, and neither a killed process nor a second one
// saving at the same time loses an entry.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

#include "support/files.h"
#include "support/temporary_diary.h"

namespace movesta::testing {
namespace {

void sql(const std::string& path, const char* statements)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, statements, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// The first value of `query` as another connection reads it; opened to write, so that a journal
// a killed writer left is rolled back first, as any next connection does.
std::string queried(const std::string& path, const char* query)
{
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    std::string value = "<unreadable>";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_busy_timeout(db, 5000) == SQLITE_OK &&
        sqlite3_prepare_v2(db, query, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

DiaryEntry entry(std::string activity, double kcal = 1.5)
{
    return {.day = {},
            .activity = std::move(activity),
            .hours = "1",
            .minutes = "30",
            .kilojoules = "6,3",
            .kilocalories = "1,5",
            .weight = "70",
            .exactKilojoules = kcal * 4.2,
            .exactKilocalories = kcal,
            .savedAt = {}};
}

TEST(DiaryStore, WhatIsSavedReadsBackAsItWasAndNothingIsWrittenBeforeTheFirstSave)
{
    TemporaryDiary diary;
    EXPECT_TRUE(diary.store.entriesOfDay("2026-12-09").empty());
    EXPECT_TRUE(diary.store.daysBetween("2000-01-01", "2100-01-01").empty());
    EXPECT_FALSE(std::filesystem::exists(diary.store.path()));

    const std::string odd[] = {"Dance \"Kolo\" 'with' <friends> & me  ",
                               "\xC4\x8C"
                               "ajanka \xE2\x80\x94 na\xC5\xA1"
                               "a",
                               std::string(1000, 'x'), std::string("nul\0inside", 10)};
    diary.store.appendToDay("2026-12-09", {entry(odd[0]), entry(odd[1])}, "1500");
    diary.store.appendToDay("2026-12-09", {entry(odd[2]), entry(odd[3])}, "");
    diary.store.appendToDay("2026-12-01", {entry("Jogging, general", 2.25)}, "");

    SqliteDiaryStore reopened(diary.store.path());
    const std::vector<DiaryEntry> day = reopened.entriesOfDay("2026-12-09");
    ASSERT_EQ(day.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(day[i].activity, odd[i]);
        EXPECT_EQ(day[i].place, i + 1); // places go on after the first save
        EXPECT_EQ(day[i].weight, "70");
        EXPECT_EQ(day[i].exactKilocalories, 1.5);
        EXPECT_EQ(day[i].savedAt.size(), 20u) << day[i].savedAt;
    }
    EXPECT_EQ(reopened.targetOfDay("2026-12-09"), "1500"); // an empty target keeps the one kept
    EXPECT_EQ(reopened.entriesBetween("2026-12-01", "2026-12-31").front().exactKilojoules, 2.25 * 4.2);
    const auto days = reopened.daysBetween("2026-12-01", "2026-12-31");
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[1].entries, 4);

    reopened.deleteEntry(day[1].id);
    const std::vector<DiaryEntry> left = reopened.entriesOfDay("2026-12-09");
    ASSERT_EQ(left.size(), 3u);
    EXPECT_EQ(left[1].place, 3);
}

TEST(DiaryStore, ADiaryOfTheFirstVersionGainsOwnActivitiesAndKeepsItsEntries)
{
    TemporaryDiary diary;
    diary.store.appendToDay("2026-12-09", {entry("Bowling")}, "900");
    sql(diary.store.path(), "DROP TABLE own_activities; PRAGMA user_version = 1;");
    SqliteDiaryStore reopened(diary.store.path());
    reopened.addOwnActivity({.id = 0, .name = "Kolo", .kilojoules = "16,7", .kilocalories = "4"});
    EXPECT_EQ(reopened.ownActivities().at(0).kilojoules, "16,7");
    EXPECT_EQ(reopened.entriesOfDay("2026-12-09").at(0).activity, "Bowling");
    EXPECT_EQ(queried(diary.store.path(), "PRAGMA user_version"),
              std::to_string(SqliteDiaryStore::kSchemaVersion));
}

TEST(DiaryStore, AFileItCannotTrustIsNamedAndLeftByteForByte)
{
    const auto diaryWith = [](TemporaryDiary& d, int entries) {
        std::vector<DiaryEntry> rows;
        for (int i = 0; i < entries; ++i)
            rows.push_back(entry(std::string(200, static_cast<char>('a' + i % 26))));
        SqliteDiaryStore(d.store.path()).appendToDay("2026-12-08", rows, "");
    };
    const struct {
        const char* what;
        std::function<void(TemporaryDiary&)> make;
        DiaryError::Kind kind;
        const char* reason;
    } cases[] = {
        {"another kind of file",
         [](TemporaryDiary& d) { std::ofstream(d.store.path()) << std::string(5000, '#'); },
         DiaryError::Kind::NotADiary, "is not a Movesta diary"},
        {"another program's database",
         [](TemporaryDiary& d) {
             // With a version of its own, which is no Movesta schema's.
             sql(d.store.path(),
                 "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('x'); PRAGMA user_version = 7;");
         },
         DiaryError::Kind::NotADiary, "is not a Movesta diary"},
        {"a newer schema",
         [&](TemporaryDiary& d) {
             diaryWith(d, 1);
             sql(d.store.path(),
                 ("PRAGMA user_version = " + std::to_string(SqliteDiaryStore::kSchemaVersion + 1)).c_str());
         },
         DiaryError::Kind::Newer, "was written by a newer version of Movesta"},
        {"a diary damaged where reading the asked day never looks",
         [&](TemporaryDiary& d) {
             diaryWith(d, 200);
             // The page that holds the first entry; a day's rows are read through its index.
             const std::string bytes = FileContents(d.store.path());
             std::fstream file(d.store.path(), std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(static_cast<std::streamoff>(bytes.find(std::string(200, 'a')) / 4096 * 4096));
             file << std::string(100, '\x5A');
         },
         DiaryError::Kind::Corrupt, "is damaged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryDiary diary;
        c.make(diary);
        const std::string before = FileContents(diary.store.path());
        for (const auto& use : std::vector<std::function<void()>>{
                 [&] { diary.store.appendToDay("2026-12-10", {entry("Bowling")}, "900"); },
                 [&] { diary.store.entriesOfDay("2026-12-09"); }}) {
            try {
                use();
                ADD_FAILURE() << "used";
            } catch (const DiaryError& error) {
                EXPECT_EQ(error.kind(), c.kind);
                EXPECT_EQ(std::string(error.what()),
                          "The diary " + diary.store.path() + " " + c.reason + "; it is left as it is.");
            }
        }
        EXPECT_TRUE(FileContents(diary.store.path()) == before) << "the file changed";
    }
}

TEST(DiaryStore, AFolderThatCannotBeWrittenOrAFullDiskIsNamedAndLosesNothingSaved)
{
    TemporaryDiary blocked;
    std::ofstream(blocked.folder / "movesta") << "a file where the folder would go";
    SqliteDiaryStore nowhere((blocked.folder / "movesta" / "diary.sqlite").string());
    try {
        nowhere.appendToDay("2026-12-09", {entry("Bowling")}, "");
        ADD_FAILURE() << "saved";
    } catch (const DiaryError& error) {
        EXPECT_EQ(error.kind(), DiaryError::Kind::Unwritable);
        EXPECT_EQ(
            std::string(error.what()).rfind("The diary " + nowhere.path() + " could not be written: ", 0),
            0u);
    }

    // A file may grow no more than this process has written: a save that needs more fails whole.
    TemporaryDiary diary;
    diary.store.appendToDay("2026-12-09", {entry("Bowling")}, "");
    {
        const FileSizeLimit full(std::filesystem::file_size(diary.store.path()));
        EXPECT_THROW(
            diary.store.appendToDay("2026-12-09", std::vector(500, entry(std::string(500, 'y'))), ""),
            DiaryError);
    }
    EXPECT_EQ(diary.store.entriesOfDay("2026-12-09").size(), 1u);
}

// A child that saves one entry at a time and reports each commit on the pipe.
pid_t saver(const std::string& path, int pipeOut, int saves)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    SqliteDiaryStore store(path);
    for (int i = 0; i < saves; ++i) {
        try {
            store.appendToDay("2026-12-09", {entry("Rowing " + std::to_string(i))}, "");
        } catch (const DiaryError&) {
            _exit(1);
        }
        const char committed = 1;
        if (pipeOut >= 0 && write(pipeOut, &committed, 1) != 1)
            _exit(2);
    }
    _exit(0);
}

TEST(DiaryStore, AProcessKilledAtAnyMomentLeavesEveryCommittedEntryAndAWholeFile)
{
    TemporaryDiary diary;
    diary.store.appendToDay("2026-12-09", {entry("first")}, "");
    std::mt19937 random(20261209);
    int committed = 1;
    for (int kill = 0; kill < 200; ++kill) {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = saver(diary.store.path(), pipe[1], 1000000);
        close(pipe[1]);
        // After its first commit, so that every kill falls among saves however slow the machine.
        char first = 0;
        ASSERT_EQ(read(pipe[0], &first, 1), 1);
        ++committed;
        usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        char buffer[4096];
        for (ssize_t got; (got = read(pipe[0], buffer, sizeof buffer)) > 0;)
            committed += static_cast<int>(got);
        close(pipe[0]);
        ASSERT_EQ(queried(diary.store.path(), "PRAGMA integrity_check"), "ok") << "after kill " << kill;
        const int entries = std::stoi(queried(diary.store.path(), "SELECT count(*) FROM entries"));
        // Every commit reported is there; at most the one whose report the kill cut off more.
        ASSERT_GE(entries, committed) << "after kill " << kill;
        ASSERT_LE(entries, committed + 1) << "after kill " << kill;
        committed = entries;
    }
    EXPECT_GT(committed, 200); // each child committed before its kill
}

TEST(DiaryStore, TwoProgramsSavingAtOnceKeepBothSaves)
{
    TemporaryDiary diary;
    diary.store.appendToDay("2026-12-08", {entry("first")}, ""); // the file and schema exist
    const pid_t one = saver(diary.store.path(), -1, 100);
    const pid_t two = saver(diary.store.path(), -1, 100);
    for (const pid_t child : {one, two}) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(diary.store.entriesOfDay("2026-12-09").size(), 200u);
}

} // namespace
} // namespace movesta::testing
