// The number rules per call, each beside the standard conversion it stands on (std::from_chars,
// std::to_chars) on the same inputs: the catalogue's factor texts and the energies of its rows.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
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

} // namespace

BENCHMARK_MAIN();
