// The planner report: the selected-activity list and its totals as plain text on the clipboard.

#include <cstddef>
#include <optional>
#include <string>

#include "planner/form7.h"
#include "platform/desktop_services.h"

namespace movesta {

namespace {
constexpr const char* kLineBreak = "\r\n";
constexpr std::size_t kHeadingRule = 83;
constexpr std::size_t kTotalsRule = 82;
// Fixed characters of one row line, and about those of the lines around the rows.
constexpr std::size_t kRowFrame = 22;
constexpr std::size_t kReportFrame = 400;
} // namespace

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

void Form7::CopyReport()
{
    // Composed in one local text and put into the buffer once: appending to the buffer line by
    // line would copy the growing report for every row.
    const int rows = List1.listCount();
    std::size_t size = kReportFrame;
    for (int i = 0; i < rows; ++i)
        size += kRowFrame + List1.item(i).size() + List2.item(i).size() + List5.item(i).size() +
                List4.item(i).size();
    std::string report;
    report.reserve(size);

    report += "Physical activities";
    report += kLineBreak;
    report.append(kHeadingRule, '-');
    for (int i = 0; i < rows; ++i) {
        List1.setListIndex(i); // the whole row follows, and its name shows above the list
        report += kLineBreak;
        report += "- ";
        report += List1.text();
        report += "  - (";
        report += List2.text();
        report += "h:";
        report += List5.text();
        report += "min, ";
        report += List4.text();
        report += " kcal)";
    }
    report += kLineBreak;
    report.append(kTotalsRule, '-');
    report += kLineBreak;
    report += "Total duration of physical activities = ";
    report += Label24.caption();
    report += "h:";
    report += Label16.caption();
    report += "min";
    report += kLineBreak;
    report += "Total energy expenditure of selected physical activities = ";
    report += Label21.caption();
    report += " kcal";
    if (const std::optional<std::string> target = TargetEnergyLine()) {
        report += kLineBreak;
        report += *target;
    }
    Text2.setText(std::move(report));

    desktop().clearClipboard();
    desktop().setClipboardText(Text2.text());
}

std::optional<std::string> Form7::TargetEnergyLine() const
{
    if (Label23.caption().empty())
        return std::nullopt;
    std::string line = "Target energy expenditure = " + Label23.caption() + " kcal";
    // The share as the window shows it; a total that cannot be read leaves none to write.
    if (!Label25.caption().empty())
        line += " (" + Label25.caption() + ")";
    return line;
}

} // namespace movesta
