// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the windows need of the desktop: modal message boxes, the clipboard and the shell's
// "open" action. The Qt implementation shows real dialogs; tests use a recording fake.

#include <optional>
#include <string>
#include <vector>

#include "platform/report.h"

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

    // The shell's "open" action on a web address; its outcome is not examined.
    virtual void openAddress(const std::string& address) = 0;

    // The one address of the product page, opened by the banner pictures of every window.
    virtual std::string productPageAddress() const = 0;

    // A whole number asked for in a small modal dialog: a caption with its box, OK and Cancel.
    // The box opens holding `current` and takes typed digits only, at most `digits` of them.
    struct NumberQuestion {
        std::string title;
        std::string prompt; // the box's caption, also its name for screen readers
        std::string current;
        int digits = 0;
    };
    // The box's text on OK, nothing on Cancel. A pasted text passes the key filter, so the
    // answer may hold anything: the window checks it.
    virtual std::optional<std::string> askNumber(const NumberQuestion& question) = 0;

    // --- The report as a table and as a file ---

    // One clipboard entry in two flavours: the plain text, and HTML for programs that take tables.
    virtual void setClipboardContent(const std::string& text, const std::string& html) = 0;

    // The system's save dialog, offering `types` with the first one chosen; the name the person
    // chose (as typed, or with the chosen type's extension added by the dialog) and the index of
    // the type chosen. An empty path: cancelled.
    struct FileType {
        std::string description; // "OpenDocument text"
        std::string extension;   // "odt", without the dot
    };
    struct ChosenFile {
        std::string path;
        int type = 0;
    };
    virtual ChosenFile chooseFileToSave(const std::string& title, const std::string& suggestedName,
                                        const std::vector<FileType>& types) = 0;

    // Writes the whole file, replacing one that is there, or leaves what was there untouched.
    // Returns the reason of a failure, empty when the file was written.
    virtual std::string writeFile(const std::string& path, const std::string& contents) = 0;
    virtual bool fileExists(const std::string& path) const = 0;

    // --- The report as a paged document: printed, or saved as PDF or OpenDocument text ---

    // Reports laid out on pages one after the other (each its heading, its table with the column
    // headings on every page, the lines after it) and written as writeFile writes: the planner's
    // one report, or a day after a day of the diary. Returns the reason of a failure.
    enum class DocumentFormat { Pdf, OpenDocument };
    virtual std::string writeDocument(const std::string& path, const std::vector<PlannerReport>& sections,
                                      DocumentFormat format) = 0;
    // The system's print dialog, then the report printed on the printer chosen there. Returns the
    // reason of a failure, naming the printer or file; empty when printed or cancelled.
    virtual std::string printReport(const PlannerReport& report) = 0;

    // --- The diary ---

    // Today as the desktop's clock and time zone have it: an ISO date, "2026-12-09".
    virtual std::string today() const = 0;
    // A date asked for in a small modal dialog: a date box opening on `current` (an ISO date),
    // OK and Cancel. The date chosen on OK, nothing on Cancel.
    struct DateQuestion {
        std::string title;
        std::string prompt; // the box's caption, also its name for screen readers
        std::string current;
    };
    virtual std::optional<std::string> askDate(const DateQuestion& question) = 0;
    // Two dates, from and to, in one dialog; the first never after the second.
    struct DateRange {
        std::string first;
        std::string last;
    };
    virtual std::optional<DateRange> askDateRange(const std::string& title, const DateRange& current) = 0;
};

} // namespace movesta
