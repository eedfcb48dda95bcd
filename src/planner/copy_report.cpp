// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner report: the selected-activity list and its totals on the clipboard, as plain text
// and as an HTML table.

#include <optional>
#include <string>
#include <utility>

#include "planner/form7.h"
#include "planner/report_formats.h"
#include "platform/desktop_services.h"

namespace movesta {

void Form7::kopi_Click()
{
    CopyReport();
}

void Form7::Label34_Click()
{
    CopyReport();
}

void Form7::Image7_Click()
{
    CopyReport();
}

PlannerReport Form7::ComposeReport() const
{
    PlannerReport report;
    report.heading = "Physical activities";
    report.columns = {.activity = "Physical activity",
                      .hours = "h",
                      .minutes = "min",
                      .kilojoules = "kJ",
                      .kilocalories = "kcal"};
    const int rows = List1.listCount();
    report.rows.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i)
        report.rows.push_back({.activity = List1.item(i),
                               .hours = List2.item(i),
                               .minutes = List5.item(i),
                               .kilojoules = List3.item(i),
                               .kilocalories = List4.item(i)});
    report.totals = {.activity = "Total",
                     .hours = Label24.caption(),
                     .minutes = Label16.caption(),
                     .kilojoules = Label18.caption(),
                     .kilocalories = Label21.caption()};
    report.totalLines.push_back(
        {"Total duration of physical activities", Label24.caption() + "h:" + Label16.caption() + "min"});
    report.totalLines.push_back(
        {"Total energy expenditure of selected physical activities", Label21.caption() + " kcal"});
    if (std::optional<ReportTotalLine> target = TargetEnergyLine())
        report.totalLines.push_back(std::move(*target));
    return report;
}

void Form7::CopyReport()
{
    // Every row is selected in turn, as the report walks the list: the last one ends selected,
    // with its name shown above the list. Selecting changes no row or total, so the report is
    // then composed from the list as it stands. The view shows only where the walk ends.
    const int rows = List1.listCount();
    {
        const ViewsHeld held(*this);
        for (int i = 0; i < rows; ++i)
            List1.setListIndex(i);
    }
    const PlannerReport report = ComposeReport();
    Text2.setText(ReportText(report));

    desktop().clearClipboard();
    desktop().setClipboardContent(Text2.text(), ReportHtml(report));
}

std::optional<ReportTotalLine> Form7::TargetEnergyLine() const
{
    if (Label23.caption().empty())
        return std::nullopt;
    ReportTotalLine line{"Target energy expenditure", Label23.caption() + " kcal"};
    // The share as the window shows it; a total that cannot be read leaves none to write.
    if (!Label25.caption().empty())
        line.value += " (" + Label25.caption() + ")";
    return line;
}

} // namespace movesta
