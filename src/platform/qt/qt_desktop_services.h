// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
    void openAddress(const std::string& address) override;
    std::string productPageAddress() const override { return m_productPage; }

    std::optional<std::string> askNumber(const NumberQuestion& question) override;

    // --- The report as a table and as a file ---
    void setClipboardContent(const std::string& text, const std::string& html) override;
    ChosenFile chooseFileToSave(const std::string& title, const std::string& suggestedName,
                                const std::vector<FileType>& types) override;
    std::string writeFile(const std::string& path, const std::string& contents) override;
    bool fileExists(const std::string& path) const override;
    std::string writeDocument(const std::string& path, const std::vector<PlannerReport>& sections,
                              DocumentFormat format) override;
    std::string today() const override;
    std::optional<std::string> askDate(const DateQuestion& question) override;
    std::optional<DateRange> askDateRange(const std::string& title, const DateRange& current) override;
    std::string printReport(const PlannerReport& report) override;

private:
    std::string m_productPage;
};

} // namespace movesta
