// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fake_desktop.h"

#include <cstdio>
#include <cstdlib>

#include "planner/report_formats.h"

namespace movesta::testing {

namespace {

void abortWith(const std::string& failure)
{
    std::fprintf(stderr, "FakeDesktop: %s\n", failure.c_str());
    std::abort();
}

FakeDesktop::FailureHandler g_fail = abortWith;

} // namespace

void FakeDesktop::setFailureHandler(FailureHandler handler)
{
    g_fail = handler ? handler : abortWith;
}

FakeDesktop::~FakeDesktop()
{
    if (!m_answers.empty())
        g_fail(std::to_string(m_answers.size()) + " scripted message answer(s) never used");
    if (!m_numberAnswers.empty())
        g_fail(std::to_string(m_numberAnswers.size()) + " scripted number answer(s) never used");
    if (!m_saveAnswers.empty())
        g_fail(std::to_string(m_saveAnswers.size()) + " scripted save dialog answer(s) never used");
}

int FakeDesktop::messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                            const std::string& title)
{
    MessageCall call{prompt, buttons, icon, title.empty() ? std::string(kApplicationTitle) : title};
    messages.push_back(call);
    if (m_answerer)
        return m_answerer(call);
    if (m_answers.empty()) {
        g_fail("unexpected message box: \"" + prompt + "\" (" + call.title + ")");
        return buttons == MessageButtons::YesNo ? kAnswerNo : kAnswerOk;
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<std::string> FakeDesktop::askNumber(const NumberQuestion& question)
{
    numberQuestions.push_back(question);
    if (m_numberAnswerer)
        return m_numberAnswerer(question);
    if (m_numberAnswers.empty()) {
        g_fail("unexpected number dialog: \"" + question.prompt + "\" (" + question.title + ")");
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(m_numberAnswers.front());
    m_numberAnswers.pop_front();
    return answer;
}

void FakeDesktop::clearClipboard()
{
    clipboard.clear();
    clipboardHtml.clear();
    clipboardLog.emplace_back("clear");
}

// --- The report as a table and as a file ---

void FakeDesktop::setClipboardContent(const std::string& text, const std::string& html)
{
    // Fresh strings, so that a long report's memory goes when a shorter one replaces it.
    clipboard = std::string(text);
    clipboardLog.push_back("set:" + text);
    clipboardHtml = std::string(html);
}

std::string FakeDesktop::writeDocument(const std::string& path, const std::vector<PlannerReport>& sections,
                                       DocumentFormat format)
{
    if (!writeFailure.empty())
        return writeFailure;
    std::string text;
    for (const PlannerReport& section : sections)
        text += (text.empty() ? "" : "\r\n\r\n") + ReportText(section);
    documents[path] = {format, text};
    files[path] = "(document)";
    return {};
}

std::string FakeDesktop::printReport(const PlannerReport& report)
{
    if (!writeFailure.empty())
        return writeFailure;
    printed.push_back(ReportText(report));
    return {};
}

std::optional<std::string> FakeDesktop::askDate(const DateQuestion& question)
{
    dateQuestions.push_back(question);
    if (m_dateAnswers.empty()) {
        g_fail("unexpected date dialog: \"" + question.prompt + "\" (" + question.title + ")");
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(m_dateAnswers.front());
    m_dateAnswers.pop_front();
    return answer;
}

std::optional<DesktopServices::DateRange> FakeDesktop::askDateRange(const std::string& title,
                                                                    const DateRange& current)
{
    dateQuestions.push_back({title, "From:", current.first});
    dateQuestions.push_back({title, "To:", current.last});
    if (m_rangeAnswers.empty()) {
        g_fail("unexpected date range dialog: \"" + title + "\"");
        return std::nullopt;
    }
    std::optional<DateRange> answer = std::move(m_rangeAnswers.front());
    m_rangeAnswers.pop_front();
    return answer;
}

DesktopServices::ChosenFile FakeDesktop::chooseFileToSave(const std::string& title,
                                                          const std::string& suggestedName,
                                                          const std::vector<FileType>& types)
{
    saveDialogs.push_back({title, suggestedName, types});
    if (m_saveAnswers.empty()) {
        g_fail("unexpected save dialog: \"" + title + "\"");
        return {};
    }
    ChosenFile answer = m_saveAnswers.front();
    m_saveAnswers.pop_front();
    return answer;
}

std::string FakeDesktop::writeFile(const std::string& path, const std::string& contents)
{
    if (!writeFailure.empty())
        return writeFailure;
    files[path] = contents;
    return {};
}

} // namespace movesta::testing
