// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every committed fuzz input (the seeds and the crashes the fuzzers found) replayed through the
// same checks as its libFuzzer target, as an ordinary regression test of the g++ build.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "../../fuzz/targets.h"
#include "support/fuzz_corpus.h"

namespace movesta {
namespace {

using testing::kFuzzCorpus;

TEST(FuzzCorpus, EveryCommittedInputKeepsItsTargetsProperties)
{
    ASSERT_TRUE(std::filesystem::is_directory(kFuzzCorpus)) << kFuzzCorpus;
    std::set<std::string> known;
    for (const auto& target : fuzz::kFuzzTargets) {
        known.emplace(target.name);
        ASSERT_TRUE(std::filesystem::is_directory(kFuzzCorpus / target.name))
            << "no corpus for " << target.name;
        const std::vector<testing::CorpusInput> inputs = testing::FuzzCorpus(target.name);
        for (const testing::CorpusInput& input : inputs)
            EXPECT_EQ(target.check(input.data), "") << input.file;
        // The seeds are what the fuzzers start from; a folder emptied by mistake must not pass.
        EXPECT_GE(inputs.size(), 20u) << target.name;
    }
    for (const auto& entry : std::filesystem::directory_iterator(kFuzzCorpus))
        EXPECT_TRUE(known.count(entry.path().filename().string())) << "no fuzz target for " << entry.path();
}

// The notation check is what catches a badly written number; it must tell good texts from bad.
TEST(FuzzCorpus, WrittenNumberCheckKnowsTheNotation)
{
    const struct {
        const char* text;
        bool written;
    } cases[] = {
        {"0", true},    {"70", true},     {"7,5", true},    {"-1", true},   {"0,05", true},
        {"-0,5", true}, {"", false},      {"-", false},     {"-0", false},  {"-0,0", false},
        {"007", false}, {"00,5", false},  {"7,", false},    {",5", false},  {"7.5", false},
        {"+5", false},  {"1 000", false}, {"1,2,3", false}, {"1e5", false}, {"7,5 ", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fuzz::IsWrittenNumber(c.text), c.written) << '"' << c.text << '"';
}

} // namespace
} // namespace movesta
