// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding an activity by any word of its name. Typing into Combo1 changes its text and nothing
// else, as before; the rows found are only offered, and a row is chosen through Combo1's own
// list, so that Combo1_Click runs for it exactly as for a pick from the drop-down.

#include "planner/form7.h"

#include <algorithm>

#include "diary/diary.h"
#include "diary/diary_store.h"
#include "platform/desktop_services.h"

namespace movesta {

void Form7::FindActivity()
{
    if (!m_activitySearch)
        m_activitySearch.emplace(Combo1.items());
    m_foundHeading.clear();
    if (Combo1.text().empty() && Combo1.hasFocus()) {
        m_foundActivities = MostUsedRows();
        if (!m_foundActivities.empty())
            m_foundHeading = "Most used in the last 60 days";
    } else {
        m_foundActivities = m_activitySearch->find(Combo1.text());
    }
    if (onFoundActivitiesChanged)
        onFoundActivitiesChanged();
}

std::vector<int> Form7::MostUsedRows() const
{
    constexpr int kOffered = 8;
    // More than offered: an entry's activity may be no longer listed (an own one deleted).
    constexpr int kAsked = 4 * kOffered;
    const std::string today = desktop().today();
    std::vector<std::string> names;
    try {
        names = m_diary.mostUsedActivities(DayBefore(today, 59), today, kAsked);
    } catch (const DiaryError&) {
        // Saving to the diary says what is wrong with it; the box offers nothing meanwhile.
    }
    std::vector<int> rows;
    const std::vector<std::string>& listed = Combo1.items();
    for (const std::string& name : names) {
        const auto at = std::find(listed.begin(), listed.end(), name);
        if (at != listed.end() && rows.size() < kOffered)
            rows.push_back(static_cast<int>(at - listed.begin()));
    }
    return rows;
}

void Form7::ChooseFoundActivity(int position)
{
    if (position < 0 || position >= static_cast<int>(m_foundActivities.size()))
        return;
    const int row = m_foundActivities[static_cast<std::size_t>(position)];
    // Closed first: the choice shows the row's name in Combo1, which is not an edit to search.
    CloseFoundActivities();
    Combo1.choose(row);
}

void Form7::CloseFoundActivities()
{
    if (m_foundActivities.empty())
        return;
    m_foundActivities.clear();
    m_foundHeading.clear();
    if (onFoundActivitiesChanged)
        onFoundActivitiesChanged();
}

} // namespace movesta
