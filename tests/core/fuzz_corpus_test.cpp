// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every committed fuzz input (the seeds and the crashes the fuzzers found) replayed through the
// same checks as its libFuzzer target, as an ordinary regression test of the g++ build.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "../../fuzz/checks.h"

namespace movesta {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(__FILE__).parent_path() / "../../fuzz/corpus";

std::string readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzCorpus, EveryCommittedInputKeepsItsTargetsProperties)
{
    ASSERT_TRUE(fs::is_directory(kCorpus)) << kCorpus;
    std::set<std::string> known;
    for (const auto& target : fuzz::kFuzzTargets) {
        known.emplace(target.name);
        const fs::path folder = kCorpus / target.name;
        ASSERT_TRUE(fs::is_directory(folder)) << "no corpus for " << target.name;
        int replayed = 0;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (!entry.is_regular_file())
                continue;
            const std::string data = readBytes(entry.path());
            EXPECT_EQ(target.check(data), "") << entry.path();
            ++replayed;
        }
        // The seeds are what the fuzzers start from; a folder emptied by mistake must not pass.
        EXPECT_GE(replayed, 20) << target.name;
    }
    for (const auto& entry : fs::directory_iterator(kCorpus))
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

// A weight box without the three-character rule is what the weight check must catch.
TEST(FuzzCorpus, WeightCutCheckCatchesABoxThatKeepsTheWholeText)
{
    testing::FakeDesktop desktop;
    Window window(desktop, "plain");
    TextBox box(window, "Text1");
    for (const char* pasted : {"12345", "9999", "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"}) {
        box.setText(pasted);
        EXPECT_NE(fuzz::CheckWeightCut(pasted, box), "") << pasted;
        box.setText(LeftCharacters(pasted, 3));
        EXPECT_EQ(fuzz::CheckWeightCut(pasted, box), "") << pasted;
    }
}

} // namespace
} // namespace movesta
