#pragma once

// Desktop services for tests, fuzz targets and the soak: records every call and answers message
// boxes from a script. A message box that nobody expected, or a scripted answer left unused when
// the fake goes, is a failure: it would hang a real run, or the test did not go where it meant to.

#include <deque>
#include <functional>
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
    // How failures are reported: by default the message is printed and the program aborts (fuzz
    // targets, soak); the GoogleTest programs report them as failures of the running test.
    using FailureHandler = void (*)(const std::string& failure);
    static void setFailureHandler(FailureHandler handler);

    FakeDesktop() = default;
    ~FakeDesktop() override;
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    int messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                   const std::string& title) override;
    void clearClipboard() override;
    void setClipboardText(const std::string& text) override;
    void openAddress(const std::string& address) override { opened.push_back(address); }
    std::string productPageAddress() const override { return "https://movesta.example/"; }

    // The next message box is expected and gets this answer.
    void expectMessage(int answer = kAnswerOk) { m_answers.push_back(answer); }
    // Answers every message box from now on (random tests); no message is then unexpected.
    void answerAll(std::function<int(const MessageCall&)> answerer) { m_answerer = std::move(answerer); }
    void answerAllOk()
    {
        answerAll([](const MessageCall&) { return kAnswerOk; });
    }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }

    std::vector<MessageCall> messages;
    std::vector<std::string> opened;
    std::vector<std::string> clipboardLog; // "clear" and "set:<text>" in call order
    std::string clipboard;

private:
    std::deque<int> m_answers;
    std::function<int(const MessageCall&)> m_answerer;
};

} // namespace movesta::testing
