#pragma once

// What the windows need of the desktop: modal message boxes, the clipboard and the shell's
// "open" action. The Qt implementation shows real dialogs; tests use a recording fake.

#include <string>

namespace movesta {

inline constexpr const char* kApplicationTitle = "Movesta";

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Critical };

// Answers of a message box, as the windows compare them.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Modal; the prompt may hold CR LF line breaks. An empty title shows kApplicationTitle.
    // With Yes and No, Yes is the default button.
    virtual int messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                           const std::string& title) = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // The shell's "open" action on a web address; its outcome is not examined.
    virtual void openAddress(const std::string& address) = 0;

    // The one address of the product page, opened by the banner pictures of every window.
    virtual std::string productPageAddress() const = 0;
};

} // namespace movesta
