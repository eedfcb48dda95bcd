// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The diary kept across days: what the window models ask of it. One implementation, on SQLite
// (sqlite_diary_store.h); the models never see SQL.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace movesta {

// One row of the planner saved to a day, its texts exactly as the planner showed them.
struct DiaryEntry {
    std::int64_t id = 0; // the diary's own key, given when saved
    std::string day;     // ISO date, "2026-12-09"
    int place = 0;       // its place in the day, from 1, in the order saved
    std::string activity;
    std::string hours;
    std::string minutes;
    std::string kilojoules;
    std::string kilocalories;
    std::string weight; // the weight text the energies were computed with
    // The energies before the table rounded them, so that a day's totals come out as the
    // planner's running sums did.
    double exactKilojoules = 0;
    double exactKilocalories = 0;
    std::string savedAt; // UTC, ISO 8601: "2026-12-09T08:15:02Z"
};

// A day that holds entries, as a month or a range lists it.
struct DiarySummary {
    std::string day;
    int entries = 0;
    std::string target; // the planner's target in kcal when one was kept, else empty
};

// An activity of the person's own, listed after the catalogue's: its name and its factors per
// kilogram and hour, as the catalogue writes them ("6,9").
struct OwnActivity {
    std::int64_t id = 0; // the diary's own key, given when added
    std::string name;
    std::string kilojoules;
    std::string kilocalories;
};

// Why the diary cannot be used; `what()` is the message shown: it names the file and the reason.
class DiaryError : public std::runtime_error {
public:
    enum class Kind {
        NotADiary,  // a file of another kind, or a database without the diary's tables
        Corrupt,    // SQLite finds the file damaged
        Newer,      // written by a newer Movesta (a schema version above ours)
        Unwritable, // the folder or file cannot be written, the disk is full
        Busy,       // another Movesta held it for longer than the wait
    };
    DiaryError(Kind kind, const std::string& message)
        : std::runtime_error(message)
        , m_kind(kind)
    {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

class DiaryStore {
public:
    virtual ~DiaryStore() = default;

    // The file behind the diary, for messages.
    virtual std::string path() const = 0;

    // Appends `entries` (their day, place, id and savedAt are set here) to `day` after the ones
    // it holds, and keeps `target` for the day when it is not empty; all in one transaction.
    // Creates the file (and its folder) on the first save. Throws DiaryError.
    virtual void appendToDay(const std::string& day, std::vector<DiaryEntry> entries,
                             const std::string& target) = 0;

    // Reading never creates the file: without one the diary is empty. Throws DiaryError.
    virtual std::vector<DiaryEntry> entriesOfDay(const std::string& day) = 0;
    // The entries from `first` to `last` (ISO dates, both included), by day then place.
    virtual std::vector<DiaryEntry> entriesBetween(const std::string& first, const std::string& last) = 0;
    // The days from `first` to `last` that hold entries, in order.
    virtual std::vector<DiarySummary> daysBetween(const std::string& first, const std::string& last) = 0;
    virtual std::string targetOfDay(const std::string& day) = 0;

    // Removes one entry; the day's later entries keep their places. Throws DiaryError.
    virtual void deleteEntry(std::int64_t id) = 0;

    // The person's own activities, in the order added. Reading never creates the file; adding
    // creates it as a save does. Each change is one transaction. Throws DiaryError.
    virtual std::vector<OwnActivity> ownActivities() = 0;
    virtual std::int64_t addOwnActivity(const OwnActivity& activity) = 0; // returns its id
    virtual void renameOwnActivity(std::int64_t id, const std::string& name) = 0;
    // Entries that used it keep their texts.
    virtual void deleteOwnActivity(std::int64_t id) = 0;

    // The activities of the entries from `first` to `last` (ISO dates), the most often saved
    // first (the most recently saved first among equals), at most `count`.
    virtual std::vector<std::string> mostUsedActivities(const std::string& first, const std::string& last,
                                                        int count) = 0;
};

} // namespace movesta
