#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace coilwind {

// Reads the number a field's text starts with. Blanks (space, tab, line feed) are skipped wherever
// they stand; a text without digits reads 0. "&H" / "&O" introduce a hexadecimal / octal whole
// number. Returns nothing when the number lies beyond the range of a double; a value too small
// for a double reads 0. Runs in time linear in the length of the text.
std::optional<double> readLeadingNumber(std::string_view text);

// How much of a text the leading-number rule reads: the bytes up to the end of its number (blanks
// before and inside it included, some after it too), and whether it met a digit at all. What
// follows, blanks aside, is what the rule ignored: "4,7" reads "4" and ignores ",7".
struct LeadingNumberExtent {
    std::size_t length = 0;
    bool sawDigit = false;
};
LeadingNumberExtent leadingNumberExtent(std::string_view text);

// Reads a whole text that is one decimal number ("85", "-0.5", "1e3"; no blanks, no sign "+"),
// correctly rounded, the same on every standard library and in every locale. Returns nothing for
// any other text and for a number beyond the range of a double.
std::optional<double> readDecimalNumber(std::string_view text);

// Reads a setting typed as a plain decimal number ("25", "-40", "+0.3", "3e2"): blanks (space,
// tab) may stand around it, nothing else may follow it. Returns nothing for any other text and
// for a value that is not finite. "." is the decimal point whatever the locale.
std::optional<double> readPlainNumber(std::string_view text);

// The three ways a result is written: a fixed count of decimals after a ".".
enum class Pattern { OneDecimal = 1, ThreeDecimals = 3, FourDecimals = 4 };

constexpr int decimalsOf(Pattern pattern) {
    return static_cast<int>(pattern);
}

// A positive finite value correctly rounded to 15 significant digits, ties to even, as printf's
// "%.14e" gives it: the digits ("417000000000000") and the power of ten of the first (1).
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};
SignificantDigits fifteenSignificantDigits(double magnitude);

// Writes a finite value with the pattern's decimals: first correctly rounded to 15 significant
// digits, then that decimal rounded to the pattern, halves away from zero. No grouping, no
// exponent, "." whatever the locale; exact zero has no sign, a negative value rounding to zero
// keeps it ("-0.0"). Returns nothing for an infinity or a NaN.
std::optional<std::string> formatFixed(double value, Pattern pattern);

// Appends the shortest decimal text that reads back to the same double ("0.1", "1e+300"), "."
// whatever the locale: for figures handed on to other programs, where the fixed patterns would
// lose digits.
void appendShortest(std::string& text, double value);
std::string shortestText(double value);

} // namespace coilwind
