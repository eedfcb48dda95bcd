#include "core/number_rules.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

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
        {kDenormMin, "0," + std::string(323, '0') + "5"}, // shortest digits: 5e-324
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
