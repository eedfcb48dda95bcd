// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report saved to a file: OpenDocument text, CSV, HTML, the clipboard's plain text or PDF,
// by the extension typed or else the type chosen in the save dialog; and the report printed.

#include <algorithm>
#include <array>
#include <exception>
#include <optional>
#include <string>

#include "planner/form7.h"
#include "planner/report_formats.h"
#include "platform/desktop_services.h"

namespace movesta {

namespace {

using DocumentFormat = DesktopServices::DocumentFormat;

// A type of file: written by the planner itself (`text`), or laid out on pages by the desktop
// services (`document`).
struct SavedType {
    const char* description;
    const char* extension;
    std::optional<ReportFormat> text;
    DocumentFormat document = DocumentFormat::OpenDocument;
};
// In the order of the dialog's list, the first one chosen at its opening.
const std::array<SavedType, 5> kSavedTypes{{
    {"OpenDocument text", "odt", std::nullopt, DocumentFormat::OpenDocument},
    {"CSV, for spreadsheets", "csv", ReportFormat::Csv},
    {"Web page", "html", ReportFormat::Html},
    {"Plain text", "txt", ReportFormat::Text},
    {"PDF document", "pdf", std::nullopt, DocumentFormat::Pdf},
}};

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

// The extension of the file name (after its last dot, if the dot is in the name and not its
// first character), in lower case; empty if it has none.
std::string extensionOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= nameStart)
        return {};
    return lowerCase(path.substr(dot + 1));
}

} // namespace

void SaveReportSections(DesktopServices& desktop, const std::string& title, const std::string& suggestedName,
                        const std::vector<PlannerReport>& sections)
{
    std::vector<DesktopServices::FileType> types;
    for (const SavedType& type : kSavedTypes)
        types.push_back({type.description, type.extension});
    DesktopServices::ChosenFile chosen = desktop.chooseFileToSave(title, suggestedName, types);
    if (chosen.path.empty())
        return; // cancelled: nothing is written

    // A known extension decides the type, so that a file's contents always match its name; any
    // other name gets the chosen type's extension added.
    const std::string extension = extensionOf(chosen.path);
    const SavedType* type = &kSavedTypes[static_cast<std::size_t>(
        std::clamp(chosen.type, 0, static_cast<int>(kSavedTypes.size()) - 1))];
    const auto known = std::find_if(kSavedTypes.begin(), kSavedTypes.end(), [&](const SavedType& t) {
        return extension == t.extension || (extension == "htm" && t.text == ReportFormat::Html);
    });
    if (known != kSavedTypes.end()) {
        type = &*known;
    } else {
        chosen.path += std::string(".") + type->extension;
        // The dialog asked about replacing the name typed, not this one.
        if (desktop.fileExists(chosen.path) &&
            desktop.messageBox(chosen.path + " already exists.\r\nDo you want to replace it?",
                               MessageButtons::YesNo, MessageIcon::None, title) != kAnswerYes)
            return;
    }

    std::string failure;
    try {
        failure = type->text ? desktop.writeFile(chosen.path, WriteReport(sections, *type->text))
                             : desktop.writeDocument(chosen.path, sections, type->document);
    } catch (const std::exception& error) {
        failure = error.what(); // a report too large for its form
    }
    if (!failure.empty())
        desktop.messageBox("The report could not be saved to\r\n" + chosen.path + "\r\n" + failure,
                           MessageButtons::Ok, MessageIcon::Critical, title);
}

void Form7::spr_Click()
{
    SaveReport();
}

void Form7::SaveReport()
{
    SaveReportSections(desktop(), "Save Report", "Physical activities", {ComposeReport()});
}

void Form7::isp_Click()
{
    PrintReport();
}

void Form7::PrintReport()
{
    const std::string failure = desktop().printReport(ComposeReport());
    if (!failure.empty())
        desktop().messageBox(failure, MessageButtons::Ok, MessageIcon::Critical, "Print");
}

} // namespace movesta
