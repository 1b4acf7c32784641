#include "calc/number_text.hpp"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace coilwind {
namespace {

struct ReadCase {
    std::string text;
    double expected;
    friend void PrintTo(const ReadCase& c, std::ostream* os) {
        *os << '"' << c.text.substr(0, 40) << '"';
    }
};

class ReadLeadingNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLeadingNumber, ReadsTheNumberTheTextStartsWith) {
    const auto& [text, expected] = GetParam();
    const auto value = readLeadingNumber(text);
    ASSERT_TRUE(value.has_value()) << '"' << text << '"';
    EXPECT_EQ(*value, expected) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLeadingNumber,
    testing::Values(
        // blanks anywhere, sign, point, exponent letters
        ReadCase{"  4.7  ", 4.7}, ReadCase{"4 .7", 4.7}, ReadCase{"1 000", 1000},
        ReadCase{"\t\n8", 8}, ReadCase{"- 3.5", -3.5}, ReadCase{"-3.5", -3.5}, ReadCase{"+8", 8},
        ReadCase{"2.5e1", 25}, ReadCase{"1E3", 1000}, ReadCase{"1d3", 1000},
        ReadCase{"1D-3", 0.001}, ReadCase{"1e+2", 100}, ReadCase{".5", 0.5}, ReadCase{"5.", 5},
        // where the number stops
        ReadCase{"4,7", 4}, ReadCase{"1.2.3", 1.2}, ReadCase{"500uH", 500}, ReadCase{"8mm", 8},
        ReadCase{"4.7\r", 4.7}, ReadCase{"4\r7", 4}, ReadCase{"0.779\n\r", 0.779},
        ReadCase{"1e", 1}, ReadCase{"1e+", 1}, ReadCase{"1e5.5", 1e5}, ReadCase{"+-5", 0},
        ReadCase{"--5", 0},
        // no digits at all
        ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"-", 0}, ReadCase{".", 0},
        ReadCase{"KQ8*10", 0}, ReadCase{"A8", 0}, ReadCase{"x1", 0}, ReadCase{"e5", 0},
        ReadCase{"\\", 0}, ReadCase{"\r5", 0},
        ReadCase{std::string("\0"
                             "5",
                             2),
                 0},
        // hexadecimal and octal whole numbers, no 16-bit wrap-around
        ReadCase{"&H10", 16}, ReadCase{"&H1A", 26}, ReadCase{"&h1a", 26}, ReadCase{"&O10", 8},
        ReadCase{"&o17", 15}, ReadCase{"&HFFFF", 65535}, ReadCase{"&HFFFFFFFF", 4294967295.0},
        ReadCase{"&H", 0}, ReadCase{"&O8", 0}, ReadCase{"&X1", 0}, ReadCase{"& H 1 0", 16},
        ReadCase{"&H1.5", 1}, ReadCase{"-&H10", 0},
        ReadCase{"&O" + std::string(341, '7'), std::ldexp(1.0, 1023)},
        // past 53 bits: halves to the even neighbour, a set bit far behind breaks the tie
        ReadCase{"&H20000000000001", 0x1p53}, ReadCase{"&H20000000000003", 0x1.0000000000002p53},
        ReadCase{"&H2000000000000100000001", std::ldexp(0x1.0000000000001p53, 32)},
        // tiny and huge but in range; underflow reads 0
        ReadCase{"1e-400", 0}, ReadCase{"0e400", 0}, ReadCase{"0.0000e99999", 0},
        ReadCase{"1e-320", 1e-320}, ReadCase{"1.7976931348623157e308", DBL_MAX},
        ReadCase{"4.9406564584124654e-324", 4.9406564584124654e-324}));

TEST(ReadLeadingNumberRounding, ConvertsDigitsCorrectlyRounded) {
    // Accumulating digits in a double gets these wrong in the last place.
    EXPECT_EQ(*readLeadingNumber("0.1"), 0.1);
    EXPECT_EQ(*readLeadingNumber("123456789012345678901234567890"),
              123456789012345678901234567890.0);
    EXPECT_EQ(*readLeadingNumber("2.2250738585072011e-308"), 2.2250738585072011e-308);
    // Halfway between 1 and the next double, pushed up by a digit far past the kept ones.
    const std::string justAboveHalf =
        "1.00000000000000011102230246251565404236316680908203125" + std::string(2000, '0') + "1";
    EXPECT_EQ(*readLeadingNumber(justAboveHalf), std::nextafter(1.0, 2.0));
    const std::string exactlyHalf =
        "1.00000000000000011102230246251565404236316680908203125" + std::string(2000, '0');
    EXPECT_EQ(*readLeadingNumber(exactlyHalf), 1.0);
    // Many leading zeros before the point and after it.
    EXPECT_EQ(*readLeadingNumber(std::string(5000, '0') + "4.7"), 4.7);
    EXPECT_EQ(*readLeadingNumber("0." + std::string(300, '0') + "1e301"), 1.0);
}

TEST(ReadLeadingNumberRange, BeyondADoubleIsRefused) {
    for (const std::string& text : std::vector<std::string>{
             "1e400", "-1e400", "1.8e308", "&H" + std::string(400, 'F'),
             "&H1" + std::string(256, '0'), "&O" + std::string(400, '7'), std::string(400, '9'),
             "1e99999999999999999999", "0." + std::string(10, '0') + "1e320"}) {
        EXPECT_FALSE(readLeadingNumber(text).has_value()) << text.substr(0, 40);
    }
}

TEST(ReadLeadingNumberRange, LongTextsReadWithoutLosingTheScale) {
    const std::string million(1'000'000, '1');
    EXPECT_FALSE(readLeadingNumber(million).has_value());
    EXPECT_EQ(*readLeadingNumber("0." + million), 0.11111111111111111);
    EXPECT_EQ(*readLeadingNumber(std::string(1'000'000, ' ') + "7"), 7);
}

TEST(ReadDecimalNumber, TakesAWholeTextThatIsOneNumberOnly) {
    EXPECT_EQ(readDecimalNumber("85.5"), 85.5);
    EXPECT_EQ(readDecimalNumber("-273.15"), -273.15);
    EXPECT_EQ(readDecimalNumber("1e3"), 1000.0);
    EXPECT_EQ(readDecimalNumber("2.2250738585072011e-308"), 2.2250738585072011e-308);
    for (const std::string_view text :
         {"", " 1", "1 ", "+1", "1,5", "1x", "inf", "nan", "1e400", "&H10", "0x10"}) {
        EXPECT_FALSE(readDecimalNumber(text).has_value()) << '"' << text << '"';
    }
}

// A C locale with a decimal comma (Windows has one on every system) must not change how numbers
// are read or written: strtod and printf would follow it.
TEST(NumberTextLocale, DecimalPointStaysAPointInAnyCLocale) {
    struct RestoreLocale {
        std::string saved = std::setlocale(LC_ALL, nullptr);
        ~RestoreLocale() { std::setlocale(LC_ALL, saved.c_str()); }
    } restore;
    bool commaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "German_Germany.1252"}) {
        if (std::setlocale(LC_ALL, name) != nullptr && *std::localeconv()->decimal_point == ',') {
            commaLocale = true;
            break;
        }
    }
    if (!commaLocale) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(readLeadingNumber("2.5 mm"), 2.5);
    EXPECT_EQ(readDecimalNumber("2.5"), 2.5);
    EXPECT_EQ(formatFixed(2.5, Pattern::ThreeDecimals), "2.500");
}

struct WriteCase {
    double value;
    Pattern pattern;
    std::string expected;
    friend void PrintTo(const WriteCase& c, std::ostream* os) {
        *os << c.value << " with " << decimalsOf(c.pattern) << " decimals";
    }
};

class FormatFixed : public testing::TestWithParam<WriteCase> {};

TEST_P(FormatFixed, WritesThePatternsDecimals) {
    const auto& [value, pattern, expected] = GetParam();
    EXPECT_EQ(formatFixed(value, pattern).value_or("<refused>"), expected) << value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixed,
    testing::Values(
        WriteCase{41.68, Pattern::OneDecimal, "41.7"}, WriteCase{0.15, Pattern::OneDecimal, "0.2"},
        WriteCase{0.04, Pattern::OneDecimal, "0.0"}, WriteCase{0.05, Pattern::OneDecimal, "0.1"},
        WriteCase{0.7609, Pattern::ThreeDecimals, "0.761"},
        WriteCase{0.00749, Pattern::FourDecimals, "0.0075"},
        WriteCase{12345.67, Pattern::OneDecimal, "12345.7"},
        WriteCase{-2.25, Pattern::OneDecimal, "-2.3"},
        WriteCase{2.675, Pattern::ThreeDecimals, "2.675"},
        WriteCase{1.0005, Pattern::ThreeDecimals, "1.001"}, // 1.000499999... as a double
        WriteCase{9.99995, Pattern::FourDecimals, "10.0000"},
        WriteCase{99.95, Pattern::OneDecimal, "100.0"}, WriteCase{0.5, Pattern::OneDecimal, "0.5"},
        WriteCase{0.0, Pattern::OneDecimal, "0.0"},
        WriteCase{-0.0, Pattern::ThreeDecimals, "0.000"},
        WriteCase{-0.04, Pattern::OneDecimal, "-0.0"},
        WriteCase{1e-300, Pattern::FourDecimals, "0.0000"},
        WriteCase{0.00005, Pattern::FourDecimals, "0.0001"},
        WriteCase{4.9e-324, Pattern::OneDecimal, "0.0"},
        WriteCase{7, Pattern::FourDecimals, "7.0000"},
        WriteCase{123456789012345678.0, Pattern::OneDecimal, "123456789012346000.0"},
        WriteCase{1e20, Pattern::ThreeDecimals, "100000000000000000000.000"},
        WriteCase{INFINITY, Pattern::OneDecimal, "<refused>"},
        WriteCase{-INFINITY, Pattern::OneDecimal, "<refused>"},
        WriteCase{NAN, Pattern::OneDecimal, "<refused>"}));

TEST(FormatFixedLimits, LargestDoubleIsWrittenInFullWithoutExponent) {
    const std::string text = *formatFixed(DBL_MAX, Pattern::OneDecimal);
    EXPECT_EQ(text.size(), 309u + 2u);
    EXPECT_EQ(text.substr(0, 15), "179769313486232");
    EXPECT_EQ(text.find_first_not_of("0123456789."), std::string::npos);
}

} // namespace
} // namespace coilwind
