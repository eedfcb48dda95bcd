// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's rows saved to a day of the diary, and a day of the diary back in the planner.

#include <optional>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/number_rules.h"
#include "diary/diary.h"
#include "diary/diary_store.h"
#include "diary/my_activities.h"
#include "planner/form7.h"
#include "platform/desktop_services.h"
#include "platform/window_manager.h"

namespace movesta {

void Form7::sdn_Click()
{
    SaveToDiary();
}

void Form7::SaveToDiary()
{
    const int rows = List1.listCount();
    if (rows == 0) {
        desktop().messageBox("There is nothing to save: no physical activity is selected.",
                             MessageButtons::Ok, MessageIcon::None, "Save to Diary");
        return;
    }
    const std::optional<std::string> day = desktop().askDate({"Save to Diary", "Day:", desktop().today()});
    if (!day)
        return;
    std::vector<DiaryEntry> entries;
    entries.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        const RowEnergy& energy = m_rowEnergies.at(static_cast<std::size_t>(i));
        entries.push_back({.day = *day,
                           .activity = List1.item(i),
                           .hours = List2.item(i),
                           .minutes = List5.item(i),
                           .kilojoules = List3.item(i),
                           .kilocalories = List4.item(i),
                           .weight = energy.weight,
                           .exactKilojoules = energy.kilojoules,
                           .exactKilocalories = energy.kilocalories,
                           .savedAt = {}});
    }
    try {
        m_diary.appendToDay(*day, std::move(entries), Label23.caption());
    } catch (const DiaryError& error) {
        // Nothing of the planner is lost: the rows stay in the list, to be saved again.
        desktop().messageBox(error.what(), MessageButtons::Ok, MessageIcon::Critical, "Save to Diary");
    }
}

void Form7::dnev_Click()
{
    m_windows.show<Diary>();
}

void Form7::mak_Click()
{
    m_windows.show<MyActivities>();
}

void Form7::ShowOwnActivities()
{
    ListedActivities listed(m_diary);
    const int chosen = Combo1.listIndex();
    const auto [keep, renamed] =
        listed.keep(chosen, chosen >= 0 ? Combo1.items()[static_cast<std::size_t>(chosen)] : "", m_ownIds);
    Combo1.setItems(std::move(listed.names), keep);
    Combo1.setItemMark(listed.mark);
    Combo2.setItems(std::move(listed.kilojoules), keep);
    Combo3.setItems(std::move(listed.kilocalories), keep);
    m_ownIds = std::move(listed.ownIds);
    m_activitySearch.reset(); // the search reads its own copy of the names
    if (renamed)
        Combo1.choose(keep);
}

void Form7::ShowDiaryRows(const std::vector<DiaryEntry>& entries)
{
    m_rowEnergies.clear();
    for (ListBox* list : {&List1, &List2, &List3, &List4, &List5})
        list->clear();
    for (Label* total : {&Label18, &Label21, &Label24, &Label16})
        total->setCaption("0");
    // Each row is added as the planner adds one: the totals are the running sums of the exact
    // energies, the minutes carried into the hours.
    for (const DiaryEntry& entry : entries) {
        TotalsRow totals;
        try {
            totals = TotalsWithRow(ShownTotals(), entry.exactKilojoules, entry.exactKilocalories,
                                   ReadDecimalNumber(entry.hours), ReadDecimalNumber(entry.minutes));
        } catch (const NumberError&) {
            desktop().messageBox("The entries of " + entry.day + " could not all be added.",
                                 MessageButtons::Ok, MessageIcon::Critical, "Open in Planner");
            return;
        }
        appendRow(entry.activity, entry.hours, entry.minutes, entry.kilojoules, entry.kilocalories,
                  {entry.exactKilojoules, entry.exactKilocalories, entry.weight}, totals);
    }
}

} // namespace movesta
