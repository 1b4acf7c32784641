#include "calc/number_text.hpp"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <optional>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace std::string_literals;

namespace coilwind {
namespace {

// clang-format off
TEST(ReadLeadingNumber, ReadsTheNumberTheTextStartsWith) {
    for (const auto& [text, expected] : std::vector<std::pair<std::string, double>>{
             // blanks anywhere, sign, point, exponent letters
             {"  4.7  ", 4.7}, {"4 .7", 4.7}, {"1 000", 1000}, {"\t\n8", 8}, {"- 3.5", -3.5},
             {"-3.5", -3.5}, {"+8", 8}, {"2.5e1", 25}, {"1E3", 1000}, {"1d3", 1000},
             {"1D-3", 0.001}, {"1e+2", 100}, {".5", 0.5}, {"5.", 5},
             // where the number stops
             {"4,7", 4}, {"1.2.3", 1.2}, {"500uH", 500}, {"8mm", 8}, {"4.7\r", 4.7}, {"4\r7", 4},
             {"0.779\n\r", 0.779}, {"1e", 1}, {"1e+", 1}, {"1e5.5", 1e5}, {"+-5", 0}, {"--5", 0},
             // no digits at all
             {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"KQ8*10", 0}, {"A8", 0}, {"x1", 0},
             {"e5", 0}, {"\\", 0}, {"\r5", 0}, {"\0"s + "5", 0},
             // hexadecimal and octal whole numbers, no 16-bit wrap-around
             {"&H10", 16}, {"&H1A", 26}, {"&h1a", 26}, {"&O10", 8}, {"&o17", 15},
             {"&HFFFF", 65535}, {"&HFFFFFFFF", 4294967295.0}, {"&H", 0}, {"&O8", 0}, {"&X1", 0},
             {"& H 1 0", 16}, {"&H1.5", 1}, {"-&H10", 0},
             {"&O" + std::string(341, '7'), std::ldexp(1.0, 1023)},
             // past 53 bits: halves to the even neighbour, a set bit far behind breaks the tie
             {"&H20000000000001", 0x1p53}, {"&H20000000000003", 0x1.0000000000002p53},
             {"&H2000000000000100000001", std::ldexp(0x1.0000000000001p53, 32)},
             // tiny and huge but in range; underflow reads 0
             {"1e-400", 0}, {"0e400", 0}, {"0.0000e99999", 0}, {"1e-320", 1e-320},
             {"1.7976931348623157e308", DBL_MAX}}) {
        EXPECT_EQ(readLeadingNumber(text).value_or(-1234.5), expected) << '"' << text << '"';
    }
}
// clang-format on

TEST(ReadLeadingNumber, RefusesNumbersBeyondADouble) {
    for (const std::string& text : std::vector<std::string>{
             "1e400", "-1e400", "1.8e308", "&H" + std::string(400, 'F'),
             "&H1" + std::string(256, '0'), "&O" + std::string(400, '7'), std::string(400, '9'),
             "1e99999999999999999999", "0." + std::string(10, '0') + "1e320"}) {
        EXPECT_FALSE(readLeadingNumber(text).has_value()) << text.substr(0, 40);
    }
}

TEST(ReadLeadingNumber, LongTextsReadWithoutLosingTheScale) {
    const std::string million(1'000'000, '1');
    EXPECT_FALSE(readLeadingNumber(million).has_value());
    EXPECT_EQ(*readLeadingNumber("0." + million), 0.11111111111111111);
    EXPECT_EQ(*readLeadingNumber(std::string(1'000'000, ' ') + "7"), 7);
}

// Settings are whole plain numbers: no leading-number leniency, no hexadecimal, no infinity.
TEST(ReadPlainNumber, TakesOnlyAWholePlainNumber) {
    for (const auto& [text, expected] : std::vector<std::pair<std::string, std::optional<double>>>{
             {"25", 25}, {" -40\t", -40}, {"+0.3", 0.3}, {"3e2", 300}, {".5", 0.5},
             {"", std::nullopt}, {"  ", std::nullopt}, {"25x", std::nullopt}, {"4,7", std::nullopt},
             {"+-3", std::nullopt}, {"&H10", std::nullopt}, {"inf", std::nullopt},
             {"nan", std::nullopt}, {"1e400", std::nullopt}}) {
        EXPECT_EQ(readPlainNumber(text), expected) << '"' << text << '"';
    }
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

// Rounded to 15 significant digits first, then to the pattern with halves away from zero.
TEST(FormatFixed, WritesThePatternsDecimals) {
    constexpr Pattern k1 = Pattern::OneDecimal;
    constexpr Pattern k3 = Pattern::ThreeDecimals;
    constexpr Pattern k4 = Pattern::FourDecimals;
    // clang-format off
    for (const auto& [value, pattern, expected] :
         std::vector<std::tuple<double, Pattern, std::string>>{
             {41.68, k1, "41.7"}, {0.15, k1, "0.2"}, {0.04, k1, "0.0"}, {0.05, k1, "0.1"},
             {0.7609, k3, "0.761"}, {0.00749, k4, "0.0075"}, {12345.67, k1, "12345.7"},
             {-2.25, k1, "-2.3"}, {2.675, k3, "2.675"}, {1.0005, k3, "1.001"} /* 1.000499.. */,
             {9.99995, k4, "10.0000"}, {99.95, k1, "100.0"}, {0.5, k1, "0.5"}, {0.0, k1, "0.0"},
             {-0.0, k3, "0.000"}, {-0.04, k1, "-0.0"}, {1e-300, k4, "0.0000"},
             {0.00005, k4, "0.0001"}, {7, k4, "7.0000"},
             {123456789012345678.0, k1, "123456789012346000.0"},
             {1e20, k3, "100000000000000000000.000"}}) {
        EXPECT_EQ(formatFixed(value, pattern).value_or("<refused>"), expected) << value;
    }
    // clang-format on
}

} // namespace
} // namespace coilwind
