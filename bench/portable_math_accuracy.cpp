// The error of the portable functions (calc/portable_math.hpp) against glibc's, in ulps, over
// random arguments: for each function several ranges, each with the given count of arguments
// (10 million by default). Prints a Markdown table: the largest and the mean distance to glibc,
// the share of results equal to glibc's bit for bit, and, as a check of which side is right where
// they differ, the largest error of either against the x87 long double functions (64-bit
// significand, so about 2^-11 ulp of a double).
//
//   build/portable_math_accuracy [arguments per range, default 10000000]
#include "calc/portable_math.hpp"

#include "calc/bit_cast.hpp"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

namespace {

namespace portable = coilwind::portable;
using coilwind::bitCast;

std::int64_t ulpsBetween(double a, double b) {
    if (std::isnan(a) && std::isnan(b)) {
        return 0;
    }
    const auto ordered = [](double x) {
        const auto i = bitCast<std::int64_t>(x);
        return i < 0 ? std::numeric_limits<std::int64_t>::min() - i : i;
    };
    const std::int64_t d = ordered(a) - ordered(b);
    return d < 0 ? -d : d;
}

// |value - reference| in ulps of the reference rounded to double.
double ulpsFrom(double value, long double reference) {
    const auto rounded = static_cast<double>(reference);
    if (std::isinf(rounded) || std::isnan(rounded) || value == reference) {
        return value == rounded || (std::isnan(value) && std::isnan(rounded)) ? 0.0 : 1e9;
    }
    const double magnitude = std::fabs(rounded);
    const double ulp = magnitude < DBL_MIN ? std::numeric_limits<double>::denorm_min()
                                           : std::nextafter(magnitude, INFINITY) - magnitude;
    return static_cast<double>(std::fabs(static_cast<long double>(value) - reference) / ulp);
}

struct Function {
    const char* name;
    double (*portable)(double);
    double (*glibc)(double);
    long double (*extended)(long double);
};

enum class Spread { Even, ByBits, BothSigns };

struct Range {
    const char* description;
    double from;
    double to;
    Spread spread;
};

struct Measured {
    std::int64_t maxUlps = 0;
    double maxAt = 0;
    double sumUlps = 0;
    std::int64_t equal = 0;
    double portableVsExtended = 0;
    double glibcVsExtended = 0;
};

Measured measure(const Function& f, const Range& r, std::int64_t count, std::mt19937_64& random) {
    Measured m;
    const auto low = bitCast<std::uint64_t>(r.from);
    const auto high = bitCast<std::uint64_t>(r.to);
    for (std::int64_t i = 0; i < count; ++i) {
        double x = 0;
        const std::uint64_t bits = random();
        if (r.spread == Spread::Even) {
            x = r.from + static_cast<double>(bits >> 11U) * 0x1p-53 * (r.to - r.from);
        } else {
            x = bitCast<double>(low + (bits >> 1U) % (high - low + 1));
            if (r.spread == Spread::BothSigns && (bits & 1U) != 0) {
                x = -x;
            }
        }
        const double ours = f.portable(x);
        const double theirs = f.glibc(x);
        const std::int64_t d = ulpsBetween(ours, theirs);
        m.sumUlps += static_cast<double>(d);
        m.equal += d == 0 ? 1 : 0;
        if (d > m.maxUlps) {
            m.maxUlps = d;
            m.maxAt = x;
        }
        if (d != 0) { // who is right: only where they differ
            const long double reference = f.extended(x);
            m.portableVsExtended = std::max(m.portableVsExtended, ulpsFrom(ours, reference));
            m.glibcVsExtended = std::max(m.glibcVsExtended, ulpsFrom(theirs, reference));
        }
    }
    return m;
}

} // namespace

int main(int argc, char** argv) {
    const std::int64_t count = argc > 1 ? std::strtoll(argv[1], nullptr, 10) : 10000000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: %s [arguments per range]\n", argv[0]);
        return 2;
    }
    static_assert(LDBL_MANT_DIG == 64, "the check against long double needs x87 extended");
    constexpr double maxDouble = DBL_MAX;
    constexpr double tiny = 0x1p-30;
    struct Row {
        Function f;
        std::vector<Range> ranges;
    };
    const std::vector<Row> rows = {
        {{"exp", portable::exp, [](double x) { return std::exp(x); },
          [](long double x) { return std::exp(x); }},
         {{"[-745.2, 709.8] evenly", -745.2, 709.8, Spread::Even},
          {"[-1, 1] evenly", -1.0, 1.0, Spread::Even},
          {"±[2^-30, 709.8] by bits", tiny, 709.8, Spread::BothSigns}}},
        {{"log", portable::log, [](double x) { return std::log(x); },
          [](long double x) { return std::log(x); }},
         {{"[0.5, 2] evenly", 0.5, 2.0, Spread::Even},
          {"[1 - 2^-20, 1 + 2^-20] evenly", 1.0 - 0x1p-20, 1.0 + 0x1p-20, Spread::Even},
          {"all positive doubles by bits", DBL_TRUE_MIN, maxDouble, Spread::ByBits}}},
        {{"sin", portable::sin, [](double x) { return std::sin(x); },
          [](long double x) { return std::sin(x); }},
         {{"[-10, 10] evenly", -10.0, 10.0, Spread::Even},
          {"[10, 1.6e6] evenly (medium reduction)", 10.0, 1.6e6, Spread::Even},
          {"±[2^-30, 1.6e6] by bits", tiny, 1.6e6, Spread::BothSigns},
          {"±[1.6e6, DBL_MAX] by bits (huge reduction)", 1.6e6, maxDouble, Spread::BothSigns}}},
        {{"cos", portable::cos, [](double x) { return std::cos(x); },
          [](long double x) { return std::cos(x); }},
         {{"[-10, 10] evenly", -10.0, 10.0, Spread::Even},
          {"[10, 1.6e6] evenly (medium reduction)", 10.0, 1.6e6, Spread::Even},
          {"±[2^-30, 1.6e6] by bits", tiny, 1.6e6, Spread::BothSigns},
          {"±[1.6e6, DBL_MAX] by bits (huge reduction)", 1.6e6, maxDouble, Spread::BothSigns}}},
        {{"sinh", portable::sinh, [](double x) { return std::sinh(x); },
          [](long double x) { return std::sinh(x); }},
         {{"[-1, 1] evenly", -1.0, 1.0, Spread::Even},
          {"[-22, 22] evenly", -22.0, 22.0, Spread::Even},
          {"[22, 710.47] evenly", 22.0, 710.47, Spread::Even},
          {"±[2^-30, 710.47] by bits", tiny, 710.47, Spread::BothSigns}}},
        {{"cosh", portable::cosh, [](double x) { return std::cosh(x); },
          [](long double x) { return std::cosh(x); }},
         {{"[-1, 1] evenly", -1.0, 1.0, Spread::Even},
          {"[-22, 22] evenly", -22.0, 22.0, Spread::Even},
          {"[22, 710.47] evenly", 22.0, 710.47, Spread::Even},
          {"±[2^-30, 710.47] by bits", tiny, 710.47, Spread::BothSigns}}},
        {{"acosh", portable::acosh, [](double x) { return std::acosh(x); },
          [](long double x) { return std::acosh(x); }},
         {{"[1, 2] evenly", 1.0, 2.0, Spread::Even},
          {"[2, 1000] evenly", 2.0, 1000.0, Spread::Even},
          {"[1, DBL_MAX] by bits", 1.0, maxDouble, Spread::ByBits}}},
    };
    std::printf("| function | arguments | count | max ulp vs glibc | at | mean ulp vs glibc | "
                "equal to glibc | max err vs x87, ours / glibc (where they differ) |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    std::mt19937_64 random(20261207);
    for (const Row& row : rows) {
        for (const Range& range : row.ranges) {
            const Measured m = measure(row.f, range, count, random);
            std::printf("| %s | %s | %lld | %lld | %.17g | %.2e | %.4f %% | %.3f / %.3f |\n",
                        row.f.name, range.description, static_cast<long long>(count),
                        static_cast<long long>(m.maxUlps), m.maxAt,
                        m.sumUlps / static_cast<double>(count),
                        100.0 * static_cast<double>(m.equal) / static_cast<double>(count),
                        m.portableVsExtended, m.glibcVsExtended);
            std::fflush(stdout);
        }
    }
    return 0;
}
