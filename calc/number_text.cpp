#include "number_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>
#include <iterator>
#include <limits>
#include <string>
#include <system_error>

namespace coilwind {
namespace {

// A double needs at most 767 significant decimal digits to be rounded correctly; digits beyond
// the kept ones only matter through whether any of them is non-zero (a "sticky" digit).
constexpr std::size_t kKeptDecimalDigits = 800;
// 16^256 = 2^1024 already exceeds the largest double, and so does 8^342.
constexpr std::size_t kMaxHexDigits = 256;
constexpr std::size_t kMaxOctalDigits = 342;
// Beyond these decimal magnitudes no digit string can come back into range.
constexpr std::int64_t kOverflowMagnitude = 309;
constexpr std::int64_t kUnderflowMagnitude = -400;
constexpr std::int64_t kExponentCap = 1'000'000'000;

constexpr int kEnd = -1;

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool isDigit(int c) {
    return c >= '0' && c <= '9';
}
constexpr bool isOctalDigit(int c) {
    return c >= '0' && c <= '7';
}
constexpr bool isHexDigit(int c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Walks the text, treating blanks as if they were not there.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    int peek() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : kEnd;
    }
    void advance() { ++pos_; }
    bool take(char wanted) {
        if (peek() != wanted) {
            return false;
        }
        advance();
        return true;
    }
    bool takeEither(char a, char b) { return take(a) || take(b); }
    std::size_t position() const { return pos_; }
    void markDigit() { sawDigit_ = true; }
    bool sawDigit() const { return sawDigit_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    bool sawDigit_ = false;
};

// Significant digits (no leading zeros) collected from the runs of digits of one number.
struct DigitRun {
    std::string digits;
    bool sawDigit = false;
    bool droppedNonZero = false;
    std::size_t significantCount = 0;
};

// How one run of digits was taken apart, so the caller can place the decimal point.
struct RunCounts {
    std::int64_t leadingZeros = 0;
    std::int64_t kept = 0;
    std::int64_t dropped = 0;
};

template <typename IsRunDigit>
RunCounts collectDigits(Cursor& cursor, DigitRun& run, std::size_t keep, IsRunDigit isRunDigit) {
    RunCounts counts;
    for (int c = cursor.peek(); isRunDigit(c); c = cursor.peek()) {
        cursor.advance();
        cursor.markDigit();
        run.sawDigit = true;
        if (run.significantCount == 0 && c == '0') {
            ++counts.leadingZeros;
            continue;
        }
        ++run.significantCount;
        if (run.digits.size() < keep) {
            run.digits.push_back(static_cast<char>(c));
            ++counts.kept;
        } else {
            run.droppedNonZero = run.droppedNonZero || c != '0';
            ++counts.dropped;
        }
    }
    return counts;
}

constexpr int digitValue(int c) {
    return isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
}

// A whole number whose digits each carry bitsPerDigit bits (hexadecimal 4, octal 3), rounded to
// the nearest double from its leading 53 bits, the bit after them and whether any later bit is
// set; halves go to the even neighbour. Nothing when it rounds beyond the largest double.
std::optional<double> convertBinaryDigits(const std::string& digits, int bitsPerDigit) {
    constexpr int kMantissaBits = std::numeric_limits<double>::digits;
    std::uint64_t mantissa = 0;
    int keptBits = 0;
    int droppedBits = 0;
    bool halfBit = false;
    bool stickyBit = false;
    for (const char digit : digits) {
        const int value = digitValue(digit);
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit) {
            const bool set = ((value >> bit) & 1) != 0;
            if (keptBits == 0 && !set) {
                continue;
            }
            if (keptBits < kMantissaBits) {
                mantissa = (mantissa << 1) | static_cast<std::uint64_t>(set);
                ++keptBits;
            } else if (droppedBits++ == 0) {
                halfBit = set;
            } else {
                stickyBit = stickyBit || set;
            }
        }
    }
    if (halfBit && (stickyBit || (mantissa & 1) != 0)) {
        ++mantissa; // 2^53 at most, still exact
    }
    const double value = std::ldexp(static_cast<double>(mantissa), droppedBits);
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

enum class Radix { Hexadecimal, Octal };

// The whole number after "&H" or "&O": the plain value its digits spell, no wrap-around.
std::optional<double> readWholeNumber(Cursor& cursor, Radix radix) {
    const bool hex = radix == Radix::Hexadecimal;
    const std::size_t maxDigits = hex ? kMaxHexDigits : kMaxOctalDigits;
    DigitRun run;
    if (hex) {
        collectDigits(cursor, run, maxDigits, isHexDigit);
    } else {
        collectDigits(cursor, run, maxDigits, isOctalDigit);
    }
    if (run.significantCount > maxDigits) {
        return std::nullopt;
    }
    if (run.digits.empty()) {
        return 0.0;
    }
    return convertBinaryDigits(run.digits, hex ? 4 : 3);
}

std::int64_t readExponent(Cursor& cursor) {
    const int marker = cursor.peek();
    if (marker != 'e' && marker != 'E' && marker != 'd' && marker != 'D') {
        return 0;
    }
    cursor.advance();
    bool negative = false;
    if (cursor.take('-')) {
        negative = true;
    } else {
        cursor.take('+');
    }
    std::int64_t exponent = 0;
    for (int c = cursor.peek(); isDigit(c); c = cursor.peek()) {
        cursor.advance();
        exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), kExponentCap);
    }
    return negative ? -exponent : exponent;
}

std::optional<double> readDecimal(Cursor& cursor) {
    bool negative = false;
    if (cursor.take('-')) {
        negative = true;
    } else {
        cursor.take('+');
    }

    // value = digits × 10^scale
    DigitRun run;
    // Whole part: a digit dropped past the kept ones still multiplies by ten.
    std::int64_t scale = collectDigits(cursor, run, kKeptDecimalDigits, isDigit).dropped;
    if (cursor.take('.')) {
        // Fraction: every digit before the first dropped one divides by ten.
        const RunCounts fraction = collectDigits(cursor, run, kKeptDecimalDigits, isDigit);
        scale -= fraction.leadingZeros + fraction.kept;
    }
    if (!run.sawDigit) {
        return 0.0;
    }
    const std::int64_t exponent = readExponent(cursor);
    const double zero = negative ? -0.0 : 0.0;
    if (run.digits.empty()) {
        return zero; // all zeros: "0e400" is still 0
    }
    std::string canonical = negative ? "-" : "";
    canonical += run.digits;
    if (run.droppedNonZero) {
        canonical.push_back('1');
        --scale;
    }
    scale += exponent;
    const auto significant = static_cast<std::int64_t>(canonical.size() - (negative ? 1 : 0));
    const std::int64_t magnitude = significant - 1 + scale;
    if (magnitude > kOverflowMagnitude) {
        return std::nullopt;
    }
    if (magnitude < kUnderflowMagnitude) {
        return zero;
    }
    canonical += 'e';
    canonical += std::to_string(scale);
    const auto value = readDecimalNumber(canonical);
    if (value && *value == 0.0) {
        return zero;
    }
    return value;
}

// Most field texts are a short plain number ("41.7", "-3.5", "500"). Such a text converts
// directly, to the same correctly rounded double as the general path, at a fraction of its cost;
// at 32 characters it can neither overflow nor underflow.
bool isShortPlainDecimal(std::string_view text) {
    constexpr std::size_t kShortLength = 32;
    if (text.empty() || text.size() > kShortLength) {
        return false;
    }
    std::size_t i = text.front() == '-' ? 1 : 0;
    const auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
        return i > start;
    };
    if (!skipDigits()) {
        return false;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!skipDigits()) {
            return false;
        }
    }
    return i == text.size();
}

// Adds one unit in the last place of a string of decimal digits; returns whether it grew a digit
// ("999" -> "1000").
bool incrementDigits(std::string& digits) {
    auto it = digits.rbegin();
    for (; it != digits.rend() && *it == '9'; ++it) {
        *it = '0';
    }
    if (it == digits.rend()) {
        digits.insert(digits.begin(), '1');
        return true;
    }
    ++*it;
    return false;
}

// The shortest digits that read back to a positive finite value, and the power of ten of the
// last: value = digits x 10^scale (Dragonbox, from {fmt}).
struct ShortestDigits {
    std::array<char, 24> buffer{};
    std::size_t length = 0;
    int scale = 0;

    std::string_view digits() const { return {buffer.data(), length}; }
};

ShortestDigits shortestDigits(double magnitude) {
    ShortestDigits shortest;
    const auto decimal = fmt::detail::dragonbox::to_decimal(magnitude);
    const char* end =
        std::to_chars(shortest.buffer.data(), shortest.buffer.data() + shortest.buffer.size(),
                      decimal.significand)
            .ptr;
    shortest.length = static_cast<std::size_t>(end - shortest.buffer.data());
    shortest.scale = decimal.exponent;
    return shortest;
}

} // namespace

// fast_float rather than std::from_chars: libc++ has no from_chars for double, and a fallback on
// strtod would follow the process locale's decimal point. Beyond the range of a double it gives an
// infinity, below the least subnormal zero.
std::optional<double> readDecimalNumber(std::string_view text) {
    double value = 0.0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = fast_float::from_chars(text.data(), last, value);
    if (ec != std::errc{} || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> readPlainNumber(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1); // a plus sign, as people type it
    }
    return readDecimalNumber(text);
}

namespace {

// The leading-number rule on a cursor at the text's start; the cursor ends behind the number.
std::optional<double> readLeadingNumberAt(Cursor& cursor) {
    if (cursor.take('&')) {
        if (cursor.takeEither('H', 'h')) {
            return readWholeNumber(cursor, Radix::Hexadecimal);
        }
        if (cursor.takeEither('O', 'o')) {
            return readWholeNumber(cursor, Radix::Octal);
        }
        return 0.0; // "&" followed by anything else starts no number
    }
    return readDecimal(cursor);
}

} // namespace

std::optional<double> readLeadingNumber(std::string_view text) {
    if (isShortPlainDecimal(text)) {
        return readDecimalNumber(text);
    }
    Cursor cursor(text);
    return readLeadingNumberAt(cursor);
}

LeadingNumberExtent leadingNumberExtent(std::string_view text) {
    if (isShortPlainDecimal(text)) {
        return {text.size(), true};
    }
    Cursor cursor(text);
    readLeadingNumberAt(cursor);
    return {cursor.position(), cursor.sawDigit()};
}

namespace {

constexpr int kSignificant = 15;

constexpr std::array<std::uint64_t, 18> kPowersOfTen = [] {
    std::array<std::uint64_t, 18> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// The fifteen significant digits as one number, 10^14 <= digits < 10^15, and the power of ten of
// the first: the shortest digits padded or rounded, as fifteenSignificantDigits explains. None
// where the exact value must decide (a subnormal value, or shortest digits ending in a midpoint).
struct FifteenDigits {
    std::uint64_t digits = 0;
    int exponent = 0;
};

std::optional<FifteenDigits> fifteenFromShortest(double magnitude) {
    if (magnitude < std::numeric_limits<double>::min()) {
        return std::nullopt;
    }
    const auto decimal = fmt::detail::dragonbox::to_decimal(magnitude);
    int count = 1;
    while (count < static_cast<int>(kPowersOfTen.size()) &&
           decimal.significand >= kPowersOfTen[static_cast<std::size_t>(count)]) {
        ++count;
    }
    FifteenDigits fifteen{decimal.significand, decimal.exponent + count - 1};
    if (count <= kSignificant) {
        fifteen.digits *= kPowersOfTen[static_cast<std::size_t>(kSignificant - count)];
        return fifteen;
    }
    const auto dropped = static_cast<std::size_t>(count - kSignificant); // one or two digits
    const std::uint64_t rest = decimal.significand % kPowersOfTen[dropped];
    const std::uint64_t half = 5 * kPowersOfTen[dropped - 1];
    if (rest == half) {
        return std::nullopt;
    }
    fifteen.digits = decimal.significand / kPowersOfTen[dropped];
    if (rest > half && ++fifteen.digits == kPowersOfTen[kSignificant]) {
        fifteen.digits = kPowersOfTen[kSignificant - 1];
        ++fifteen.exponent;
    }
    return fifteen;
}

// The rounded value times 10^decimals, as decimal digits, written with the point.
std::string fixedText(bool negative, std::string_view kept, int decimals) {
    const auto places = static_cast<std::size_t>(decimals);
    std::string text = negative ? "-" : "";
    if (kept.size() <= places) {
        text += "0.";
        text.append(places - kept.size(), '0');
        text.append(kept);
        return text;
    }
    text.append(kept.substr(0, kept.size() - places));
    text += '.';
    text.append(kept.substr(kept.size() - places));
    return text;
}

} // namespace

// The shortest digits, padded or rounded to fifteen: exact wherever no midpoint between two
// fifteen-digit numbers lies between the shortest digits and the value itself. For a normal
// double the two lie within half a unit in the last place (at most 2^-53 of the value), closer
// than half a fifteen-digit step (at least 5e-16 of it). A midpoint between them would read back
// to the value too and have at most 16 digits, so the shortest digits would be that midpoint
// (Dragonbox takes, of the shortest, the one nearest the value): then, and for a subnormal value
// (fewer bits, wider units), the exact value decides through {fmt}'s correctly rounded "{:.14e}".
SignificantDigits fifteenSignificantDigits(double magnitude) {
    if (const std::optional<FifteenDigits> fifteen = fifteenFromShortest(magnitude)) {
        std::array<char, kSignificant> buffer{};
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), fifteen->digits);
        return {std::string(buffer.data(), buffer.size()), fifteen->exponent};
    }
    char buffer[32];
    const auto written =
        fmt::format_to_n(buffer, sizeof buffer, FMT_COMPILE("{:.14e}"), magnitude);
    // "d.dddddddddddddde±x…": 15 digits, then the decimal exponent.
    SignificantDigits result;
    result.digits.assign(1, buffer[0]);
    result.digits.append(buffer + 2, kSignificant - 1);
    const char* exponentSign = buffer + kSignificant + 2;
    std::from_chars(exponentSign + 1, written.out, result.exponent);
    if (*exponentSign == '-') {
        result.exponent = -result.exponent;
    }
    return result;
}

std::optional<std::string> formatFixed(double value, Pattern pattern) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const int decimals = decimalsOf(pattern);
    const bool negative = value < 0.0;
    // The common case in integers: fewer than fifteen digits survive the pattern's rounding.
    if (value != 0.0) {
        if (const std::optional<FifteenDigits> fifteen = fifteenFromShortest(std::fabs(value))) {
            const int keep = fifteen->exponent + 1 + decimals;
            if (keep < kSignificant) {
                std::uint64_t kept = 0;
                if (keep >= 0) {
                    const auto cut = static_cast<std::size_t>(kSignificant - keep);
                    kept = fifteen->digits / kPowersOfTen[cut];
                    if (fifteen->digits / kPowersOfTen[cut - 1] % 10 >= 5) {
                        ++kept;
                    }
                }
                std::array<char, 24> buffer{};
                const char* end =
                    kept == 0 ? buffer.data()
                              : std::to_chars(buffer.data(), buffer.data() + buffer.size(), kept)
                                    .ptr;
                // (pointer, length): libc++ before 16 lacks string_view's iterator-pair form.
                return fixedText(negative,
                                 std::string_view(buffer.data(),
                                                  static_cast<std::size_t>(end - buffer.data())),
                                 decimals);
            }
        }
    }
    std::string kept; // the rounded value times 10^decimals, as decimal digits
    if (value != 0.0) {
        auto [digits, exponent] = fifteenSignificantDigits(std::fabs(value));
        // Leading digits that survive rounding to the pattern.
        const int keep = exponent + 1 + decimals;
        if (keep >= kSignificant) {
            kept = digits + std::string(static_cast<std::size_t>(keep - kSignificant), '0');
        } else if (keep >= 0) {
            kept = digits.substr(0, static_cast<std::size_t>(keep));
            if (digits[static_cast<std::size_t>(keep)] >= '5') {
                incrementDigits(kept);
            }
        }
    }
    return fixedText(negative, kept, decimals);
}

// The form of std::to_chars(value) with no format: the shortest digits that read back to the
// value (Dragonbox, from {fmt}: libc++ before 14 has no to_chars for double, and {fmt} gives the
// same digits everywhere), written fixed or in exponent form, whichever is shorter, fixed on a
// tie. A fixed integer of 2^53 and beyond is written exactly, as to_chars does, not as its
// shortest digits followed by zeros. bench/number_text_identity compares the two.
void appendShortest(std::string& text, double value) {
    if (std::signbit(value)) {
        text += '-';
    }
    if (std::isnan(value)) {
        text += "nan";
        return;
    }
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) {
        text += "inf";
        return;
    }
    if (magnitude == 0.0) {
        text += '0';
        return;
    }
    const ShortestDigits shortest = shortestDigits(magnitude);
    const std::string_view digits = shortest.digits();
    const auto count = static_cast<int>(digits.size());
    const int scale = shortest.scale;       // value = digits × 10^scale
    const int exponent = scale + count - 1; // value = d.ddd × 10^exponent
    const int exponentDigits = std::abs(exponent) >= 100 ? 3 : 2;
    const int exponentLength = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
    const int fixedLength = scale >= 0      ? count + scale
                            : exponent >= 0 ? count + 1
                                            : count + 1 - exponent;
    if (fixedLength > exponentLength) {
        text += digits.front();
        if (count > 1) {
            text += '.';
            text.append(digits.substr(1));
        }
        text += exponent < 0 ? "e-" : "e+";
        const int absolute = std::abs(exponent);
        if (absolute < 10) {
            text += '0';
        }
        text += std::to_string(absolute);
    } else if (scale >= 0) {
        constexpr double kExactIntegers = 9007199254740992.0; // 2^53
        if (magnitude < kExactIntegers) {
            text.append(digits);
            text.append(static_cast<std::size_t>(scale), '0');
        } else {
            fmt::format_to(std::back_inserter(text), FMT_COMPILE("{:.0f}"), magnitude);
        }
    } else if (exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        text.append(digits.substr(0, whole));
        text += '.';
        text.append(digits.substr(whole));
    } else {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits);
    }
}

std::string shortestText(double value) {
    std::string text;
    appendShortest(text, value);
    return text;
}

} // namespace coilwind
