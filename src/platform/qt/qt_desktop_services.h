#pragma once

#include <string>

#include "platform/desktop_services.h"

namespace movesta {

class QtDesktopServices : public DesktopServices {
public:
    QtDesktopServices();
    int messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                   const std::string& title) override;
    void clearClipboard() override;
    void setClipboardText(const std::string& text) override;
    void openAddress(const std::string& address) override;
    std::string productPageAddress() const override { return m_productPage; }

    std::optional<std::string> askNumber(const NumberQuestion& question) override;

private:
    std::string m_productPage;
};

} // namespace movesta
