// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diary/diary.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <optional>

#include "core/number_rules.h"
#include "planner/form7.h"
#include "planner/report_formats.h"
#include "planner/totals.h"
#include "platform/desktop_services.h"
#include "platform/window_manager.h"

namespace movesta {

namespace {

using std::chrono::year_month_day;

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

std::optional<year_month_day> parseDay(const std::string& iso)
{
    int y = 0;
    unsigned m = 0, d = 0;
    char end = 0;
    if (iso.size() != 10 || std::sscanf(iso.c_str(), "%4d-%2u-%2u%c", &y, &m, &d, &end) != 3)
        return std::nullopt;
    const year_month_day day{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)};
    if (!day.ok())
        return std::nullopt;
    return day;
}

std::string isoDay(year_month_day day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

std::string monthName(year_month_day day)
{
    return std::string(kMonthNames[static_cast<unsigned>(day.month()) - 1]) + " " +
           std::to_string(static_cast<int>(day.year()));
}

const TotalsRow kNoTotals{.kilojoules = "0", .kilocalories = "0", .hours = "0", .minutes = "0"};

// The totals of entries as the planner would show them, had it added the rows in this order.
// Throws NumberError.
TotalsRow totalsOf(const std::vector<DiaryEntry>& entries)
{
    TotalsRow totals = kNoTotals;
    for (const DiaryEntry& entry : entries)
        totals = AddedToTotals(totals, entry.exactKilojoules, entry.exactKilocalories,
                               ReadDecimalNumber(entry.hours), ReadDecimalNumber(entry.minutes));
    return totals;
}

} // namespace

std::string DayBefore(const std::string& iso, int days)
{
    const auto day = parseDay(iso);
    if (!day)
        return {};
    return isoDay(year_month_day(std::chrono::sys_days(*day) - std::chrono::days(days)));
}

Diary::Diary(DesktopServices& desktop, WindowManager& windows, DiaryStore& store)
    : Window(desktop, "Diary")
    , m_windows(windows)
    , m_store(store)
{
    TotalCaption.setCaption("Total:");
    Month.onClick = [this] { Month_Click(); };
    Month.onMonthChange = [this] { Month_MonthChange(); };
    Activities.onClick = [this] { Activities_Click(); };
    OpenInPlanner.onClick = [this] { OpenInPlanner_Click(); };
    DeleteEntry.onClick = [this] { DeleteEntry_Click(); };
    Export.onClick = [this] { Export_Click(); };
}

void Diary::Form_Load()
{
    Month.choose(desktop().today());
}

bool Diary::read(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const DiaryError& error) {
        desktop().messageBox(error.what(), MessageButtons::Ok, MessageIcon::Critical, "Diary");
    } catch (const NumberError&) {
        desktop().messageBox("The diary " + m_store.path() + " holds an entry that cannot be added up.",
                             MessageButtons::Ok, MessageIcon::Critical, "Diary");
    }
    return false;
}

void Diary::Month_Click()
{
    ShowDay();
}

void Diary::Month_MonthChange()
{
    ShowMonth();
}

void Diary::Activities_Click()
{
    const int row = Activities.listIndex();
    for (ListBox* column : {&Hours, &Minutes, &Kilojoules, &Kilocalories})
        column->setListIndex(row);
}

void Diary::ShowDay()
{
    const std::string day = Month.date();
    DayCaption.setCaption("Entries of " + day + ":");
    std::vector<DiaryEntry> entries;
    std::string target;
    TotalsRow totals = kNoTotals;
    std::string week;
    read([&] {
        entries = m_store.entriesOfDay(day);
        target = m_store.targetOfDay(day);
        totals = totalsOf(entries);
        // The week from Monday to Sunday.
        if (const auto chosen = parseDay(day)) {
            const std::chrono::sys_days date{*chosen};
            const std::chrono::weekday weekday{date};
            const auto monday = date - (weekday - std::chrono::Monday);
            const auto sunday = monday + std::chrono::days{6};
            const std::string first = isoDay(year_month_day{monday}), last = isoDay(year_month_day{sunday});
            week = "Week of " + first + " to " + last + ": " +
                   totalsOf(m_store.entriesBetween(first, last)).kilocalories + " kcal";
        }
    });
    m_day = std::move(entries);
    std::vector<std::string> columns[5];
    for (const DiaryEntry& entry : m_day) {
        columns[0].push_back(entry.activity);
        columns[1].push_back(entry.hours);
        columns[2].push_back(entry.minutes);
        columns[3].push_back(entry.kilojoules);
        columns[4].push_back(entry.kilocalories);
    }
    ListBox* lists[] = {&Activities, &Hours, &Minutes, &Kilojoules, &Kilocalories};
    for (int c = 0; c < 5; ++c)
        lists[c]->setItems(std::move(columns[c]));
    TotalHours.setCaption(totals.hours);
    TotalMinutes.setCaption(totals.minutes);
    TotalKilojoules.setCaption(totals.kilojoules);
    TotalKilocalories.setCaption(totals.kilocalories);
    DayTarget.setCaption(target.empty() ? "" : "Target: " + target + " kcal");
    WeekTotal.setCaption(week);
}

void Diary::ShowMonth()
{
    const auto first = parseDay(Month.month() + "-01");
    if (!first)
        return;
    const year_month_day last{first->year() / first->month() / std::chrono::last};
    std::vector<DiarySummary> days;
    std::map<std::string, std::vector<DiaryEntry>> entries;
    read([&] {
        days = m_store.daysBetween(isoDay(*first), isoDay(last));
        for (DiaryEntry& entry : m_store.entriesBetween(isoDay(*first), isoDay(last)))
            entries[entry.day].push_back(std::move(entry));
    });
    std::vector<std::string> marked;
    std::map<std::string, std::string> targets;
    for (const DiarySummary& summary : days) {
        marked.push_back(summary.day);
        targets[summary.day] = summary.target;
    }
    Month.setMarkedDays(std::move(marked));

    std::vector<BarChart::Bar> bars;
    std::string spoken = "Energy expenditure a day in " + monthName(*first) + ", in kcal";
    std::vector<DiaryEntry> all;
    read([&] {
        for (unsigned d = 1; d <= static_cast<unsigned>(last.day()); ++d) {
            const std::string day = isoDay(first->year() / first->month() / std::chrono::day(d));
            BarChart::Bar bar{.label = std::to_string(d)};
            if (const auto found = entries.find(day); found != entries.end()) {
                const std::string kcal = totalsOf(found->second).kilocalories;
                bar.value = ReadDecimalNumber(kcal);
                spoken += "; " + day + ": " + kcal;
                if (!targets[day].empty()) {
                    bar.mark = ReadDecimalNumber(targets[day]);
                    spoken += " (target " + targets[day] + ")";
                }
                all.insert(all.end(), found->second.begin(), found->second.end());
            }
            bars.push_back(std::move(bar));
        }
    });
    if (entries.empty())
        spoken += ": no entries";
    Chart.setBars(std::move(bars), spoken + ".");

    std::string month = monthName(*first) + ": no entries";
    read([&] {
        if (entries.empty())
            return;
        const std::string total = totalsOf(all).kilocalories;
        const double mean = ReadDecimalNumber(total) / static_cast<double>(entries.size());
        month = monthName(*first) + ": " + total + " kcal in " + std::to_string(entries.size()) +
                (entries.size() == 1 ? " day" : " days") + " with entries, " + FormatWithMask(mean, "0.0") +
                " kcal a day";
    });
    MonthTotal.setCaption(month);
}

void Diary::OpenInPlanner_Click()
{
    const std::string day = Month.date();
    if (m_day.empty()) {
        desktop().messageBox("There are no entries on " + day + " to open.", MessageButtons::Ok,
                             MessageIcon::None, "Open in Planner");
        return;
    }
    Form7* planner = m_windows.find<Form7>();
    if (planner && planner->List1.listCount() > 0 &&
        desktop().messageBox("The planner's list will be replaced by the entries of " + day + ". Go on?",
                             MessageButtons::YesNo, MessageIcon::None, "Open in Planner") != kAnswerYes)
        return;
    planner = m_windows.show<Form7>();
    if (planner)
        planner->ShowDiaryRows(m_day);
}

void Diary::DeleteEntry_Click()
{
    const int row = Activities.listIndex();
    if (row < 0 || row >= static_cast<int>(m_day.size())) {
        desktop().messageBox("Choose the entry to delete first.", MessageButtons::Ok, MessageIcon::None,
                             "Delete Entry");
        return;
    }
    const DiaryEntry& entry = m_day[static_cast<std::size_t>(row)];
    if (desktop().messageBox("Delete the entry \"" + std::string(WithoutTrailingBlanks(entry.activity)) +
                                 "\" of " + entry.day + "?",
                             MessageButtons::YesNo, MessageIcon::None, "Delete Entry") != kAnswerYes)
        return;
    const std::int64_t id = entry.id;
    if (read([&] { m_store.deleteEntry(id); })) {
        ShowDay();
        ShowMonth();
    }
}

std::vector<PlannerReport> Diary::RangeReport(const std::string& first, const std::string& last)
{
    m_rangeEntries = m_store.entriesBetween(first, last);
    m_reportTexts.clear();
    const auto keep = [this](std::string text) -> std::string_view {
        return m_reportTexts.emplace_back(std::move(text));
    };
    const ReportRow columns{.activity = "Physical activity",
                            .hours = "h",
                            .minutes = "min",
                            .kilojoules = "kJ",
                            .kilocalories = "kcal"};
    // One section a day, its totals as the planner would show them, the lines the planner's
    // report writes.
    const auto section = [&](std::string heading, std::vector<DiaryEntry>::const_iterator from,
                             std::vector<DiaryEntry>::const_iterator to, bool rows) {
        const TotalsRow totals = totalsOf({from, to});
        PlannerReport report;
        report.heading = keep(std::move(heading));
        report.columns = columns;
        if (rows)
            for (auto entry = from; entry != to; ++entry)
                report.rows.push_back({.activity = entry->activity,
                                       .hours = entry->hours,
                                       .minutes = entry->minutes,
                                       .kilojoules = entry->kilojoules,
                                       .kilocalories = entry->kilocalories});
        report.totals = {.activity = "Total",
                         .hours = keep(totals.hours),
                         .minutes = keep(totals.minutes),
                         .kilojoules = keep(totals.kilojoules),
                         .kilocalories = keep(totals.kilocalories)};
        report.totalLines = {
            {"Total duration of physical activities", totals.hours + "h:" + totals.minutes + "min"},
            {"Total energy expenditure of selected physical activities", totals.kilocalories + " kcal"}};
        return report;
    };
    std::vector<PlannerReport> sections;
    for (auto from = m_rangeEntries.cbegin(); from != m_rangeEntries.cend();) {
        auto to = from;
        while (to != m_rangeEntries.cend() && to->day == from->day)
            ++to;
        sections.push_back(section("Physical activities of " + from->day, from, to, true));
        if (const std::string target = m_store.targetOfDay(from->day); !target.empty())
            sections.back().totalLines.push_back({"Target energy expenditure", target + " kcal"});
        from = to;
    }
    PlannerReport range = section("Physical activities from " + first + " to " + last,
                                  m_rangeEntries.cbegin(), m_rangeEntries.cend(), false);
    range.totalLines.push_back({"Days with entries", std::to_string(sections.size())});
    sections.push_back(std::move(range));
    return sections;
}

void Diary::Export_Click()
{
    const auto shown = parseDay(Month.month() + "-01");
    DesktopServices::DateRange current{Month.date(), Month.date()};
    if (shown)
        current = {isoDay(*shown),
                   isoDay(year_month_day{shown->year() / shown->month() / std::chrono::last})};
    const std::optional<DesktopServices::DateRange> range = desktop().askDateRange("Export", current);
    if (!range)
        return;
    std::vector<PlannerReport> sections;
    if (!read([&] { sections = RangeReport(range->first, range->last); }))
        return;
    SaveReportSections(desktop(), "Export", "Diary " + range->first + " to " + range->last, sections);
}

} // namespace movesta
