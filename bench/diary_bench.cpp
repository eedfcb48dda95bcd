// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The diary of ten years of daily entries (3,650 days, 8 rows a day) on a real SQLite file:
// opening it on a month and a day, turning to another month, saving a day's rows.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "diary/sqlite_diary_store.h"

namespace movesta {
namespace {

std::string dayAfter(int days)
{
    // 2016-01-01 and on, in days since the epoch of civil dates.
    const auto date = std::chrono::year_month_day{std::chrono::sys_days{std::chrono::year{2016} / 1 / 1} +
                                                  std::chrono::days{days}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::vector<DiaryEntry> dayOfRows()
{
    std::vector<DiaryEntry> rows;
    for (int i = 0; i < 8; ++i)
        rows.push_back({.day = {},
                        .activity = "Walking 5,5 km/h, on level ground, brisk pace, firm surface",
                        .hours = "1",
                        .minutes = "30",
                        .kilojoules = "1470,0",
                        .kilocalories = "350,0",
                        .weight = "70",
                        .exactKilojoules = 1470,
                        .exactKilocalories = 350,
                        .savedAt = {}});
    return rows;
}

const std::string& tenYears()
{
    static const std::string path = [] {
        const auto folder = std::filesystem::temp_directory_path() / "movesta-diary-bench";
        std::filesystem::remove_all(folder);
        const std::string file = (folder / "diary.sqlite").string();
        SqliteDiaryStore store(file);
        for (int day = 0; day < 3650; ++day)
            store.appendToDay(dayAfter(day), dayOfRows(), day % 7 == 0 ? "2500" : "");
        return file;
    }();
    return path;
}

void BM_OpenOnAMonthAndADay(benchmark::State& state)
{
    const std::string& file = tenYears();
    for (auto _ : state) {
        SqliteDiaryStore store(file);
        benchmark::DoNotOptimize(store.daysBetween("2025-06-01", "2025-06-30"));
        benchmark::DoNotOptimize(store.entriesBetween("2025-06-01", "2025-06-30"));
        benchmark::DoNotOptimize(store.entriesOfDay("2025-06-15"));
        benchmark::DoNotOptimize(store.targetOfDay("2025-06-15"));
    }
}
BENCHMARK(BM_OpenOnAMonthAndADay)->Unit(benchmark::kMillisecond);

void BM_AnotherMonth(benchmark::State& state)
{
    SqliteDiaryStore store(tenYears());
    store.entriesOfDay("2016-01-01");
    int month = 0;
    for (auto _ : state) {
        const std::string first = dayAfter(30 * (month++ % 119)).substr(0, 7);
        benchmark::DoNotOptimize(store.daysBetween(first + "-01", first + "-31"));
        benchmark::DoNotOptimize(store.entriesBetween(first + "-01", first + "-31"));
    }
}
BENCHMARK(BM_AnotherMonth)->Unit(benchmark::kMillisecond);

void BM_SaveADaysRows(benchmark::State& state)
{
    SqliteDiaryStore store(tenYears());
    for (auto _ : state)
        store.appendToDay("2026-12-09", dayOfRows(), "");
}
BENCHMARK(BM_SaveADaysRows)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
} // namespace movesta

BENCHMARK_MAIN();
