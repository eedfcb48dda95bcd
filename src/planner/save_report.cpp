// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report saved to a file: OpenDocument text, CSV, HTML or the clipboard's plain text, by
// the type chosen in the save dialog or the extension typed.

#include <algorithm>
#include <array>
#include <exception>
#include <string>

#include "planner/form7.h"
#include "planner/report_formats.h"
#include "platform/desktop_services.h"

namespace movesta {

namespace {

struct SavedType {
    const char* description;
    const char* extension;
    ReportFormat format;
};
// In the order of the dialog's list, the first one chosen at its opening.
constexpr std::array<SavedType, 4> kSavedTypes{{
    {"OpenDocument text", "odt", ReportFormat::OpenDocument},
    {"CSV, for spreadsheets", "csv", ReportFormat::Csv},
    {"Web page", "html", ReportFormat::Html},
    {"Plain text", "txt", ReportFormat::Text},
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

void Form7::spr_Click()
{
    SaveReport();
}

void Form7::SaveReport()
{
    std::vector<DesktopServices::FileType> types;
    for (const SavedType& type : kSavedTypes)
        types.push_back({type.description, type.extension});
    DesktopServices::ChosenFile chosen =
        desktop().chooseFileToSave("Save Report", "Physical activities", types);
    if (chosen.path.empty())
        return; // cancelled: nothing is written

    // A known extension decides the type; a name without any gets the chosen type's.
    const std::string extension = extensionOf(chosen.path);
    const SavedType* type = &kSavedTypes[static_cast<std::size_t>(
        std::clamp(chosen.type, 0, static_cast<int>(kSavedTypes.size()) - 1))];
    const auto known = std::find_if(kSavedTypes.begin(), kSavedTypes.end(), [&](const SavedType& t) {
        return extension == t.extension || (extension == "htm" && t.format == ReportFormat::Html);
    });
    if (known != kSavedTypes.end())
        type = &*known;
    else if (extension.empty())
        chosen.path += std::string(".") + type->extension;

    std::string failure;
    try {
        failure = desktop().writeFile(chosen.path, WriteReport(ComposeReport(), type->format));
    } catch (const std::exception& error) {
        failure = error.what(); // a report too large for its form
    }
    if (!failure.empty())
        desktop().messageBox("The report could not be saved to\r\n" + chosen.path + "\r\n" + failure,
                             MessageButtons::Ok, MessageIcon::Critical, "Save Report");
}

} // namespace movesta
