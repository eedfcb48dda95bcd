// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Desktop services for tests and the soak: records every call and answers message
// boxes and number dialogs from a script. A dialog that nobody expected, or a scripted answer left unused
// when the fake goes, is a failure: it would hang a real run, or the test did not go where it meant to.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop_services.h"

namespace movesta::testing {

struct MessageCall {
    std::string prompt;
    MessageButtons buttons;
    MessageIcon icon;
    std::string title;
};

class FakeDesktop : public DesktopServices {
public:
    // How failures are reported: by default the message is printed and the program aborts (the
    // soak); the GoogleTest programs report them as failures of the running test.
    using FailureHandler = void (*)(const std::string& failure);
    static void setFailureHandler(FailureHandler handler);

    FakeDesktop() = default;
    ~FakeDesktop() override;
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    int messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                   const std::string& title) override;
    void clearClipboard() override;
    void openAddress(const std::string& address) override { opened.push_back(address); }
    std::string productPageAddress() const override { return "https://movesta.example/"; }
    std::optional<std::string> askNumber(const NumberQuestion& question) override;

    // The next message box is expected and gets this answer.
    void expectMessage(int answer = kAnswerOk) { m_answers.push_back(answer); }
    // Answers every message box from now on (random tests); no message is then unexpected.
    void answerAll(std::function<int(const MessageCall&)> answerer) { m_answerer = std::move(answerer); }
    void answerAllOk()
    {
        answerAll([](const MessageCall&) { return kAnswerOk; });
    }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }

    // The next number dialog is expected and gets this answer; nullopt is Cancel.
    void expectNumber(std::optional<std::string> answer) { m_numberAnswers.push_back(std::move(answer)); }
    // Answers every number dialog from now on, for instance with the real dialog (widget tests).
    void answerNumbers(std::function<std::optional<std::string>(const NumberQuestion&)> answerer)
    {
        m_numberAnswerer = std::move(answerer);
    }

    std::vector<MessageCall> messages;
    std::vector<NumberQuestion> numberQuestions;
    std::vector<std::string> opened;
    std::vector<std::string> clipboardLog; // "clear" and "set:<text>" in call order
    std::string clipboard;

    // --- The report as a table and as a file ---
    // The clipboard's plain text is logged and kept, the HTML beside it.
    void setClipboardContent(const std::string& text, const std::string& html) override;
    std::string clipboardHtml;
    // Save dialogs are answered from a script, as message boxes are: the next one is expected and
    // answers this file and type; an empty path is a cancel.
    ChosenFile chooseFileToSave(const std::string& title, const std::string& suggestedName,
                                const std::vector<FileType>& types) override;
    void expectSaveDialog(std::string path, int type = 0)
    {
        m_saveAnswers.push_back({std::move(path), type});
    }
    struct SaveDialogCall {
        std::string title;
        std::string suggestedName;
        std::vector<FileType> types;
    };
    std::vector<SaveDialogCall> saveDialogs;
    // Files are kept here, never on disk. While writeFailure is set, every write fails with it as
    // its reason and nothing is kept.
    std::string writeFile(const std::string& path, const std::string& contents) override;
    bool fileExists(const std::string& path) const override { return files.count(path) > 0; }
    std::map<std::string, std::string> files;
    std::string writeFailure;
    // Paged documents are kept as the report's plain text with the format they were asked in,
    // and listed in `files`; prints as the plain text alone. writeFailure fails them too.
    struct Document {
        DocumentFormat format;
        std::string text;
    };
    std::string writeDocument(const std::string& path, const std::vector<PlannerReport>& sections,
                              DocumentFormat format) override;
    std::string printReport(const PlannerReport& report) override;
    std::map<std::string, Document> documents;
    std::vector<std::string> printed;

    // --- The diary ---
    std::string today() const override { return todayDate; }
    std::string todayDate = "2026-12-09";
    // Date dialogs are answered from a script too; nullopt is Cancel.
    std::optional<std::string> askDate(const DateQuestion& question) override;
    std::optional<DateRange> askDateRange(const std::string& title, const DateRange& current) override;
    void expectDate(std::optional<std::string> answer) { m_dateAnswers.push_back(std::move(answer)); }
    void expectDateRange(std::optional<DateRange> answer) { m_rangeAnswers.push_back(std::move(answer)); }
    std::vector<DateQuestion> dateQuestions; // a range asked for as two questions, "From:" and "To:"

private:
    std::deque<int> m_answers;
    std::function<int(const MessageCall&)> m_answerer;
    std::deque<std::optional<std::string>> m_numberAnswers;
    std::function<std::optional<std::string>(const NumberQuestion&)> m_numberAnswerer;
    std::deque<ChosenFile> m_saveAnswers;
    std::deque<std::optional<std::string>> m_dateAnswers;
    std::deque<std::optional<DateRange>> m_rangeAnswers;
};

} // namespace movesta::testing
