// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The diary's window: a month calendar whose days with entries stand out, the chosen day's rows
// and totals, a chart of the month's kcal a day, the month's and the week's totals; a day opened
// in the planner, an entry deleted, a range of days exported as a report.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "diary/diary_store.h"
#include "platform/controls.h"
#include "platform/report.h"
#include "platform/window.h"

namespace movesta {

class WindowManager;

// The ISO date `days` days before `iso`; empty when `iso` is no date.
std::string DayBefore(const std::string& iso, int days);

class Diary : public Window {
public:
    static constexpr const char* kId = "Diary";          // the window manager's name of it
    static constexpr const char* kHelpSection = "diary"; // its part of the product page
    Diary(DesktopServices& desktop, WindowManager& windows, DiaryStore& store);
    std::string helpSection() const override { return kHelpSection; }

    // The month and the day
    Calendar Month{*this, "Month"};          // the day chosen; days with entries stand out
    Label DayCaption{*this, "DayCaption"};   // "Entries of 2026-12-09:"
    ListBox Activities{*this, "Activities"}; // the day's rows: names
    ListBox Hours{*this, "Hours"};
    ListBox Minutes{*this, "Minutes"};
    ListBox Kilojoules{*this, "Kilojoules"};
    ListBox Kilocalories{*this, "Kilocalories"};
    Label TotalCaption{*this, "TotalCaption"}; // "Total:"
    Label TotalHours{*this, "TotalHours"};     // the day's totals, as the planner adds
    Label TotalMinutes{*this, "TotalMinutes"}; //   the rows in order
    Label TotalKilojoules{*this, "TotalKilojoules"};
    Label TotalKilocalories{*this, "TotalKilocalories"};
    Label DayTarget{*this, "DayTarget"}; // "Target: 1500 kcal"; empty without one

    // The month in figures
    BarChart Chart{*this, "Chart"};        // kcal a day, the target as a mark; said in words too
    Label MonthTotal{*this, "MonthTotal"}; // "December 2026: 2350,5 kcal in 3 days, 783,5 kcal a day"
    Label WeekTotal{*this, "WeekTotal"};   // "Week of 2026-12-07 to 2026-12-13: 1200,0 kcal"

    CommandButton OpenInPlanner{*this, "OpenInPlanner", "Open in Planner"};
    CommandButton DeleteEntry{*this, "DeleteEntry", "Delete Entry"};
    CommandButton Export{*this, "Export", "Export..."};

    void Form_Load() override;
    void Month_Click();       // another day chosen: its rows and the week
    void Month_MonthChange(); // another month shown: its days, chart and totals
    void Activities_Click();  // a row chosen, in all five columns
    void OpenInPlanner_Click();
    void DeleteEntry_Click();
    void Export_Click();

    // The report of the entries from `first` to `last`: a section a day with entries, then the
    // range's totals. Throws DiaryError.
    std::vector<PlannerReport> RangeReport(const std::string& first, const std::string& last);

private:
    void ShowDay();
    void ShowMonth();
    // Reads the diary for a step; a failure is shown and ends the step.
    bool read(const std::function<void()>& step);

    WindowManager& m_windows;
    DiaryStore& m_store;
    std::vector<DiaryEntry> m_day; // the chosen day's entries, as the lists show them
    // A report's texts are views: the range report's entries and texts live here, at addresses
    // that stay, until the next report.
    std::vector<DiaryEntry> m_rangeEntries;
    std::deque<std::string> m_reportTexts;
};

} // namespace movesta
