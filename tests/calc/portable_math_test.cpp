#include "calc/bit_cast.hpp"
#include "calc/portable_math.hpp"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace coilwind::portable {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double maxDouble = std::numeric_limits<double>::max();
constexpr double minSubnormal = std::numeric_limits<double>::denorm_min();

// Distance in units in the last place: the count of doubles between a and b.
std::int64_t ulpsBetween(double a, double b) {
    const auto ordered = [](double x) {
        const auto i = bitCast<std::int64_t>(x);
        return i < 0 ? std::numeric_limits<std::int64_t>::min() - i : i;
    };
    const std::int64_t d = ordered(a) - ordered(b);
    return d < 0 ? -d : d;
}

using Function = double (*)(double);
struct NamedFunction {
    const char* name;
    Function function;
    Function reference; // the C library's
};
const NamedFunction kExp{"exp", exp, [](double x) { return std::exp(x); }};
const NamedFunction kLog{"log", log, [](double x) { return std::log(x); }};
const NamedFunction kSin{"sin", sin, [](double x) { return std::sin(x); }};
const NamedFunction kCos{"cos", cos, [](double x) { return std::cos(x); }};
const NamedFunction kSinh{"sinh", sinh, [](double x) { return std::sinh(x); }};
const NamedFunction kCosh{"cosh", cosh, [](double x) { return std::cosh(x); }};
const NamedFunction kAcosh{"acosh", acosh, [](double x) { return std::acosh(x); }};

// A special or hard argument and the right result. Exact results (zeros with their sign,
// infinities, NaN, 1) must come out bit for bit; others within 1 ulp of the value given, which is
// the correctly rounded one: computed with bc at 420 digits where glibc is not, taken from glibc
// 2.36 and checked with bc otherwise.
struct SpecialCase {
    NamedFunction f;
    double x;
    double expected;
    bool exact;
};

std::string caseName(const SpecialCase& c) {
    return std::string(c.f.name) + "(" + std::to_string(c.x) + ")";
}

class SpecialValues : public ::testing::TestWithParam<SpecialCase> {};

TEST_P(SpecialValues, AsC99AnnexFOrWithinOneUlp) {
    const SpecialCase& c = GetParam();
    const double got = c.f.function(c.x);
    if (std::isnan(c.expected)) {
        EXPECT_TRUE(std::isnan(got)) << caseName(c) << " = " << got;
    } else if (c.exact) {
        EXPECT_EQ(bitCast<std::uint64_t>(got), bitCast<std::uint64_t>(c.expected))
            << caseName(c) << " = " << got;
    } else {
        EXPECT_LE(ulpsBetween(got, c.expected), 1) << caseName(c) << " = " << got;
    }
}

const SpecialCase kSpecialCases[] = {
    // exp: identities, limits, the overflow and underflow thresholds, the subnormal results
    {kExp, 0.0, 1.0, true},
    {kExp, -0.0, 1.0, true},
    {kExp, minSubnormal, 1.0, true},
    {kExp, inf, inf, true},
    {kExp, -inf, 0.0, true},
    {kExp, nan, nan, true},
    {kExp, 1.0, 2.7182818284590451, false},
    {kExp, 709.782712893384, 1.7976931348622732e+308, false},
    {kExp, 709.79, inf, true},
    {kExp, -708.39641853226408, 2.2250738585072626e-308, false},
    {kExp, -745.13321910194110842, minSubnormal, true},
    {kExp, -745.2, 0.0, true},
    {kExp, -1000.0, 0.0, true},
    // log: domain, limits, subnormals, the largest double
    {kLog, 1.0, 0.0, true},
    {kLog, 0.0, -inf, true},
    {kLog, -0.0, -inf, true},
    {kLog, -1.0, nan, true},
    {kLog, -inf, nan, true},
    {kLog, inf, inf, true},
    {kLog, nan, nan, true},
    {kLog, minSubnormal, -744.44007192138122, false},
    {kLog, 2.2250738585072014e-308, -708.39641853226408, false},
    {kLog, maxDouble, 709.78271289338397, false},
    {kLog, 10.0, 2.3025850929940459, false},
    // sin and cos: signed zeros, subnormals, NaN for infinities, huge arguments, and the double
    // nearest a multiple of pi/2 (6381956970095103 * 2^797: 4.6871659242546276e-19 away, where
    // glibc 2.36's cos is hundreds of ulps off; bc gives the value here)
    {kSin, 0.0, 0.0, true},
    {kSin, -0.0, -0.0, true},
    {kSin, -minSubnormal, -minSubnormal, true},
    {kSin, inf, nan, true},
    {kSin, -inf, nan, true},
    {kSin, nan, nan, true},
    {kCos, 0.0, 1.0, true},
    {kCos, -0.0, 1.0, true},
    {kCos, inf, nan, true},
    {kCos, nan, nan, true},
    {kSin, 3.141592653589793, 1.2246467991473532e-16, false},
    {kCos, 1.5707963267948966, 6.123233995736766e-17, false},
    {kSin, 355.0, -3.0144353359488451e-05, false},
    {kSin, 1e22, -0.85220084976718879, false},
    {kCos, 1e22, 0.52321478539513899, false},
    {kSin, maxDouble, 0.004961954789184062, false},
    {kCos, maxDouble, -0.99998768942655991, false},
    {kCos, 0x1.6ac5b262ca1ffp+849, -4.6871659242546276e-19, false},
    {kCos, -0x1.6ac5b262ca1ffp+849, -4.6871659242546276e-19, false},
    // sinh and cosh: signed zero, infinities, the overflow threshold 710.4758600739439
    {kSinh, 0.0, 0.0, true},
    {kSinh, -0.0, -0.0, true},
    {kSinh, inf, inf, true},
    {kSinh, -inf, -inf, true},
    {kSinh, nan, nan, true},
    {kSinh, 1e-20, 1e-20, true},
    {kSinh, 1.0, 1.1752011936438014, false},
    {kSinh, 710.4758600739439, 1.7976931348621744e+308, false},
    {kSinh, -710.4758600739439, -1.7976931348621744e+308, false},
    {kSinh, 710.476, inf, true},
    {kSinh, -1e5, -inf, true},
    {kCosh, 0.0, 1.0, true},
    {kCosh, -0.0, 1.0, true},
    {kCosh, inf, inf, true},
    {kCosh, -inf, inf, true},
    {kCosh, nan, nan, true},
    {kCosh, 1.0, 1.5430806348152437, false},
    {kCosh, -710.4758600739439, 1.7976931348621744e+308, false},
    {kCosh, 710.476, inf, true},
    // acosh: the domain's edge, just above it, the switch to log(x) + ln 2, the largest double
    {kAcosh, 1.0, 0.0, true},
    {kAcosh, 0.5, nan, true},
    {kAcosh, -inf, nan, true},
    {kAcosh, inf, inf, true},
    {kAcosh, nan, nan, true},
    {kAcosh, 1.0000000000000002, 2.1073424255447017e-08, false},
    {kAcosh, 2.0, 1.3169578969248166, false},
    {kAcosh, 268435456.0, 20.101268236238411, false},
    {kAcosh, maxDouble, 710.47586007394386, false},
};

INSTANTIATE_TEST_SUITE_P(PortableMath, SpecialValues, ::testing::ValuesIn(kSpecialCases),
                         [](const ::testing::TestParamInfo<SpecialCase>& param) {
                             return std::string(param.param.f.name) + std::to_string(param.index);
                         });

// A range of arguments, spread evenly or geometrically, and the largest error allowed there
// against the C library. Only glibc is a trusted reference: the other builds check symmetry.
struct SweepRange {
    NamedFunction f;
    double from;
    double to;
    bool geometric;
    std::int64_t allowedUlps;
};

class Sweep : public ::testing::TestWithParam<SweepRange> {};

constexpr int kSweepPoints = 20000;

double sweepArgument(const SweepRange& r, int i) {
    const double u = (i + 0.5) / kSweepPoints;
    if (r.geometric) {
        return std::exp(std::log(r.from) + u * (std::log(r.to) - std::log(r.from)));
    }
    return r.from + u * (r.to - r.from);
}

TEST_P(Sweep, AgreesWithGlibcWithinTheBound) {
#ifndef __GLIBC__
    GTEST_SKIP() << "only glibc's functions serve as the reference";
#else
    const SweepRange& r = GetParam();
    std::int64_t worst = 0;
    double worstAt = 0;
    for (int i = 0; i < kSweepPoints; ++i) {
        const double x = sweepArgument(r, i);
        const std::int64_t d = ulpsBetween(r.f.function(x), r.f.reference(x));
        if (d > worst) {
            worst = d;
            worstAt = x;
        }
    }
    EXPECT_LE(worst, r.allowedUlps) << r.f.name << " at " << worstAt;
#endif
}

const SweepRange kSweepRanges[] = {
    {kExp, -745.0, 709.7, false, 1},
    {kExp, -1.0, 1.0, false, 1},
    {kLog, 1e-320, 1e308, true, 1},
    {kLog, 0.5, 2.0, false, 1},
    {kSin, -10.0, 10.0, false, 1},
    {kSin, 1e6, 1e300, true, 1},
    {kCos, -10.0, 10.0, false, 1},
    {kCos, 1e6, 1e300, true, 1},
    {kSinh, -30.0, 30.0, false, 2},
    {kSinh, 1e-10, 710.4, true, 2},
    {kCosh, -30.0, 30.0, false, 2},
    {kCosh, 1e-10, 710.4, true, 2},
    {kAcosh, 1.0, 3.0, false, 1},
    {kAcosh, 1.0, 1e308, true, 1},
};

INSTANTIATE_TEST_SUITE_P(PortableMath, Sweep, ::testing::ValuesIn(kSweepRanges),
                         [](const ::testing::TestParamInfo<SweepRange>& param) {
                             return std::string(param.param.f.name) + std::to_string(param.index);
                         });

// On every build: sin and sinh odd, cos and cosh even, bit for bit (the reductions and kernels
// work on the magnitude and must put the sign back exactly).
TEST(PortableMath, OddAndEvenFunctionsKeepTheirSymmetryBitForBit) {
    for (const SweepRange& r : kSweepRanges) {
        const std::string name = r.f.name;
        const bool odd = name == "sin" || name == "sinh";
        if (!odd && name != "cos" && name != "cosh") {
            continue;
        }
        for (int i = 0; i < kSweepPoints; i += 7) {
            const double x = sweepArgument(r, i);
            const double plus = r.f.function(x);
            ASSERT_EQ(bitCast<std::uint64_t>(odd ? -plus : plus),
                      bitCast<std::uint64_t>(r.f.function(-x)))
                << name << " at " << x;
        }
    }
}

// sinCos shares one reduction between the two: each half must keep the bits of sin and cos, in
// every quadrant, at the edges of the unreduced range and for the special values.
TEST(PortableMath, SinCosGivesTheBitsOfSinAndCos) {
    std::vector<double> arguments = {0.0, -0.0, 0.7853981633974483, 0.7853981633974484, 1e-30,
                                     1e300, -1e300, inf, -inf, nan};
    for (const SweepRange& r : kSweepRanges) {
        if (std::string(r.f.name) == "sin") {
            for (int i = 0; i < kSweepPoints; i += 3) {
                arguments.push_back(sweepArgument(r, i));
            }
        }
    }
    for (const double x : arguments) {
        const auto [s, c] = sinCos(x);
        ASSERT_EQ(bitCast<std::uint64_t>(s), bitCast<std::uint64_t>(sin(x))) << x;
        ASSERT_EQ(bitCast<std::uint64_t>(c), bitCast<std::uint64_t>(cos(x))) << x;
    }
}

} // namespace
} // namespace coilwind::portable
