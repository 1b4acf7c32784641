// Any double (every bit pattern) written with each pattern. formatFixed refuses exactly the
// infinities and NaNs; otherwise it writes the value's 15-significant-digit form (printf's
// correctly rounded %.14e here) rounded to n decimals, halves away from zero, as
// -?[0-9]+\.[0-9]{n}; that text reads back as its nearest double (strtod), or as beyond range.
//
// Input: 8 bytes of the double (host order), 1 byte choosing the pattern; shorter inputs are
// padded with zero bytes.

#include "calc/number_text.hpp"
#include "fuzz/check.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

using coilwind::Pattern;
using coilwind::fuzz::fail;
using coilwind::fuzz::require;

constexpr std::array<Pattern, 3> kPatterns{Pattern::OneDecimal, Pattern::ThreeDecimals,
                                           Pattern::FourDecimals};

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The text formatFixed should write for a finite value, worked out separately.
std::string referenceText(double value, int decimals) {
    const auto n = static_cast<std::size_t>(decimals);
    if (value == 0.0) {
        return "0." + std::string(n, '0');
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    // buffer: d.dddddddddddddde±xx
    const char* e = std::strchr(buffer, 'e');
    require(e != nullptr && e - buffer == 16, "reference: unexpected %.14e output");
    std::string digits(1, buffer[0]);
    digits.append(buffer + 2, 14);
    const long exponent = std::strtol(e + 1, nullptr, 10);

    // value = 0.<digits> × 10^(exponent + 1): split at the decimal point.
    const long wholeCount = exponent + 1;
    std::string whole;
    std::string fraction;
    if (wholeCount <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-wholeCount), '0') + digits;
    } else if (wholeCount >= 15) {
        whole = digits + std::string(static_cast<std::size_t>(wholeCount - 15), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(wholeCount));
        fraction = digits.substr(static_cast<std::size_t>(wholeCount));
    }
    if (fraction.size() < n + 1) {
        fraction.resize(n + 1, '0');
    }
    // Halves away from zero: the first dropped digit alone decides.
    std::string kept = whole + fraction.substr(0, n);
    if (fraction[n] >= '5') {
        incrementDigits(kept);
    }
    std::string wholeText = kept.substr(0, kept.size() - n);
    const std::size_t firstNonZero = wholeText.find_first_not_of('0');
    wholeText = firstNonZero == std::string::npos ? "0" : wholeText.substr(firstNonZero);
    return (value < 0.0 ? "-" : "") + wholeText + "." + kept.substr(kept.size() - n);
}

bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

[[noreturn]] void failFor(double value, int decimals, const std::string& text, const char* what) {
    std::fprintf(stderr, "value %a (%.17g), %d decimals, written \"%.80s\"%s\n", value, value,
                 decimals, text.c_str(), text.size() > 80 ? "..." : "");
    fail(what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t bytes[9] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    double value = 0.0;
    std::memcpy(&value, bytes, sizeof value);
    const Pattern pattern = kPatterns[bytes[8] % kPatterns.size()];
    const int decimals = coilwind::decimalsOf(pattern);

    const std::optional<std::string> written = coilwind::formatFixed(value, pattern);
    if (written.has_value() != std::isfinite(value)) {
        failFor(value, decimals, written.value_or("<refused>"),
                "formatFixed refuses a finite value or writes a non-finite one");
    }
    if (!written) {
        return 0;
    }
    const std::string& text = *written;
    if (!coilwind::fuzz::isFixedText(text, decimals)) {
        failFor(value, decimals, text, "written text does not have the pattern's shape");
    }
    const std::string expected = referenceText(value, decimals);
    if (text != expected) {
        std::fprintf(stderr, "expected \"%.80s\"\n", expected.c_str());
        failFor(value, decimals, text, "written text differs from the reference rounding");
    }

    // Read back: the double nearest to the written decimal, or beyond range.
    const std::optional<double> back = coilwind::readLeadingNumber(text);
    const double nearest = std::strtod(text.c_str(), nullptr);
    if (std::isinf(nearest)) {
        if (back) {
            failFor(value, decimals, text, "a text beyond the double range read back as a number");
        }
        return 0;
    }
    if (!back || !sameDouble(*back, nearest)) {
        failFor(value, decimals, text, "written text does not read back as its nearest double");
    }
    return 0;
}
