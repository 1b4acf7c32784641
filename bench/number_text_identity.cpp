// Shows that the project's double-to-text writers give the same bytes as std::to_chars of
// libstdc++, which they replace (libc++ before 14 has none for double): the shortest form
// (shortestText), the 15 significant digits under formatFixed (fifteenSignificantDigits), and
// formatFixed's text itself against the same rounding done on std::to_chars's digits.
// A check run by hand, not a test: ten million values take about ten seconds.
//
//   build/number_text_identity [values]     (default 10,000,000; exit 1 at the first difference)
//
// The values: random bit patterns (every kind of double, NaNs and infinities included), every
// power of two with its neighbours, decimal-looking values (up to 17 random digits at a random
// power of ten, read correctly rounded, midpoints between fifteen-digit numbers, and short ones
// like "41.7"), and integers from 2^53 to 10^22, where to_chars writes a fixed integer exactly.

#include "calc/number_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

namespace {

std::string referenceShortest(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

std::string referenceSignificant(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    return {buffer, result.ptr};
}

// fifteenSignificantDigits in printf's "%.14e" form.
std::string writtenSignificant(double value) {
    const coilwind::SignificantDigits rounded = coilwind::fifteenSignificantDigits(value);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", rounded.exponent < 0 ? '-' : '+',
                  std::abs(rounded.exponent));
    return rounded.digits.substr(0, 1) + "." + rounded.digits.substr(1) + exponent;
}

// formatFixed as its header defines it, from std::to_chars's fifteen digits: the decimal rounded
// to the pattern's places, halves away from zero, written with a point.
std::string referenceFixed(double value, int places) {
    std::string kept;
    if (value != 0.0) {
        const std::string scientific = referenceSignificant(std::fabs(value));
        const std::string digits = scientific.substr(0, 1) + scientific.substr(2, 14);
        const int keep = std::atoi(scientific.c_str() + 17) + 1 + places;
        if (keep >= 15) {
            kept = digits + std::string(static_cast<std::size_t>(keep - 15), '0');
        } else if (keep >= 0) {
            kept = digits.substr(0, static_cast<std::size_t>(keep));
            if (digits[static_cast<std::size_t>(keep)] >= '5') {
                std::size_t i = kept.size();
                while (i > 0 && kept[i - 1] == '9') {
                    kept[--i] = '0';
                }
                if (i == 0) {
                    kept.insert(kept.begin(), '1');
                } else {
                    ++kept[i - 1];
                }
            }
        }
    }
    const auto width = static_cast<std::size_t>(places) + 1;
    if (kept.size() < width) {
        kept.insert(0, width - kept.size(), '0');
    }
    kept.insert(kept.size() - static_cast<std::size_t>(places), ".");
    return (value < 0.0 ? "-" : "") + kept;
}

double fromBits(std::uint64_t bits) {
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

class Checker {
public:
    void check(double value) {
        ++checked_;
        compare(value, coilwind::shortestText(value), referenceShortest(value), "shortest");
        if (std::isfinite(value) && value != 0.0) {
            compare(value, writtenSignificant(std::fabs(value)),
                    referenceSignificant(std::fabs(value)), "15 significant digits");
        }
        if (std::isfinite(value)) {
            for (const auto pattern : {coilwind::Pattern::OneDecimal,
                                       coilwind::Pattern::ThreeDecimals,
                                       coilwind::Pattern::FourDecimals}) {
                compare(value, coilwind::formatFixed(value, pattern).value_or("?"),
                        referenceFixed(value, coilwind::decimalsOf(pattern)), "fixed");
            }
        }
    }
    [[nodiscard]] std::uint64_t checked() const { return checked_; }

private:
    void compare(double value, const std::string& written, const std::string& reference,
                 const char* what) const {
        if (written != reference) {
            std::fprintf(stderr, "%s of %a: written \"%s\", std::to_chars \"%s\"\n", what, value,
                         written.c_str(), reference.c_str());
            std::exit(1);
        }
    }
    std::uint64_t checked_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t total = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10'000'000;
    Checker checker;
    std::mt19937_64 random(20261207);

    for (int power = -1074; power <= 1023; ++power) {
        const double value = std::ldexp(1.0, power);
        for (const double v : {value, std::nextafter(value, 0.0), std::nextafter(value, 1e308)}) {
            checker.check(v);
            checker.check(-v);
        }
    }
    for (const std::string_view text : {"41.7", "4.7", "0.1", "1e+300", "5e-324", "500", "0.0008",
                                        "1e15", "1e16", "123456789012345680000", "-0", "0"}) {
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        checker.check(value);
    }
    checker.check(std::numeric_limits<double>::infinity());
    checker.check(-std::numeric_limits<double>::quiet_NaN());

    std::uniform_int_distribution<int> digitCount(1, 17);
    std::uniform_int_distribution<int> decimalPower(-330, 310);
    std::uniform_int_distribution<int> shortPower(-6, 6);
    std::uniform_real_distribution<double> bigIntegers(9007199254740992.0, 1e22);
    std::string text;
    for (std::uint64_t round = 0; checker.checked() < total; ++round) {
        checker.check(fromBits(random()));
        const std::uint64_t digits = random() % 100'000'000'000'000'000ULL;
        text = std::to_string(digits);
        text.resize(
            std::min<std::size_t>(text.size(), static_cast<std::size_t>(digitCount(random))));
        text += 'e';
        text += std::to_string(round % 2 == 0 ? decimalPower(random) : shortPower(random));
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        checker.check(value);
        checker.check(std::nearbyint(bigIntegers(random)));
    }
    std::printf("%llu values: the same text as std::to_chars, shortest, 15 significant digits "
                "and fixed\n",
                static_cast<unsigned long long>(checker.checked()));
}
