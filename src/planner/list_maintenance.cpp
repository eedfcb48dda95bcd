// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Upkeep of the selected-activity list: one row selection shared by the five columns, deleting
// the selected row or all rows, closing the planner and the product page.

#include <string>

#include "core/number_rules.h"
#include "planner/form7.h"
#include "planner/totals.h"
#include "platform/desktop_services.h"

namespace movesta {

int Form7::SelectRow(const ListBox& clicked, std::initializer_list<ListBox*> others)
{
    // A list left without a selection (after a removal) has no row to hand on.
    const int row = clicked.listIndex();
    if (row < 0)
        return -1;
    for (ListBox* other : others)
        other->setListIndex(row); // raises that list's handler only when its row really changes
    return row;
}

void Form7::List1_Click()
{
    const int row = SelectRow(List1, {&List2, &List3, &List4, &List5});
    if (row >= 0)
        Label19.setCaption(List1.item(row));
}

void Form7::List2_Click()
{
    SelectRow(List2, {&List1, &List3, &List4, &List5});
}

void Form7::List3_Click()
{
    SelectRow(List3, {&List2, &List1, &List4, &List5});
}

void Form7::List4_Click()
{
    SelectRow(List4, {&List2, &List3, &List1, &List5});
}

void Form7::List5_Click()
{
    SelectRow(List5, {&List2, &List1, &List4, &List3});
}

void Form7::br_p_Click()
{
    DeleteSelectedRow();
}

void Form7::Image3_Click()
{
    DeleteSelectedRow();
}

void Form7::DeleteSelectedRow()
{
    // All four differences are computed before the first total is written, so a deletion that
    // fails (no row selected) leaves totals and rows exactly as they were.
    TotalsRow totals;
    try {
        totals = TotalsWithoutRow(ShownTotals(), {.hours = List2.text(),
                                                  .minutes = List5.text(),
                                                  .kilojoules = List3.text(),
                                                  .kilocalories = List4.text()});
    } catch (const NumberError& error) {
        desktop().messageBox(error.what(), MessageButtons::Ok, MessageIcon::None, "");
        return;
    }
    Label18.setCaption(totals.kilojoules);
    Label21.setCaption(totals.kilocalories);
    Label24.setCaption(totals.hours);
    Label16.setCaption(totals.minutes); // negative minutes borrow an hour from Label24
    const int row = List1.listIndex();
    if (row >= 0 && row < static_cast<int>(m_rowEnergies.size()))
        m_rowEnergies.erase(m_rowEnergies.begin() + row);
    List1.removeItem(row);
    List2.removeItem(row);
    List3.removeItem(row);
    List4.removeItem(row);
    List5.removeItem(row);
}

void Form7::br_s_Click()
{
    DeleteAllRows();
}

void Form7::Image2_Click()
{
    DeleteAllRows();
}

void Form7::DeleteAllRows()
{
    const int answer = desktop().messageBox("Are you sure you want to delete all selected activities?",
                                            MessageButtons::YesNo, MessageIcon::None, "Delete all !");
    if (answer == kAnswerNo)
        return;
    m_rowEnergies.clear();
    List1.clear();
    List2.clear();
    List3.clear();
    List4.clear();
    List5.clear();
    Label18.setCaption("0");
    Label21.setCaption("0");
    Label24.setCaption("0");
    Label16.setCaption("0");
}

void Form7::izl_Click()
{
    unload();
}

void Form7::Image4_Click()
{
    unload();
}

void Form7::Image6_Click()
{
    desktop().openAddress(desktop().productPageAddress());
}

} // namespace movesta
