// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the product page: generate_product_page OUTPUT VERSION ICON.svg PLANNER.svg TIME_TO_BURN.svg
// Runs at build time, so the page's catalogue, examples and shortcuts are always those of the
// program compiled beside it.

#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "product_page/product_page.h"
#include "product_page/program_sessions.h"

namespace {

std::optional<std::string> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(text).str();
}

// Written beside the target and renamed over it, so a failed run never leaves half a page
// that the build would take as up to date.
bool WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    const std::filesystem::path partial = path.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(partial, error);
            return false;
        }
    }
    std::filesystem::rename(partial, path, error);
    return !error;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "generate_product_page")
                  << " OUTPUT VERSION ICON.svg PLANNER.svg TIME_TO_BURN.svg\n";
        return 2;
    }
    std::array<std::string, 3> pictures;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        std::optional<std::string> svg = ReadFile(argv[3 + i]);
        if (!svg) {
            std::cerr << "generate_product_page: cannot read " << argv[3 + i] << '\n';
            return 1;
        }
        pictures[i] = std::move(*svg);
    }
    std::string page;
    try {
        page = movesta::RenderProductPage(argv[2], {pictures[0], pictures[1], pictures[2]});
    } catch (const movesta::SessionError& error) {
        std::cerr << "generate_product_page: " << error.what() << '\n';
        return 1;
    }
    if (!WriteFile(argv[1], page)) {
        std::cerr << "generate_product_page: cannot write " << argv[1] << '\n';
        return 1;
    }
    for (const movesta::HelpPage& help : movesta::RenderHelpPages()) {
        const std::filesystem::path path = std::filesystem::path(argv[1]).parent_path() / help.file;
        if (!WriteFile(path, help.html)) {
            std::cerr << "generate_product_page: cannot write " << path.string() << '\n';
            return 1;
        }
    }
    return 0;
}
