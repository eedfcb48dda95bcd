// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding an activity by any word of its name. Typing into Combo1 changes its text and nothing
// else, as before; the rows found are only offered, and a row is chosen through Combo1's own
// list, so that Combo1_Click runs for it exactly as for a pick from the drop-down.

#include "planner/form7.h"

namespace movesta {

void Form7::FindActivity()
{
    if (!m_activitySearch)
        m_activitySearch.emplace(Combo1.items());
    m_foundActivities = m_activitySearch->find(Combo1.text());
    if (onFoundActivitiesChanged)
        onFoundActivitiesChanged();
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
    if (onFoundActivitiesChanged)
        onFoundActivitiesChanged();
}

} // namespace movesta
