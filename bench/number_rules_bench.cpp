// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The number rules per call, each beside the standard conversion it stands on (std::from_chars,
// std::to_chars) on the same inputs: the catalogue's factor texts, the energies of its rows, the
// time-to-burn quotients (every bit of the mantissa used) and random doubles of every size shown.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/number_rules.h"

namespace {

using movesta::kCatalogue;

// The kJ factor texts as the program reads them ("7,5"), and the same with a point for from_chars.
const std::vector<std::string>& factorTexts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        for (const auto& row : kCatalogue)
            all.emplace_back(row.kj);
        return all;
    }();
    return texts;
}

const std::vector<std::string>& factorTextsWithPoint()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all = factorTexts();
        for (auto& text : all)
            std::replace(text.begin(), text.end(), ',', '.');
        return all;
    }();
    return texts;
}

// Energies of every row for 70 kg during 1 h 30 min, as the planner computes them.
const std::vector<double>& energies()
{
    static const std::vector<double> values = [] {
        std::vector<double> all;
        for (const auto& text : factorTexts())
            all.push_back(movesta::ReadDecimalNumber(text) * 70 * 1.5);
        return all;
    }();
    return values;
}

// Minutes to burn 200 kcal for weights of 40 to 120 kg and every row's kcal factor: quotients
// whose shortest form mostly has 16 or 17 digits.
const std::vector<double>& quotients()
{
    static const std::vector<double> values = [] {
        std::vector<double> all;
        for (const auto& row : kCatalogue)
            for (int weight = 40; weight <= 120; weight += 20)
                all.push_back(60 * (200 / (weight * movesta::ReadDecimalNumber(row.kcal))));
        return all;
    }();
    return values;
}

// Random doubles, every mantissa, logarithmically spread between 1e-10 and 1e15.
const std::vector<double>& randomValues()
{
    static const std::vector<double> values = [] {
        std::mt19937_64 rng(13);
        std::uniform_real_distribution<double> exponent(-10, 15);
        std::vector<double> all(4096);
        for (double& value : all)
            value = std::pow(10.0, exponent(rng));
        return all;
    }();
    return values;
}

// Writing each value with `write`, round the inputs.
template <typename Write>
void eachValue(benchmark::State& state, const std::vector<double>& values, Write write)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(write(values[i]));
        i = i + 1 == values.size() ? 0 : i + 1;
    }
}

std::string shortest(double value)
{
    std::array<char, 32> buffer;
    return {buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr};
}

void ReadDecimalNumber(benchmark::State& state)
{
    const auto& texts = factorTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(movesta::ReadDecimalNumber(texts[i]));
        i = i + 1 == texts.size() ? 0 : i + 1;
    }
}
BENCHMARK(ReadDecimalNumber);

void FloorFromChars(benchmark::State& state)
{
    const auto& texts = factorTextsWithPoint();
    std::size_t i = 0;
    for (auto _ : state) {
        double value = 0;
        const std::string& text = texts[i];
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
        i = i + 1 == texts.size() ? 0 : i + 1;
    }
}
BENCHMARK(FloorFromChars);

void NumberToText(benchmark::State& state)
{
    const auto& values = energies();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(movesta::NumberToText(values[i]));
        i = i + 1 == values.size() ? 0 : i + 1;
    }
}
BENCHMARK(NumberToText);

void FloorToCharsShortest(benchmark::State& state)
{
    const auto& values = energies();
    std::size_t i = 0;
    std::array<char, 32> buffer;
    for (auto _ : state) {
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), values[i]).ptr;
        benchmark::DoNotOptimize(std::string(buffer.data(), end));
        i = i + 1 == values.size() ? 0 : i + 1;
    }
}
BENCHMARK(FloorToCharsShortest);

void FormatWithMaskNumber(benchmark::State& state)
{
    const auto& values = energies();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(movesta::FormatWithMask(values[i], "0.0"));
        i = i + 1 == values.size() ? 0 : i + 1;
    }
}
BENCHMARK(FormatWithMaskNumber);

void FloorToCharsFixed(benchmark::State& state)
{
    const auto& values = energies();
    std::size_t i = 0;
    std::array<char, 32> buffer;
    for (auto _ : state) {
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), values[i],
                                       std::chars_format::fixed, 1)
                             .ptr;
        benchmark::DoNotOptimize(std::string(buffer.data(), end));
        i = i + 1 == values.size() ? 0 : i + 1;
    }
}
BENCHMARK(FloorToCharsFixed);

// The text form, as the preview writes the duration texts: read, then written with a mask.
void FormatWithMaskText(benchmark::State& state)
{
    const auto& texts = factorTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(movesta::FormatWithMask(texts[i], "0.0"));
        i = i + 1 == texts.size() ? 0 : i + 1;
    }
}
BENCHMARK(FormatWithMaskText);

void FloorFromCharsToChars(benchmark::State& state)
{
    const auto& texts = factorTextsWithPoint();
    std::size_t i = 0;
    std::array<char, 32> buffer;
    for (auto _ : state) {
        double value = 0;
        const std::string& text = texts[i];
        std::from_chars(text.data(), text.data() + text.size(), value);
        const auto end =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 1)
                .ptr;
        benchmark::DoNotOptimize(std::string(buffer.data(), end));
        i = i + 1 == texts.size() ? 0 : i + 1;
    }
}
BENCHMARK(FloorFromCharsToChars);

void QuotientNumberToText(benchmark::State& state)
{
    eachValue(state, quotients(), [](double v) { return movesta::NumberToText(v); });
}
BENCHMARK(QuotientNumberToText);

void QuotientFloorToCharsShortest(benchmark::State& state)
{
    eachValue(state, quotients(), shortest);
}
BENCHMARK(QuotientFloorToCharsShortest);

void QuotientFormatWithMaskHours(benchmark::State& state)
{
    eachValue(state, quotients(), [](double v) { return movesta::FormatWithMask(v / 60, "0.00"); });
}
BENCHMARK(QuotientFormatWithMaskHours);

void RandomNumberToText(benchmark::State& state)
{
    eachValue(state, randomValues(), [](double v) { return movesta::NumberToText(v); });
}
BENCHMARK(RandomNumberToText);

void RandomFloorToCharsShortest(benchmark::State& state)
{
    eachValue(state, randomValues(), shortest);
}
BENCHMARK(RandomFloorToCharsShortest);

} // namespace

BENCHMARK_MAIN();
