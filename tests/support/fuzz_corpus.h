// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The committed fuzz inputs (fuzz/corpus/<target>/: the seeds and the crashes the fuzzers
// found), for the tests that replay them in the ordinary build.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace movesta::testing {

inline const std::filesystem::path kFuzzCorpus =
    std::filesystem::path(__FILE__).parent_path() / "../../fuzz/corpus";

struct CorpusInput {
    std::filesystem::path file;
    std::string data;
};

// Every input of one target; none when its folder is missing.
inline std::vector<CorpusInput> FuzzCorpus(std::string_view target)
{
    std::vector<CorpusInput> inputs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kFuzzCorpus / target, error)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.push_back(
            {entry.path(), {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    return inputs;
}

} // namespace movesta::testing
