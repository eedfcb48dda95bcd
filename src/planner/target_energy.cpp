// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The target energy: a number of kcal to plan toward, asked for by the window menu. While one is
// set, the target row shows it and Label25 the kcal total as a share of it.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>

#include "core/number_rules.h"
#include "planner/form7.h"
#include "platform/desktop_services.h"

namespace movesta {

namespace {

// Five digits: up to 99999 kcal, far beyond any day's plan.
constexpr int kTargetDigits = 5;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits of an answer with the blanks around them taken away; nullopt unless that leaves
// at most kTargetDigits digits and nothing else.
std::optional<std::string> targetDigits(const std::string& answer)
{
    const std::size_t first = answer.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    const std::string digits = answer.substr(first, answer.find_last_not_of(' ') - first + 1);
    if (digits.size() > static_cast<std::size_t>(kTargetDigits))
        return std::nullopt;
    for (const char c : digits)
        if (!isDigit(c))
            return std::nullopt;
    return digits;
}

} // namespace

void Form7::cilj_Click()
{
    AskTargetEnergy();
}

void Form7::AskTargetEnergy()
{
    const std::optional<std::string> answer = desktop().askNumber(
        {"Target Energy", "Target energy expenditure (kcal):", Label23.caption(), kTargetDigits});
    if (answer)
        SetTargetEnergy(*answer);
}

void Form7::SetTargetEnergy(const std::string& kcal)
{
    const std::optional<std::string> digits = targetDigits(kcal);
    if (!digits)
        return;
    // Written as a number, so that "01500" shows as 1500; 0 is no target at all.
    const double target = digits->empty() ? 0 : ReadDecimalNumber(*digits);
    const std::string caption = target > 0 ? NumberToText(target) : std::string();
    Label23.setCaption(caption);
    for (Control* row : std::initializer_list<Control*>{&Label20, &Label23, &Label26, &Line5})
        row->setVisible(!caption.empty());
    ShowShareOfTarget();
}

void Form7::ShowShareOfTarget()
{
    // The total is read first, then the target; a failure leaves no share, silently.
    std::string share;
    if (!Label23.caption().empty()) {
        try {
            const double total = ReadDecimalNumber(Label21.caption());
            const double target = ReadDecimalNumber(Label23.caption());
            share = FormatWithMask(CheckedResult(total / target * 100), "0") + " %";
        } catch (const NumberError&) {
            share.clear();
        }
    }
    Label25.setCaption(share);
}

} // namespace movesta
