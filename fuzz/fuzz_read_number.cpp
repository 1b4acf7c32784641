// Any bytes, of any length, read as the number a field's text starts with: never a crash or a
// sanitizer report, never an infinity or a NaN, and the same value as an independent reading
// that leaves the digits to the C library's correctly rounded strtod.
//
// COILWIND_FUZZ_TIMING=<count> skips the independent reading and reads each input <count> times
// instead, so that running the target on chosen files times readLeadingNumber alone (libFuzzer
// prints "Executed <file> in <ms> ms"); tools/fuzz.sh uses it to compare 4 KiB and 1 MiB texts.

#include "calc/number_text.hpp"
#include "fuzz/check.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using coilwind::fuzz::fail;
using coilwind::fuzz::require;

// 0: fuzzing, compare with the reference reading; otherwise how often to read each input.
long gTimingRepeats = 0;

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}
bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

// A reading: the value, or nothing for a number beyond the range of a double.
using Reading = std::optional<double>;

// strtod on a complete number; an infinity means beyond the range of a double.
Reading libraryReading(const std::string& number) {
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    require(end == number.c_str() + number.size(), "reference: strtod stopped early");
    return std::isinf(value) ? Reading() : value;
}

std::string stripLeadingZeros(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

Reading hexReading(const std::string& digits) {
    const std::string significant = stripLeadingZeros(digits);
    if (significant.size() > 260) { // at least 16^259
        return {};
    }
    return significant.empty() ? 0.0 : libraryReading("0x" + significant);
}

// Octal through a multi-word integer and its hexadecimal spelling.
Reading octalReading(const std::string& digits) {
    const std::string significant = stripLeadingZeros(digits);
    if (significant.size() > 350) { // at least 8^349
        return {};
    }
    std::vector<std::uint32_t> words; // least significant first
    for (const char digit : significant) {
        std::uint64_t carry = static_cast<std::uint64_t>(digit - '0');
        for (std::uint32_t& word : words) {
            const std::uint64_t product = (static_cast<std::uint64_t>(word) << 3) + carry;
            word = static_cast<std::uint32_t>(product & 0xffffffffu);
            carry = product >> 32;
        }
        if (carry != 0) {
            words.push_back(static_cast<std::uint32_t>(carry));
        }
    }
    std::string hex = "0x";
    char chunk[16];
    for (std::size_t i = words.size(); i-- > 0;) {
        std::snprintf(chunk, sizeof chunk, i + 1 == words.size() ? "%x" : "%08x",
                      static_cast<unsigned>(words[i]));
        hex += chunk;
    }
    return words.empty() ? 0.0 : libraryReading(hex);
}

// Blanks count nowhere, so drop them all first; then pick out sign, whole part, fraction and
// exponent (e or d) and hand them to strtod in its own syntax.
Reading referenceReading(std::string_view text) {
    std::string s(text);
    std::erase_if(s, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    std::size_t pos = 0;
    const auto at = [&](std::size_t i) { return i < s.size() ? s[i] : '\0'; };
    const auto run = [&](bool (*accepts)(char)) {
        const std::size_t start = pos;
        while (pos < s.size() && accepts(s[pos])) {
            ++pos;
        }
        return s.substr(start, pos - start);
    };

    if (at(pos) == '&') {
        ++pos;
        if (at(pos) == 'H' || at(pos) == 'h') {
            ++pos;
            return hexReading(run(isHexDigit));
        }
        if (at(pos) == 'O' || at(pos) == 'o') {
            ++pos;
            return octalReading(run(isOctalDigit));
        }
        return 0.0;
    }

    std::string number;
    if (at(pos) == '-') {
        number = "-";
        ++pos;
    } else if (at(pos) == '+') {
        ++pos;
    }
    const std::string whole = run(isDigit);
    std::string fraction;
    if (at(pos) == '.') {
        ++pos;
        fraction = run(isDigit);
    }
    if (whole.empty() && fraction.empty()) {
        return 0.0; // no digits: no number, and no sign either
    }
    number += whole.empty() ? "0" : whole;
    number += '.';
    number += fraction;
    const char marker = at(pos);
    if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D') {
        ++pos;
        std::string sign;
        if (at(pos) == '-' || at(pos) == '+') {
            sign = std::string(1, at(pos));
            ++pos;
        }
        const std::string exponent = run(isDigit);
        if (!exponent.empty()) {
            number += 'e' + sign + exponent;
        }
    }
    return libraryReading(number);
}

bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0; // tells -0.0 from 0.0
}

void report(std::string_view text, const Reading& got, const Reading& expected) {
    std::fprintf(stderr, "text (%zu bytes) begins \"%.*s\"\n", text.size(),
                 static_cast<int>(std::min<std::size_t>(text.size(), 120)), text.data());
    for (const auto& [what, reading] : {std::pair{"read:    ", got}, {"expected:", expected}}) {
        if (reading) {
            std::fprintf(stderr, "%s %a (%.17g)\n", what, *reading, *reading);
        } else {
            std::fprintf(stderr, "%s beyond range\n", what);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    if (const char* timing = std::getenv("COILWIND_FUZZ_TIMING")) {
        gTimingRepeats = std::max(1L, std::strtol(timing, nullptr, 10));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = coilwind::readLeadingNumber(text);
    if (value && !std::isfinite(*value)) {
        fail("readLeadingNumber returned an infinity or a NaN");
    }
    if (gTimingRepeats > 0) {
        for (long i = 1; i < gTimingRepeats; ++i) {
            require(coilwind::readLeadingNumber(text) == value, "a second reading differs");
        }
        return 0;
    }
    const Reading expected = referenceReading(text);
    if (expected.has_value() != value.has_value() || (expected && !sameDouble(*expected, *value))) {
        report(text, value, expected);
        fail("readLeadingNumber differs from the reference reading");
    }
    return 0;
}
