#include "support/fake_desktop.h"

#include <gtest/gtest.h>

namespace movesta::testing {

int FakeDesktop::messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                            const std::string& title)
{
    MessageCall call{prompt, buttons, icon, title.empty() ? std::string(kApplicationTitle) : title};
    messages.push_back(call);
    if (m_answerer)
        return m_answerer(call);
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << prompt << "\" (" << call.title << ")";
        return buttons == MessageButtons::YesNo ? kAnswerNo : kAnswerOk;
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void FakeDesktop::clearClipboard()
{
    clipboard.clear();
    clipboardLog.emplace_back("clear");
}

void FakeDesktop::setClipboardText(const std::string& text)
{
    clipboard = text;
    clipboardLog.push_back("set:" + text);
}

} // namespace movesta::testing
