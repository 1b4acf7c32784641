#include "calc/portable_math.hpp"

#include "calc/bit_cast.hpp"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

// The polynomial coefficients, the split constants and the thresholds below are those of fdlibm
// 5.3 (Sun Microsystems, 1993; e_exp.c, e_log.c, s_expm1.c, s_log1p.c, k_sin.c, k_cos.c,
// e_rem_pio2.c, e_sinh.c, e_cosh.c, e_acosh.c), given there in decimal and as the intended
// hexadecimal bit patterns. They are written here as bit patterns, so that no decimal-to-binary
// conversion of any compiler can change them. The code is this project's own.
//
// Every operation is an IEEE 754 +, -, *, / or sqrt of doubles, rounded to nearest, or an exact
// operation on the bits. Nothing here may be contracted into a fused multiply-add: the project's
// flags say -ffp-contract=off, and tests compare bits.
namespace coilwind::portable {
namespace {

constexpr double bits(std::uint64_t pattern) {
    return bitCast<double>(pattern);
}
constexpr std::uint64_t bitsOf(double x) {
    return bitCast<std::uint64_t>(x);
}
// The high 32 bits without the sign: fdlibm's thresholds are written against this word.
constexpr std::uint32_t highWordOfMagnitude(double x) {
    return static_cast<std::uint32_t>(bitsOf(x) >> 32U) & 0x7fffffffU;
}
constexpr bool signBit(double x) {
    return (bitsOf(x) >> 63U) != 0;
}
constexpr double magnitude(double x) {
    return bits(bitsOf(x) & 0x7fffffffffffffffULL);
}
// 2^k for a normal power, -1022 <= k <= 1023, built from its bits: exact.
constexpr double powerOfTwo(int k) {
    return bits(static_cast<std::uint64_t>(k + 1023) << 52U);
}
constexpr double infinity = std::numeric_limits<double>::infinity();
// Every NaN result is this one pattern, 0x7ff8000000000000, returned as a constant: arithmetic
// on NaNs gives different signs and payloads on x86 and in WebAssembly.
constexpr double quietNaN = std::numeric_limits<double>::quiet_NaN();

// y * 2^k with one rounding at most (only when the result is subnormal), for y near 1 and
// -1075 - 1000 < k <= 2046.
double scaleByPowerOfTwo(double y, int k) {
    if (k > 1023) {
        return y * powerOfTwo(1023) * powerOfTwo(k - 1023);
    }
    if (k < -1021) {
        // Exact first step, then the only rounding, into the subnormals.
        return y * powerOfTwo(k + 1000) * powerOfTwo(-1000);
    }
    return y * powerOfTwo(k);
}

// ln 2 split so that k * ln2Hi is exact for |k| < 2000 (fdlibm: ln2_hi, ln2_lo).
constexpr double ln2Hi = bits(0x3fe62e42fee00000ULL); // 6.93147180369123816490e-01
constexpr double ln2Lo = bits(0x3dea39ef35793c76ULL); // 1.90821492927058770002e-10
constexpr double ln2 = bits(0x3fe62e42fefa39efULL);   // 6.93147180559945286227e-01
constexpr double invLn2 = bits(0x3ff71547652b82feULL); // 1.44269504088896338700e+00

// High words of 0.5 ln 2, 1.5 ln 2 and of the largest x with exp(x) finite (fdlibm e_exp.c).
constexpr std::uint32_t halfLn2Word = 0x3fd62e42U;
constexpr std::uint32_t threeHalvesLn2Word = 0x3ff0a2b2U;

// x = k ln2 + (hi - lo), |hi - lo| <= 0.5 ln2 about; k = 0 leaves hi = x, lo = 0.
struct ReducedByLn2 {
    int k = 0;
    double hi = 0;
    double lo = 0;
};
ReducedByLn2 reduceByLn2(double x) {
    const std::uint32_t word = highWordOfMagnitude(x);
    if (word <= halfLn2Word) {
        return {0, x, 0};
    }
    int k = 0;
    if (word < threeHalvesLn2Word) {
        k = signBit(x) ? -1 : 1;
    } else {
        k = static_cast<int>(invLn2 * x + (signBit(x) ? -0.5 : 0.5));
    }
    const double t = k;
    return {k, x - t * ln2Hi, t * ln2Lo}; // t * ln2Hi is exact
}

// exp: fdlibm e_exp.c. R(z) ~ 2 + P1 z + ... + P5 z^5 approximates r (e^r + 1) / (e^r - 1) on
// [0, 0.34658] with error below 2^-59 (Remez); then e^r = 1 + r + r c / (2 - c).
constexpr double expP1 = bits(0x3fc555555555553eULL); // 1.66666666666666019037e-01
constexpr double expP2 = bits(0xbf66c16c16bebd93ULL); // -2.77777777770155933842e-03
constexpr double expP3 = bits(0x3f11566aaf25de2cULL); // 6.61375632143793436117e-05
constexpr double expP4 = bits(0xbebbbd41c5d26bf1ULL); // -1.65339022054652515390e-06
constexpr double expP5 = bits(0x3e66376972bea4d0ULL); // 4.13813679705723846039e-08
constexpr double expOverflow = bits(0x40862e42fefa39efULL);  // 7.09782712893383973096e+02
constexpr double expUnderflow = bits(0xc0874910d52d3051ULL); // -7.45133219101941108420e+02

// e^x 2^m with one rounding of the scaling at most: exp(x) for m = 0, and e^x / 2 for sinh and
// cosh near overflow, where e^x itself is out of range. Needs |x| <= 1100 and -1 <= m <= 0.
double expTimesPowerOfTwo(double x, int m) {
    if (highWordOfMagnitude(x) < 0x3e300000U) { // |x| < 2^-28
        return (1.0 + x) * powerOfTwo(m);
    }
    const ReducedByLn2 reduced = reduceByLn2(x);
    const double r = reduced.hi - reduced.lo;
    const double t = r * r;
    const double c = r - t * (expP1 + t * (expP2 + t * (expP3 + t * (expP4 + t * expP5))));
    if (reduced.k == 0) {
        return (1.0 - ((r * c) / (c - 2.0) - r)) * powerOfTwo(m);
    }
    const double y = 1.0 - ((reduced.lo - (r * c) / (2.0 - c)) - reduced.hi);
    return scaleByPowerOfTwo(y, reduced.k + m);
}

// expm1 for 0 <= x < 22 (what sinh and cosh need): fdlibm s_expm1.c. R1(z) ~ 1 + Q1 z + ... +
// Q5 z^5 approximates 6/r ((e^r + 1)/(e^r - 1) - 2/r) on [0, 0.347] with error below 2^-61; the
// Qs are scaled by 2^n for z = r^2 / 2.
constexpr double expm1Q1 = bits(0xbfa11111111110f4ULL); // -3.33333333333331316428e-02
constexpr double expm1Q2 = bits(0x3f5a01a019fe5585ULL); // 1.58730158725481460165e-03
constexpr double expm1Q3 = bits(0xbf14ce199eaadbb7ULL); // -7.93650757867487942473e-05
constexpr double expm1Q4 = bits(0x3ed0cfca86e65239ULL); // 4.00821782732936239552e-06
constexpr double expm1Q5 = bits(0xbe8afdb76e09c32dULL); // -2.01099218183624371326e-07

double expm1NonNegative(double x) {
    if (highWordOfMagnitude(x) < 0x3c900000U) { // x < 2^-54: exp(x) - 1 rounds to x
        return x;
    }
    const ReducedByLn2 reduced = reduceByLn2(x);
    const int k = reduced.k;
    const double r = reduced.hi - reduced.lo;
    // The rounding error of r, added back below.
    const double c = (reduced.hi - r) - reduced.lo;
    const double halfR = 0.5 * r;
    const double halfRSquared = r * halfR;
    const double r1 =
        1.0 + halfRSquared *
                  (expm1Q1 +
                   halfRSquared *
                       (expm1Q2 + halfRSquared *
                                      (expm1Q3 + halfRSquared * (expm1Q4 + halfRSquared * expm1Q5))));
    const double t = 3.0 - r1 * halfR;
    double e = halfRSquared * ((r1 - t) / (6.0 - r * t));
    if (k == 0) {
        return r - (r * e - halfRSquared);
    }
    e = (r * (e - c) - c);
    e -= halfRSquared;
    if (k == 1) {
        if (r < -0.25) {
            return -2.0 * (e - (r + 0.5));
        }
        return 1.0 + 2.0 * (r - e);
    }
    // 2 <= k <= 32 here, since x < 22.
    if (k < 20) {
        const double oneMinusTwoToMinusK = 1.0 - powerOfTwo(-k); // exact
        return (oneMinusTwoToMinusK - (e - r)) * powerOfTwo(k);
    }
    return ((r - (e + powerOfTwo(-k))) + 1.0) * powerOfTwo(k);
}

// log and log1p: fdlibm e_log.c and s_log1p.c. With s = f / (2 + f), log(1 + f) = 2s + s R(s^2),
// R(z) ~ Lg1 z + ... + Lg7 z^7 on [0, 0.1716] with error below 2^-58.45 (Remez); computed as
// f - (hfsq - s (hfsq + R)), hfsq = f^2 / 2, for an error below 1 ulp.
constexpr double lg1 = bits(0x3fe5555555555593ULL); // 6.666666666666735130e-01
constexpr double lg2 = bits(0x3fd999999997fa04ULL); // 3.999999999940941908e-01
constexpr double lg3 = bits(0x3fd2492494229359ULL); // 2.857142874366239149e-01
constexpr double lg4 = bits(0x3fcc71c51d8e78afULL); // 2.222219843214978396e-01
constexpr double lg5 = bits(0x3fc7466496cb03deULL); // 1.818357216161805012e-01
constexpr double lg6 = bits(0x3fc39a09d078c69fULL); // 1.531383769920937332e-01
constexpr double lg7 = bits(0x3fc2f112df3e5244ULL); // 1.479819860511658591e-01

// k ln2 + log(1 + f) + c, for sqrt(2)/2 - 1 < f < sqrt(2) - 1 and c a small correction of f.
double logOfReduced(int k, double f, double c) {
    const double s = f / (2.0 + f);
    const double z = s * s;
    const double w = z * z;
    const double oddTerms = z * (lg1 + w * (lg3 + w * (lg5 + w * lg7)));
    const double evenTerms = w * (lg2 + w * (lg4 + w * lg6));
    const double r = oddTerms + evenTerms;
    const double halfFSquared = 0.5 * f * f;
    if (k == 0) {
        return f - (halfFSquared - (s * (halfFSquared + r) + c));
    }
    const double dk = k;
    return dk * ln2Hi - ((halfFSquared - (s * (halfFSquared + r) + (dk * ln2Lo + c))) - f);
}

// Splits a positive finite normal u into 2^k * m with sqrt(2)/2 <= m < sqrt(2) (by the high
// word, as fdlibm: 0x6a09e is the top of sqrt(2)'s significand); returns m - 1, exactly.
double splitNearOne(double u, int& k) {
    const std::uint64_t pattern = bitsOf(u);
    k = static_cast<int>(pattern >> 52U) - 1023;
    const std::uint64_t significand = pattern & 0x000fffffffffffffULL;
    if ((significand >> 32U) < 0x6a09eU) {
        return bits(significand | 0x3ff0000000000000ULL) - 1.0;
    }
    k += 1;
    return bits(significand | 0x3fe0000000000000ULL) - 1.0;
}

double log1p(double x) {
    const std::uint32_t word = highWordOfMagnitude(x);
    if (std::isnan(x)) {
        return quietNaN;
    }
    if (x <= -1.0) {
        return x == -1.0 ? -infinity : quietNaN;
    }
    if (x == infinity) {
        return x;
    }
    if (word < 0x3c900000U) { // |x| < 2^-54
        return x;
    }
    if (word < 0x3e200000U) { // |x| < 2^-29
        return x - x * x * 0.5;
    }
    // 1 + x between sqrt(2)/2 and sqrt(2): f = x exactly.
    if ((!signBit(x) && word < 0x3fda827aU) || (signBit(x) && word <= 0x3fd2bec4U)) {
        return logOfReduced(0, x, 0.0);
    }
    int k = 0;
    double c = 0;
    double f = 0;
    if (word < 0x43400000U) { // x < 2^53: u = 1 + x rounds; c is what it lost, relative to u
        const double u = 1.0 + x;
        f = splitNearOne(u, k);
        c = (bitsOf(u) >> 52U) > 1023U ? 1.0 - (u - x) : x - (u - 1.0);
        c /= u;
    } else {
        f = splitNearOne(x, k);
    }
    return logOfReduced(k, f, c);
}

// sin and cos kernels on [-pi/4, pi/4]: fdlibm k_sin.c and k_cos.c, polynomials of degree 13 and
// 14 with Remez errors below 2^-58. x + y is the reduced argument, y the tail of x.
constexpr double s1 = bits(0xbfc5555555555549ULL); // -1.66666666666666324348e-01
constexpr double s2 = bits(0x3f8111111110f8a6ULL); // 8.33333333332248946124e-03
constexpr double s3 = bits(0xbf2a01a019c161d5ULL); // -1.98412698298579493134e-04
constexpr double s4 = bits(0x3ec71de357b1fe7dULL); // 2.75573137070700676789e-06
constexpr double s5 = bits(0xbe5ae5e68a2b9cebULL); // -2.50507602534068634195e-08
constexpr double s6 = bits(0x3de5d93a5acfd57cULL); // 1.58969099521155010221e-10
constexpr double c1 = bits(0x3fa555555555554cULL); // 4.16666666666666019037e-02
constexpr double c2 = bits(0xbf56c16c16c15177ULL); // -1.38888888888741095749e-03
constexpr double c3 = bits(0x3efa01a019cb1590ULL); // 2.48015872894767294178e-05
constexpr double c4 = bits(0xbe927e4f809c52adULL); // -2.75573143513906633035e-07
constexpr double c5 = bits(0x3e21ee9ebdb4b1c4ULL); // 2.08757232129817482790e-09
constexpr double c6 = bits(0xbda8fae9be8838d4ULL); // -1.13596475577881948265e-11

double sinKernel(double x, double y) {
    const double z = x * x;
    const double w = z * z;
    const double r = s2 + z * (s3 + z * s4) + z * w * (s5 + z * s6);
    const double v = z * x;
    // sin(x + y) ~ sin(x) + (1 - x^2/2) y.
    return x - ((z * (0.5 * y - v * r) - y) - v * s1);
}

double cosKernel(double x, double y) {
    const double z = x * x;
    const double w = z * z;
    const double r = z * (c1 + z * (c2 + z * c3)) + w * w * (c4 + z * (c5 + z * c6));
    const double halfZ = 0.5 * z;
    const double head = 1.0 - halfZ;
    // (1 - head) - halfZ is the rounding error of head; cos(x + y) ~ cos(x) - x y.
    return head + (((1.0 - head) - halfZ) + (z * r - x * y));
}

// Reduction by pi/2 of medium arguments, |x| < 2^20 pi/2 (fdlibm e_rem_pio2.c): pi/2 cut into
// three 33-bit pieces and a tail, so that n * piece is exact for n < 2^20; the second and third
// pieces are used only when cancellation has eaten the first one's 85 good bits.
constexpr double invPio2 = bits(0x3fe45f306dc9c883ULL); // 6.36619772367581382433e-01
constexpr double pio2Part1 = bits(0x3ff921fb54400000ULL); // 1.57079632673412561417e+00
constexpr double pio2Tail1 = bits(0x3dd0b4611a626331ULL); // 6.07710050650619224932e-11
constexpr double pio2Part2 = bits(0x3dd0b4611a600000ULL); // 6.07710050630396597660e-11
constexpr double pio2Tail2 = bits(0x3ba3198a2e037073ULL); // 2.02226624879595063154e-21
constexpr double pio2Part3 = bits(0x3ba3198a2e000000ULL); // 2.02226624871116645580e-21
constexpr double pio2Tail3 = bits(0x397b839a252049c1ULL); // 8.47842766036889956997e-32
constexpr std::uint32_t mediumLimitWord = 0x413921fbU;     // 2^20 pi/2

// pi/2 as a double-double (fdlibm e_asin.c: pio2_hi, pio2_lo).
constexpr double pio2Hi = bits(0x3ff921fb54442d18ULL); // 1.57079632679489655800e+00
constexpr double pio2Lo = bits(0x3c91a62633145c07ULL); // 6.12323399573676603587e-17

// The first 1280 bits of 2/pi after the binary point, 32 to a word, most significant first:
// 2/pi = 0.A2F9836E 4E441529 ... (hexadecimal). Computed with bc (scale=500, 2/(4*a(1))) and
// equal to fdlibm's k_rem_pio2.c table ipio2[] (the same bits in 24-bit pieces). A double's
// reduction needs bits up to 970 + 192.
constexpr std::array<std::uint32_t, 40> twoOverPiBits = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D,
};

// Bits first..first+31 of 2/pi after the binary point (bit 1 is the first), zero before it.
std::uint32_t twoOverPiWord(int first) {
    const int position = first - 1;
    if (position <= -32) {
        return 0;
    }
    if (position < 0) {
        return twoOverPiBits[0] >> static_cast<unsigned>(-position);
    }
    const auto index = static_cast<std::size_t>(position / 32);
    const auto shift = static_cast<unsigned>(position % 32);
    const std::uint64_t pair =
        (static_cast<std::uint64_t>(twoOverPiBits.at(index)) << 32U) | twoOverPiBits.at(index + 1);
    return static_cast<std::uint32_t>((pair << shift) >> 32U);
}

// Exact a * b as head + tail (Dekker; Veltkamp's split, no fused multiply-add needed).
void exactProduct(double a, double b, double& head, double& tail) {
    constexpr double splitter = 134217729.0; // 2^27 + 1
    const double ca = splitter * a;
    const double aHigh = ca - (ca - a);
    const double aLow = a - aHigh;
    const double cb = splitter * b;
    const double bHigh = cb - (cb - b);
    const double bLow = b - bHigh;
    head = a * b;
    tail = ((aHigh * bHigh - head) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

// Reduction of huge arguments, |x| >= 2^20 pi/2 (Payne and Hanek). With x = m 2^e, m a 53-bit
// integer, the bits of 2/pi before bit e - 1 contribute multiples of 4 to x 2/pi and are skipped;
// the next 192 bits B give x 2/pi mod 4 = m B 2^-190 + (less than 2^-137), computed exactly in
// 32-bit limbs. The nearest integer n and the fraction f in [-1/2, 1/2] follow; f keeps at least
// 128 good bits even at the closest approach of a double to a multiple of pi/2 (about 2^-61),
// and y = f pi/2 is formed in double-double.
int reduceHuge(double x, double& y0, double& y1) {
    const std::uint64_t pattern = bitsOf(magnitude(x));
    const int e = static_cast<int>(pattern >> 52U) - 1075;
    const std::uint64_t m = (pattern & 0x000fffffffffffffULL) | 0x0010000000000000ULL;
    constexpr int limbs = 6;
    std::array<std::uint32_t, limbs> window{}; // least significant first
    for (int i = 0; i < limbs; ++i) {
        window[static_cast<std::size_t>(limbs - 1 - i)] = twoOverPiWord(e - 1 + 32 * i);
    }
    const std::array<std::uint32_t, 2> mLimbs = {static_cast<std::uint32_t>(m),
                                                 static_cast<std::uint32_t>(m >> 32U)};
    std::array<std::uint32_t, limbs> product{}; // m B mod 2^192, least significant first
    for (std::size_t j = 0; j < 2; ++j) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i + j < limbs; ++i) {
            const std::uint64_t t =
                static_cast<std::uint64_t>(mLimbs[j]) * window[i] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32U;
        }
    }
    // Integer part mod 4 in bits 191-190, the fraction below; round to the nearest integer.
    const bool roundUp = ((product[5] >> 29U) & 1U) != 0;
    int n = static_cast<int>(product[5] >> 30U) + (roundUp ? 1 : 0);
    // The fraction f 2^192 as a signed 192-bit number: shift the integer part out.
    std::array<std::uint32_t, limbs> fraction{};
    for (std::size_t i = limbs; i-- > 0;) {
        fraction[i] = (product[i] << 2U) | (i > 0 ? product[i - 1] >> 30U : 0U);
    }
    if (roundUp) { // f < 0: take its magnitude (two's complement)
        std::uint64_t carry = 1;
        for (std::uint32_t& limb : fraction) {
            const std::uint64_t t = static_cast<std::uint64_t>(~limb) + carry;
            limb = static_cast<std::uint32_t>(t);
            carry = t >> 32U;
        }
    }
    // The top 106 bits of the magnitude as two exact doubles.
    int top = limbs - 1;
    while (top >= 0 && fraction[static_cast<std::size_t>(top)] == 0) {
        --top;
    }
    if (top < 0) { // cannot happen for a double (pi is irrational), kept for safety
        y0 = 0;
        y1 = 0;
        return signBit(x) ? -n : n;
    }
    // Gather 128 bits starting at the leading limb.
    std::uint64_t upper = 0;
    std::uint64_t lower = 0;
    for (int i = 0; i < 4; ++i) {
        const int index = top - i;
        const std::uint64_t limb =
            index >= 0 ? fraction[static_cast<std::size_t>(index)] : std::uint64_t{0};
        if (i < 2) {
            upper = (upper << 32U) | limb;
        } else {
            lower = (lower << 32U) | limb;
        }
    }
    const int leading = std::countl_zero(upper);
    const auto shift = static_cast<unsigned>(leading);
    if (shift > 0) {
        upper = (upper << shift) | (lower >> (64U - shift));
        lower <<= shift;
    }
    // upper:lower now holds the magnitude's leading 128 bits, the leading one at bit 127; that bit
    // has the weight 2^(32 (top + 1) - leading - 1 - 192).
    const int leadingExponent = 32 * (top + 1) - leading - 1 - 192;
    const auto headBits = static_cast<double>(upper >> 11U); // 53 bits, exact
    const auto tailBits =
        static_cast<double>(((upper & 0x7ffULL) << 42U) | (lower >> 22U)); // next 53 bits
    const double fHead = headBits * powerOfTwo(leadingExponent - 52);
    const double fTail = tailBits * powerOfTwo(leadingExponent - 105);
    double head = 0;
    double tail = 0;
    exactProduct(fHead, pio2Hi, head, tail);
    tail += fHead * pio2Lo + fTail * pio2Hi;
    double r0 = head + tail;
    double r1 = tail - (r0 - head);
    if (roundUp) {
        r0 = -r0;
        r1 = -r1;
    }
    n &= 3;
    if (signBit(x)) {
        y0 = -r0;
        y1 = -r1;
        return -n;
    }
    y0 = r0;
    y1 = r1;
    return n;
}

// x = n pi/2 + y0 + y1, |y0 + y1| <= pi/4 about; returns n (only n mod 4 is used).
int reduceByHalfPi(double x, double& y0, double& y1) {
    const std::uint32_t word = highWordOfMagnitude(x);
    if (word >= mediumLimitWord) {
        return reduceHuge(x, y0, y1);
    }
    // Round x 2/pi to the nearest integer: adding 1.5 2^52 leaves no fraction bits.
    constexpr double roundingShift = 6755399441055744.0; // 1.5 * 2^52
    const double fn = (x * invPio2 + roundingShift) - roundingShift;
    const int n = static_cast<int>(fn);
    double r = x - fn * pio2Part1; // exact
    double w = fn * pio2Tail1;
    y0 = r - w;
    const auto exponentOf = [](double v) {
        return static_cast<int>(highWordOfMagnitude(v) >> 20U);
    };
    const int exponentOfX = static_cast<int>(word >> 20U);
    if (exponentOfX - exponentOf(y0) > 16) { // cancellation: 118 bits
        double t = r;
        w = fn * pio2Part2;
        r = t - w;
        w = fn * pio2Tail2 - ((t - r) - w);
        y0 = r - w;
        if (exponentOfX - exponentOf(y0) > 49) { // more cancellation: 151 bits
            t = r;
            w = fn * pio2Part3;
            r = t - w;
            w = fn * pio2Tail3 - ((t - r) - w);
            y0 = r - w;
        }
    }
    y1 = (r - y0) - w;
    return n;
}

constexpr std::uint32_t quarterPiWord = 0x3fe921fbU;

// sin(x + quarters pi/2) for |x| > pi/4 about, from the reduced argument y and its quadrant n.
double sinOfReduced(double x, int quarters) {
    if (highWordOfMagnitude(x) >= 0x7ff00000U) { // inf or NaN
        return quietNaN;
    }
    double y0 = 0;
    double y1 = 0;
    switch ((reduceByHalfPi(x, y0, y1) + quarters) & 3) {
    case 0:
        return sinKernel(y0, y1);
    case 1:
        return cosKernel(y0, y1);
    case 2:
        return -sinKernel(y0, y1);
    default:
        return -cosKernel(y0, y1);
    }
}

} // namespace

double exp(double x) {
    if (std::isnan(x)) {
        return quietNaN;
    }
    if (x > expOverflow) {
        return infinity;
    }
    if (x < expUnderflow) {
        return 0.0;
    }
    return expTimesPowerOfTwo(x, 0);
}

double log(double x) {
    if (std::isnan(x)) {
        return quietNaN;
    }
    if (x == 0) {
        return -infinity;
    }
    if (x < 0) {
        return quietNaN;
    }
    if (x == infinity) {
        return x;
    }
    int k = 0;
    constexpr double twoTo54 = 18014398509481984.0;
    if (x < std::numeric_limits<double>::min()) { // subnormal: scale up exactly
        x *= twoTo54;
        k = -54;
    }
    int exponent = 0;
    const double f = splitNearOne(x, exponent);
    return logOfReduced(k + exponent, f, 0.0);
}

double sin(double x) {
    const std::uint32_t word = highWordOfMagnitude(x);
    if (word <= quarterPiWord) {
        if (word < 0x3e500000U) { // |x| < 2^-26: sin x rounds to x (and keeps -0)
            return x;
        }
        return sinKernel(x, 0.0);
    }
    return sinOfReduced(x, 0);
}

double cos(double x) {
    const std::uint32_t word = highWordOfMagnitude(x);
    if (word <= quarterPiWord) {
        if (word < 0x3e46a09eU) { // |x| < 2^-27 sqrt(2): 1 - x^2/2 rounds to 1
            return 1.0;
        }
        return cosKernel(x, 0.0);
    }
    return sinOfReduced(x, 1); // cos x = sin(x + pi/2)
}

SinCos sinCos(double x) {
    if (highWordOfMagnitude(x) <= quarterPiWord) {
        return {sin(x), cos(x)};
    }
    if (highWordOfMagnitude(x) >= 0x7ff00000U) { // inf or NaN
        return {quietNaN, quietNaN};
    }
    double y0 = 0;
    double y1 = 0;
    const int quadrant = reduceByHalfPi(x, y0, y1) & 3;
    const double s = sinKernel(y0, y1);
    const double c = cosKernel(y0, y1);
    // As sinOfReduced picks them: sin in the quadrant n, cos in the quadrant n + 1.
    switch (quadrant) {
    case 0:
        return {s, c};
    case 1:
        return {c, -s};
    case 2:
        return {-s, -c};
    default:
        return {-c, s};
    }
}

// sinh and cosh: fdlibm e_sinh.c and e_cosh.c, from expm1 where e^x - 1 or e^x + e^-x - 2 would
// lose digits, from exp elsewhere, and from exp(x/2)^2 near overflow.
constexpr std::uint32_t twentyTwoWord = 0x40360000U; // 22: e^-x no longer shows beside e^x
constexpr std::uint32_t overflowWord = 0x40870000U;  // 736: far beyond the overflow at 710.48

double sinh(double x) {
    const std::uint32_t word = highWordOfMagnitude(x);
    if (word >= 0x7ff00000U) {
        if (std::isnan(x)) {
            return quietNaN;
        }
        return x;
    }
    const double half = signBit(x) ? -0.5 : 0.5;
    const double ax = magnitude(x);
    if (word < twentyTwoWord) {
        if (word < 0x3e300000U) { // |x| < 2^-28: sinh x rounds to x
            return x;
        }
        const double t = expm1NonNegative(ax);
        if (word < 0x3ff00000U) { // |x| < 1
            return half * (2.0 * t - t * t / (t + 1.0));
        }
        return half * (t + t / (t + 1.0));
    }
    if (word >= overflowWord) {
        return x * infinity;
    }
    // e^|x| / 2, scaled once: finite up to sinh's own overflow threshold.
    const double halfExp = expTimesPowerOfTwo(ax, -1);
    return signBit(x) ? -halfExp : halfExp;
}

double cosh(double x) {
    const std::uint32_t word = highWordOfMagnitude(x);
    if (word >= 0x7ff00000U) {
        if (std::isnan(x)) {
            return quietNaN;
        }
        return infinity;
    }
    const double ax = magnitude(x);
    if (word <= halfLn2Word) {
        const double t = expm1NonNegative(ax);
        const double w = 1.0 + t;
        if (word < 0x3c800000U) { // |x| < 2^-55
            return w;
        }
        return 1.0 + (t * t) / (w + w);
    }
    if (word < twentyTwoWord) {
        const double t = exp(ax);
        return 0.5 * t + 0.5 / t;
    }
    if (word >= overflowWord) {
        return infinity;
    }
    return expTimesPowerOfTwo(ax, -1);
}

// acosh: fdlibm e_acosh.c. acosh x = log(2x - 1/(x + sqrt(x^2 - 1))) for x > 2,
// log1p(t + sqrt(2t + t^2)) with t = x - 1 for 1 < x <= 2, log(x) + ln 2 for x >= 2^28.
double acosh(double x) {
    if (std::isnan(x)) {
        return quietNaN;
    }
    if (x < 1.0) {
        return quietNaN;
    }
    if (x >= 268435456.0) { // 2^28: x^2 - 1 rounds to x^2
        if (x == infinity) {
            return x;
        }
        return log(x) + ln2;
    }
    if (x == 1.0) {
        return 0.0;
    }
    if (x > 2.0) {
        const double t = x * x;
        return log(2.0 * x - 1.0 / (x + std::sqrt(t - 1.0)));
    }
    const double t = x - 1.0;
    return log1p(t + std::sqrt(2.0 * t + t * t));
}

} // namespace coilwind::portable
