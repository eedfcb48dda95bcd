// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/catalogue.h"

namespace movesta {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

const std::string kDblMaxText = "179769313486232" + std::string(294, '0');
const std::string kHuge = "1" + std::string(400, '0');
const std::string kTiny = "0," + std::string(400, '0') + "1";
const std::string kSpacedZeros = [] { // 70 zeros with blanks between, too long for a short buffer
    std::string text;
    for (int i = 0; i < 70; ++i) {
        text += "0 ";
    }
    return text;
}();

TEST(DigitKeyFilter, PassesControlKeysAndDigitsOnly)
{
    const struct {
        int code;
        int expected;
    } cases[] = {
        {8, 8},   {9, 9},   {13, 13},   {3, 3},     {22, 22},  {24, 24},   {26, 26}, {0, 0},
        {-1, -1}, {27, 0},  {' ', 0},   {',', 0},   {'.', 0},  {'-', 0},   {'+', 0}, {'a', 0},
        {'/', 0}, {':', 0}, {'0', '0'}, {'9', '9'}, {0xE9, 0}, {0x416, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DigitKeyFilter(c.code), c.expected) << c.code;
    }
    std::string box; // typing "70,5" into a weight box
    for (const char key : std::string("70,5")) {
        if (DigitKeyFilter(key) != 0) {
            box += key;
        }
    }
    EXPECT_EQ(box, "705");
}

TEST(ReadLeadingNumber, ReadsThePointNumberAtTheStart)
{
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {"", 0},
        {"70,5", 70},
        {"1,8", 1},
        {"70.5", 70.5},
        {"abc", 0},
        {"12kg", 12},
        {"7 0", 70},
        {"-", 0},
        {"1e5", 1},
        {"- 5", -5},
        {"\t7\n0 . 5x", 70.5},
        {".5", 0.5},
        {"5.", 5},
        {"--5", 0},
        {"1.2.3", 1.2},
        {"- " + kSpacedZeros + "2.5", -2.5},
        {kHuge, DBL_MAX},
        {"-" + kHuge + "x", -DBL_MAX},
        {"0." + kTiny.substr(2), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLeadingNumber(c.text), c.expected) << c.text;
    }
    EXPECT_FALSE(std::signbit(ReadLeadingNumber("-0")));
}

TEST(ReadDecimalNumber, ReadsTheNumberNotation)
{
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {"1,8", 1.8},
        {"7,5", 7.5},
        {"17,8", 17.8},
        {"25", 25},
        {" 70 ", 70},
        {"\t-12,5 ", -12.5},
        {"70,5", 70.5},
        {"70.5", 70.5},
        {"70,", 70},
        {",5", 0.5},
        {"-,5", -0.5},
        {"0200", 200},
        {kDblMaxText, DBL_MAX},
        {"-" + kHuge, -DBL_MAX},
        {kTiny, 0},
        {"0,1" + std::string(500, '9'), 0.2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadDecimalNumber(c.text), c.expected) << c.text;
    }
    EXPECT_FALSE(std::signbit(ReadDecimalNumber("-0")));
}

TEST(ReadDecimalNumber, RejectsEverythingElseWithAReadableMessage)
{
    const std::string texts[] = {"",
                                 "   ",
                                 "-",
                                 ",",
                                 "+5",
                                 "1e5",
                                 "7 0",
                                 "- 5",
                                 "1,2,3",
                                 "1.2,3",
                                 "12kg",
                                 "abc",
                                 "7\xC3\xA9",
                                 "5\n",
                                 std::string("5\0", 2),
                                 "\x01"
                                 "5"};
    for (const auto& text : texts) {
        EXPECT_THROW(ReadDecimalNumber(text), ConversionError) << text;
    }
    const auto message = [](const std::string& text) {
        try {
            ReadDecimalNumber(text);
        } catch (const NumberError& e) {
            return std::string(e.what());
        }
        return std::string("no failure");
    };
    EXPECT_EQ(message(""), "Type mismatch: an empty text is not a number.");
    EXPECT_EQ(message("abc"), "Type mismatch: \"abc\" is not a number.");
    EXPECT_EQ(message(std::string("5\0\n", 3)), "Type mismatch: \"5??\" is not a number.");
    const std::string a39(39, 'a');
    EXPECT_EQ(message(a39 + "\xC3\xA9"
                            "b"),
              "Type mismatch: \"" + a39 + "\xC3\xA9...\" is not a number.");
    EXPECT_EQ(message(a39 + "b"), "Type mismatch: \"" + a39 + "b\" is not a number.");
    EXPECT_EQ(message(std::string(1 << 20, 'x')),
              "Type mismatch: \"" + std::string(40, 'x') + "...\" is not a number.");
    EXPECT_EQ(OverflowError().what(), std::string("Overflow: the result is too large to be calculated."));
}

TEST(DecimalPlaces, CountsDigitsAfterTheDecimalSign)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"70,5", 1}, {"0,125", 3}, {" 1.25\t", 2}, {"70", 0}, {"70,", 0}, {"", 0}, {"abc", 0}, {"1,2,3", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalPlaces(c.text), c.expected) << c.text;
    }
}

TEST(NumberToText, WritesFifteenSignificantDigitsInPlainForm)
{
    const struct {
        double value;
        std::string expected;
    } cases[] = {
        {200, "200"},
        {0, "0"},
        {-0.0, "0"},
        {70.0, "70"},
        {70.5, "70,5"},
        {0.5, "0,5"},
        {-1, "-1"},
        {12.3 - 4.5, "7,8"},
        {0.1 + 0.2, "0,3"},
        {1234567890.1234567, "1234567890,12346"},
        {999999999999999.9, "1000000000000000"},
        {1.000000000000005, "1,00000000000001"},
        {-1.000000000000005, "-1,00000000000001"},
        {1e21, "1000000000000000000000"},
        {1e-20, "0,00000000000000000001"},
        {DBL_MAX, kDblMaxText},
        {-DBL_MAX, "-" + kDblMaxText},
        {kDenormMin, "0," + std::string(323, '0') + "494065645841247"}, // exactly 4.9406564584124654e-324
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberToText(c.value), c.expected) << c.value;
    }
    for (const double bad : {kInf, -kInf, kNaN}) {
        EXPECT_THROW(NumberToText(bad), OverflowError);
    }
}

TEST(FormatWithMask, RoundsHalfAwayFromZeroOnTheDecimalDigits)
{
    const struct {
        double value;
        const char* mask;
        std::string expected;
    } cases[] = {
        {2.5, "0", "3"},
        {3.5, "0", "4"},
        {-2.5, "0", "-3"},
        {0.125, "0.00", "0,13"},
        {22.499999999999996, "0", "23"},
        {68.1, "0", "68"},
        {68.5, "0", "69"},
        {0, "0.0", "0,0"},
        {5, "0.0", "5,0"},
        {5, "0.00", "5,00"},
        {0.05, "0.0", "0,1"},
        {-0.05, "0.0", "-0,1"},
        {1.005, "0.00", "1,01"},
        {9.995, "0.00", "10,00"},
        {0.004, "0.0", "0,0"},
        {-0.04, "0.0", "0,0"},
        {-0.4, "0", "0"},
        {-0.0, "0.00", "0,00"},
        {1234.5678, "0.00", "1234,57"},
        {1e21, "0.0", "1000000000000000000000,0"},
        {kDenormMin, "0.00", "0,00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatWithMask(c.value, c.mask), c.expected) << c.value << " " << c.mask;
    }
    EXPECT_THROW(FormatWithMask(kNaN, "0"), OverflowError);
    for (const char* mask : {"", "0.000", "#", "0,0"}) {
        EXPECT_THROW(FormatWithMask(1.0, mask), std::invalid_argument) << mask;
        EXPECT_THROW(FormatWithMask(std::string_view("1"), mask), std::invalid_argument) << mask;
    }
    const struct {
        const char* text;
        const char* mask;
        const char* expected;
    } texts[] = {
        {"", "0", ""},     {"abc", "0.0", "abc"}, {"12kg", "0", "12kg"},
        {"007", "0", "7"}, {"70,5", "0", "71"},   {" 1,25 ", "0.0", "1,3"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(FormatWithMask(std::string_view(t.text), t.mask), t.expected) << t.text;
    }
}

TEST(RoundDecimal, RemovesBinaryNoiseAtTheGivenDecimals)
{
    EXPECT_EQ(RoundDecimal(1000.5 - 1000.4, 1), 0.1);
    EXPECT_EQ(NumberToText(RoundDecimal(1000.5 - 1000.4, 1)), "0,1");
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {
        {2.675, 2, 2.68}, {-2.5, 0, -3}, {0.0004, 3, 0}, {123.456, 30, 123.456}, {DBL_MAX, 0, DBL_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundDecimal(c.value, c.decimals), c.expected) << c.value;
    }
    EXPECT_FALSE(std::signbit(RoundDecimal(-0.0004, 3)));
    EXPECT_THROW(RoundDecimal(kInf, 1), OverflowError);
    EXPECT_THROW(RoundDecimal(1.0, -1), std::invalid_argument);
    EXPECT_THROW(RoundDecimal(1.0, 31), std::invalid_argument);
}

TEST(CheckedResult, LetsOnlyFiniteValuesThrough)
{
    for (const double v : {0.0, -1.5, DBL_MAX, kDenormMin}) {
        EXPECT_EQ(CheckedResult(v), v);
    }
    for (const double v : {kInf, -kInf, kNaN}) {
        EXPECT_THROW(CheckedResult(v), OverflowError);
    }
}

// Whatever NumberToText or FormatWithMask writes reads back to the same text.
TEST(NumberRules, WrittenTextsReadBack)
{
    std::mt19937_64 rng(20240611);
    std::vector<double> values = {DBL_MAX, DBL_MIN, kDenormMin, 1e-300, 0.1, 1e15, 123456789012345678.0};
    for (int i = 0; i < 4000; ++i) {
        const std::uint64_t bits = rng();
        double any = 0;
        std::memcpy(&any, &bits, sizeof any); // every finite bit pattern, denormals included
        if (std::isfinite(any)) {
            values.push_back(any);
        }
        values.push_back(std::uniform_real_distribution<double>(1, 10)(rng) *
                         std::pow(10.0, std::uniform_int_distribution<int>(-300, 307)(rng)));
        const auto n = static_cast<double>(std::uniform_int_distribution<std::int64_t>(0, 1LL << 53)(rng));
        values.insert(values.end(), {n, std::fmod(n, 100000) / 10, std::fmod(n, 100000) / 100});
    }
    for (const double positive : values) {
        for (const double x : {positive, -positive}) {
            const std::string text = NumberToText(x);
            const double back = ReadDecimalNumber(text);
            EXPECT_EQ(NumberToText(back), text);
            EXPECT_LE(std::fabs(back - x), std::fabs(x) * 5e-15 + kDenormMin) << text;
            for (const char* mask : {"0", "0.0", "0.00"}) {
                const std::string masked = FormatWithMask(x, mask);
                EXPECT_EQ(FormatWithMask(ReadDecimalNumber(masked), mask), masked);
                EXPECT_EQ(FormatWithMask(std::string_view(masked), mask), masked);
            }
        }
    }
}

// The 15-digit step rounds the double's exact value once: the shortest form of 65840 / 13 is
// 5064.615384615385, but the double is 5064.6153846153847553..., below the midpoint.
TEST(NumberRules, RoundTheExactValueOnce)
{
    const double quotient = 65840.0 / 13;
    const struct {
        double value;
        const char* mask; // nullptr: NumberToText
        const char* expected;
    } cases[] = {
        {std::nextafter(quotient, 0), nullptr, "5064,61538461538"},
        {quotient, nullptr, "5064,61538461538"},
        {std::nextafter(quotient, kInf), nullptr, "5064,61538461539"},
        {-quotient, nullptr, "-5064,61538461538"},
        {100000000000000.5, nullptr, "100000000000001"}, // exact ties go away from zero
        {-100000000000000.5, nullptr, "-100000000000001"},
        {std::nextafter(100000000000000.5, 0), nullptr, "100000000000000"},
        {12345678901234.25, nullptr, "12345678901234,3"},
        {1234567890123.125, nullptr, "1234567890123,13"},
        {1234.499999999995, "0", "1234"}, // 1234.49999999999499..., not 1234.5 at 15 digits
        {-1234.499999999995, "0", "-1234"},
        {1.249999999999995, "0.0", "1,2"},
        {0.1499999999999995, "0.0", "0,1"},
        {100000000000000.5, "0", "100000000000001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.mask ? FormatWithMask(c.value, c.mask) : NumberToText(c.value), c.expected) << c.value;
    }
    EXPECT_EQ(FormatWithMask(std::string_view("1234,499999999995"), "0"), "1234");
    EXPECT_EQ(RoundDecimal(1234.499999999995, 0), 1234);
}

// Keeps the first `keep` of `count` digits (none when keep <= 0), adding one unit to the last kept
// when the digits dropped are half a unit or more; trailing zeros go.
void roundHalfAway(char* digits, int& count, int& point, int keep)
{
    if (count > keep) {
        const bool up = keep >= 0 && digits[keep] >= '5';
        count = std::max(keep, 0);
        int i = count - 1;
        for (; up && i >= 0 && digits[i] == '9'; --i) {
            digits[i] = '0';
        }
        if (up && i >= 0) {
            ++digits[i];
        } else if (up) { // all nines: 1 a place higher
            digits[0] = '1';
            count = 1;
            ++point;
        }
    }
    while (count > 0 && digits[count - 1] == '0') {
        --count;
    }
    if (count == 0) {
        point = 0; // zero
    }
}

// A value at 15 significant digits: |value| = 0.digits * 10^point, no trailing zeros.
struct FifteenDigits {
    bool negative = false;
    std::array<char, 15> digits{};
    int count = 0;
    int point = 0;
};

// The exact decimal value of a double, worked out with big integers of the test's own, then
// rounded half away from zero to 15 significant digits.
FifteenDigits exactAtFifteenDigits(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    const std::uint64_t mantissa = (bits & ((1ULL << 52) - 1)) | (biased != 0 ? 1ULL << 52 : 0);
    const int exponent = std::max(biased, 1) - 1075; // |value| = mantissa * 2^exponent
    // Base 2^32, lowest word first. A negative exponent gives mantissa * 5^-exponent over
    // 10^-exponent; for a subnormal that is 80 words.
    std::uint32_t words[84]; // plain arrays: this runs a million times in unoptimised builds
    int size = 0;
    for (std::uint64_t m = mantissa; m != 0; m >>= 32) {
        words[size++] = static_cast<std::uint32_t>(m);
    }
    for (int left = std::abs(exponent); left > 0; left -= 13) {
        std::uint32_t factor = 1; // 2^13 or 5^13 at most, to stay within a word
        for (int i = 0; i < std::min(left, 13); ++i) {
            factor *= exponent > 0 ? 2 : 5;
        }
        std::uint64_t carry = 0;
        for (int i = 0; i < size; ++i) {
            carry += std::uint64_t{words[i]} * factor;
            words[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) {
            words[size++] = static_cast<std::uint32_t>(carry);
        }
    }
    char text[800]; // the decimal digits of the big integer, filled from the end
    char* const end = text + sizeof text;
    char* first = end;
    while (size > 0) {
        std::uint64_t rest = 0;
        for (int i = size - 1; i >= 0; --i) {
            rest = rest << 32 | words[i];
            words[i] = static_cast<std::uint32_t>(rest / 1000000000);
            rest %= 1000000000;
        }
        while (size > 0 && words[size - 1] == 0) {
            --size;
        }
        for (int i = 0; i < 9; ++i, rest /= 10) {
            *--first = static_cast<char>('0' + rest % 10);
        }
    }
    while (first != end && *first == '0') {
        ++first;
    }
    FifteenDigits x;
    x.count = static_cast<int>(end - first);
    x.point = x.count + std::min(exponent, 0);
    roundHalfAway(first, x.count, x.point, 15); // zero gets point 0 here
    std::copy(first, first + x.count, x.digits.begin());
    x.negative = bits >> 63 != 0 && x.count > 0;
    return x;
}

// What NumberToText (decimals < 0) or FormatWithMask writes, from the value at 15 digits: the
// digits placed around the comma, zeros filled in where they stand apart from it.
std::string expectedText(FifteenDigits x, int decimals)
{
    if (decimals >= 0) {
        roundHalfAway(x.digits.data(), x.count, x.point, x.point + decimals);
    }
    const int fractionDigits = decimals >= 0 ? decimals : std::max(x.count - x.point, 0);
    const bool minus = x.negative && x.count > 0;
    std::string text(minus + std::max(x.point, 1) + (fractionDigits > 0 ? fractionDigits + 1 : 0), '?');
    char* p = text.data();
    if (minus) {
        *p++ = '-';
    }
    for (int place = std::max(x.point, 1) - 1; place >= -fractionDigits; --place) {
        const int index = x.point - 1 - place; // the digit standing for 10^place
        *p++ = index >= 0 && index < x.count ? x.digits[index] : '0';
        if (place == 0 && fractionDigits > 0) {
            *p++ = ',';
        }
    }
    return text;
}

// Values tried against the exact reference, a multiple of the four writers; each case is cheap, as
// the test runs under the sanitizers too.
constexpr int kExactCases = 1000000;

// Doubles as the program computes them: any mantissa from 1e-10 to 1e15, energies (factor x weight
// x hours), totals, minutes and hours to burn, and exact ties of the 15-digit step.
double programValue(std::mt19937_64& rng, const std::vector<double>& factors, int kind)
{
    const auto below = [&](std::uint64_t n) { return static_cast<double>(rng() % n); };
    const auto energy = [&] {
        const double weight = rng() % 2 == 0 ? 1 + below(999) : (1 + below(9999)) / 10;
        return factors[rng() % factors.size()] * weight * (below(25) + below(60) / 60);
    };
    double value = 0;
    switch (kind) {
    case 0: { // every mantissa, binary exponents -34 to 49
        const std::uint64_t bits = (rng() & ((1ULL << 52) - 1)) | (1023 - 34 + rng() % 84) << 52;
        std::memcpy(&value, &bits, sizeof value);
        break;
    }
    case 1:
        value = energy();
        break;
    case 2: // a total read from its one-decimal text, plus a row's energy
        value = below(100000000) / 10 + energy();
        break;
    case 3: { // minutes to burn an energy, then the hours of them and their leftover minutes
        const double minutes =
            60 * ((1 + below(99999)) / ((1 + below(999)) * factors[rng() % factors.size()]));
        value = rng() % 3 == 0 ? minutes : rng() % 2 == 0 ? minutes / 60 : 60 * (minutes / 60 - below(10));
        break;
    }
    default: { // a * 2^-t with a * 5^t of 16 digits: the 16th digit is 5 and nothing follows it
        const int t = 1 + static_cast<int>(rng() % 22);
        const auto five = static_cast<std::uint64_t>(std::pow(5.0, t));
        const std::uint64_t low = (1000000000000000ULL + five - 1) / five;
        const std::uint64_t high = 9999999999999999ULL / five;
        std::uint64_t a = (low + rng() % (high - low + 1)) | 1;
        if (a > high) {
            a -= 2;
        }
        value = std::ldexp(static_cast<double>(a), -t);
        break;
    }
    }
    return rng() % 2 == 0 ? value : -value;
}

TEST(NumberRules, WriteTheExactValueRoundedOnce)
{
    std::vector<double> factors;
    for (const auto& row : kCatalogue) {
        factors.push_back(ReadDecimalNumber(row.kj));
        factors.push_back(ReadDecimalNumber(row.kcal));
    }
    // The extremes, where the exact value has hundreds of digits (each with every writer below).
    const double extremes[] = {DBL_MAX, DBL_MIN, std::nextafter(DBL_MIN, 0), kDenormMin, 3 * kDenormMin,
                               1e21,    1e-20,   9007199254740994.0};
    std::mt19937_64 rng(13);
    int failures = 0;
    for (int i = 0; i < kExactCases + 4 * static_cast<int>(std::size(extremes)) && failures < 10; ++i) {
        const double value =
            i < kExactCases ? programValue(rng, factors, i % 5) : extremes[(i - kExactCases) / 4];
        // Each case one writer in turn: NumberToText, then the masks "0", "0.0", "0.00".
        const int decimals = i % 4 - 1;
        const char* const masks[] = {"0", "0.0", "0.00"};
        const std::string written =
            decimals < 0 ? NumberToText(value) : FormatWithMask(value, masks[decimals]);
        const std::string expected = expectedText(exactAtFifteenDigits(value), decimals);
        if (written != expected) { // no EXPECT per case: a million of them would be slow
            ++failures;
            ADD_FAILURE() << std::hexfloat << value << " with " << decimals << " decimals: written "
                          << written << ", exactly " << expected;
        }
    }
}

// Pasted texts can hold anything: the reading rules give a finite number or a conversion failure.
TEST(NumberRules, JunkTextsNeverBreakTheReaders)
{
    std::mt19937 rng(7);
    std::vector<std::string> texts = {std::string(1 << 20, '7'), "-0," + std::string(1 << 20, '3')};
    const std::string numberish = "0123456789,.- \t\n";
    for (int i = 0; i < 400; ++i) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, i < 20 ? 10000 : 40)(rng), '\0');
        for (char& c : text) {
            const unsigned byte = rng() & 0xFF;
            c = static_cast<char>(i % 2 == 0 || byte < 16 ? byte : numberish[byte % numberish.size()]);
        }
        texts.push_back(text);
    }
    std::string junk(1 << 20, '\0');
    for (char& c : junk) {
        c = static_cast<char>(rng());
    }
    texts.push_back(junk);
    for (const auto& text : texts) {
        EXPECT_TRUE(std::isfinite(ReadLeadingNumber(text)));
        try {
            EXPECT_TRUE(std::isfinite(ReadDecimalNumber(text)));
        } catch (const ConversionError&) {
        }
        EXPECT_NO_THROW(FormatWithMask(std::string_view(text), "0.0"));
    }
    EXPECT_EQ(ReadDecimalNumber(texts[0]), DBL_MAX);
    EXPECT_EQ(ReadLeadingNumber(texts[0]), DBL_MAX);
    EXPECT_EQ(ReadDecimalNumber(texts[1]), -1.0 / 3);
}

} // namespace
} // namespace movesta
