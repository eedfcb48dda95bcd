// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "product_page/program_sessions.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "app/register_windows.h"
#include "diary/sqlite_diary_store.h"
#include "main_window/form1.h"
#include "planner/form7.h"
#include "platform/controls.h"
#include "platform/desktop_services.h"
#include "platform/window_manager.h"
#include "time_to_burn/form4.h"

namespace movesta {

namespace {

// A worked example never needs the desktop: whatever a window asks of it is written down, so
// that the session can refuse to stand as an example. Answers are those of a cancel.
class NoDesktop final : public DesktopServices {
public:
    int messageBox(const std::string& prompt, MessageButtons, MessageIcon, const std::string&) override
    {
        asked.push_back("a message box: " + prompt);
        return kAnswerOk;
    }
    void clearClipboard() override { asked.emplace_back("the clipboard"); }
    void openAddress(const std::string& address) override { asked.push_back("to open " + address); }
    std::string productPageAddress() const override { return {}; }
    std::optional<std::string> askNumber(const NumberQuestion& question) override
    {
        asked.push_back("a number: " + question.prompt);
        return std::nullopt;
    }
    void setClipboardContent(const std::string&, const std::string&) override
    {
        asked.emplace_back("the clipboard");
    }
    ChosenFile chooseFileToSave(const std::string& title, const std::string&,
                                const std::vector<FileType>&) override
    {
        asked.push_back("a file: " + title);
        return {};
    }
    std::string writeFile(const std::string& path, const std::string&) override
    {
        asked.push_back("to write " + path);
        return "not written";
    }
    bool fileExists(const std::string&) const override { return false; }
    std::string writeDocument(const std::string& path, const std::vector<PlannerReport>&,
                              DocumentFormat) override
    {
        asked.push_back("to write " + path);
        return "not written";
    }
    std::string printReport(const PlannerReport&) override
    {
        asked.emplace_back("to print");
        return {};
    }
    std::string today() const override { return "2026-01-01"; }
    std::optional<std::string> askDate(const DateQuestion& question) override
    {
        asked.push_back("a date: " + question.prompt);
        return std::nullopt;
    }
    std::optional<DateRange> askDateRange(const std::string& title, const DateRange&) override
    {
        asked.push_back("dates: " + title);
        return std::nullopt;
    }

    std::vector<std::string> asked;
};

// The program's windows as it wires them, the main window shown.
class Session {
public:
    explicit Session(std::string_view example)
        : m_example(example)
    {
        RegisterWindows(m_windows, m_desktop, m_diary);
        m_main = m_windows.show<Form1>();
    }

    Form1& main() { return *m_main; }

    Form7& openPlanner(std::string_view weight)
    {
        m_main->Text1.setText(std::string(weight));
        m_main->Image1.click();
        return opened(m_windows.find<Form7>());
    }

    Form4& openTimeToBurn(std::string_view weight)
    {
        m_main->Text1.setText(std::string(weight));
        m_main->Image3.click();
        return opened(m_windows.find<Form4>());
    }

    // The row of `text` in a list, as a user finds it there.
    int rowOf(const std::vector<std::string>& items, std::string_view text) const
    {
        const auto found = std::find(items.begin(), items.end(), text);
        if (found == items.end())
            fail("\"" + std::string(text) + "\" is not in the list");
        return static_cast<int>(std::distance(items.begin(), found));
    }

    // What a window shows at the end of the session, which must be something, reached without
    // the desktop.
    std::string shown(const std::string& text) const
    {
        if (!m_desktop.asked.empty())
            fail("the window asked for " + m_desktop.asked.front());
        if (text.empty())
            fail("the window shows nothing");
        return text;
    }

    [[noreturn]] void fail(const std::string& why) const
    {
        throw SessionError("example \"" + m_example + "\": " + why);
    }

private:
    template <class W>
    W& opened(W* window) const
    {
        if (window == nullptr)
            fail("the calculator did not open");
        return *window;
    }

    std::string m_example;
    NoDesktop m_desktop; // outlives the windows
    // No example reads or saves a day: a diary that never is.
    SqliteDiaryStore m_diary{"/nonexistent/movesta-examples/diary.sqlite"};
    WindowManager m_windows;
    Form1* m_main = nullptr;
};

} // namespace

std::vector<MenuCommand> PlannerMenuCommands()
{
    Session session("the planner's menu");
    const Form7& planner = session.openPlanner("70");
    std::vector<MenuCommand> commands;
    for (const Control* control : planner.controls())
        if (const auto* item = dynamic_cast<const MenuItem*>(control);
            item && item->visible() && item->enabled())
            commands.push_back({item->name(), item->caption(), item->shortcut()});
    if (commands.empty())
        session.fail("the planner has no menu");
    return commands;
}

EnergyShown PlannerPreview(std::string_view weight, std::string_view activity, std::string_view hours,
                           std::string_view minutes)
{
    Session session(activity);
    Form7& planner = session.openPlanner(weight);
    planner.Combo1.choose(session.rowOf(planner.Combo1.items(), activity));
    planner.Combo4.choose(session.rowOf(planner.Combo4.items(), hours));
    planner.Combo5.choose(session.rowOf(planner.Combo5.items(), minutes));
    return {session.shown(planner.Label14.caption()), session.shown(planner.Label27.caption())};
}

std::string TimeToBurn(std::string_view weight, std::string_view kcal, std::string_view activity)
{
    Session session(activity);
    Form4& timeToBurn = session.openTimeToBurn(weight);
    timeToBurn.Text2.setText(std::string(kcal));
    timeToBurn.List1.setListIndex(session.rowOf(timeToBurn.List1.items(), activity));
    return session.shown(timeToBurn.Label13.caption());
}

std::string KilogramsForPounds(std::string_view pounds)
{
    Session session(std::string(pounds) + " lb");
    session.main().Option2.select();
    session.main().Text1.setText(std::string(pounds));
    return session.shown(session.main().Text2.text());
}

} // namespace movesta
