// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/headless_program.h"

#include "app/register_windows.h"

namespace movesta::testing {

namespace {

Form1& start(WindowManager& windows, DesktopServices& desktop, DiaryStore& diary)
{
    RegisterWindows(windows, desktop, diary);
    return *windows.show<Form1>();
}

// A character code below 0x800 as UTF-8, as a line edit inserts the character.
std::string utf8(int code)
{
    const auto c = static_cast<unsigned>(code);
    if (c < 0x80)
        return std::string(1, static_cast<char>(c));
    return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

} // namespace

HeadlessProgram::HeadlessProgram()
    : main(start(windows, desktop, diary.store))
{}

HeadlessProgram::HeadlessProgram(const std::string& diaryFile)
    : diary(diaryFile)
    , main(start(windows, desktop, diary.store))
{}

Form7& HeadlessProgram::openPlanner(std::string_view weight)
{
    main.Text1.setText(std::string(weight));
    main.Image1.click();
    return *planner();
}

Form4& HeadlessProgram::openTimeToBurn(std::string_view weight)
{
    main.Text1.setText(std::string(weight));
    main.Image3.click();
    return *timeToBurn();
}

void Type(TextBox& box, std::string_view keys)
{
    constexpr int kBackspace = 8;
    for (const char key : keys) {
        const int code = box.keyPress(static_cast<unsigned char>(key));
        if (code == kBackspace && !box.text().empty())
            box.setText(LeftCharacters(box.text(), CharacterCount(box.text()) - 1));
        else if (code >= 0x20 && code != 0x7F && code < 0x800)
            box.setText(box.text() + utf8(code));
    }
}

} // namespace movesta::testing
