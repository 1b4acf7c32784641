// Runs one fixed table of arguments through the portable functions and prints an FNV-1a digest of
// the results' bits. Every build (glibc, libc++, mingw under Wine, WebAssembly under node) must
// print the same digest, the one committed in portable_math_digest.txt; given it as the argument,
// the program fails when its own differs.
//
//   portable_math_digest [expected-digest]
#include "calc/bit_cast.hpp"
#include "calc/portable_math.hpp"

#include <array>
#include <cstdint>
#include <cstddef>
#include <iostream>
#include <limits>
#include <string>

namespace {

namespace portable = coilwind::portable;

// SplitMix64 (Steele, Lea and Flood, 2014): the same sequence on every platform.
struct SplitMix64 {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31U);
    }
};

struct Digest {
    std::uint64_t hash = 0xcbf29ce484222325ULL; // FNV-1a 64 offset basis
    std::uint64_t count = 0;
    void add(double result) {
        std::uint64_t bits = coilwind::bitCast<std::uint64_t>(result);
        for (int i = 0; i < 8; ++i) { // little-endian bytes, whatever the machine
            hash = (hash ^ (bits & 0xffU)) * 0x100000001b3ULL;
            bits >>= 8U;
        }
        ++count;
    }
};

struct Function {
    double (*function)(double);
    double from; // arguments spread evenly over [from, to]
    double to;
    double positiveLow; // and spread over the doubles of [positiveLow, positiveHigh], by bits
    double positiveHigh;
};

constexpr int kPerKind = 100000;

} // namespace

int main(int argc, char** argv) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::array<Function, 7> functions = {{
        {portable::exp, -746.0, 711.0, 1e-300, 800.0},
        {portable::log, 0.0, 4.0, 4.9e-324, 1.7e308},
        {portable::sin, -20.0, 20.0, 1e-300, 1.7e308},
        {portable::cos, -20.0, 20.0, 1e-300, 1.7e308},
        {portable::sinh, -30.0, 30.0, 1e-300, 720.0},
        {portable::cosh, -30.0, 30.0, 1e-300, 720.0},
        {portable::acosh, 1.0, 4.0, 1.0, 1.7e308},
    }};
    const std::array<double, 16> specials = {0.0,  -0.0, 1.0,  -1.0, 0.5,  2.0,
                                             inf,  -inf, std::numeric_limits<double>::quiet_NaN(),
                                             std::numeric_limits<double>::denorm_min(),
                                             std::numeric_limits<double>::min(),
                                             std::numeric_limits<double>::max(),
                                             709.782712893384, -745.1332191019411,
                                             710.4758600739439, 0x1.6ac5b262ca1ffp+849};
    Digest digest;
    SplitMix64 random{20261207};
    for (const Function& f : functions) {
        for (const double x : specials) {
            digest.add(f.function(x));
            digest.add(f.function(-x));
        }
        for (int i = 0; i < kPerKind; ++i) { // any bit pattern: NaNs, subnormals, both signs
            digest.add(f.function(coilwind::bitCast<double>(random.next())));
        }
        for (int i = 0; i < kPerKind; ++i) { // evenly over the useful range
            const double u = static_cast<double>(random.next() >> 11U) * 0x1p-53;
            digest.add(f.function(f.from + u * (f.to - f.from)));
        }
        const std::uint64_t low = coilwind::bitCast<std::uint64_t>(f.positiveLow);
        const std::uint64_t high = coilwind::bitCast<std::uint64_t>(f.positiveHigh);
        for (int i = 0; i < kPerKind; ++i) { // every scale of the range alike
            digest.add(f.function(coilwind::bitCast<double>(low + random.next() % (high - low))));
        }
    }
    std::string text(16, '0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[text.size() - 1 - i] = "0123456789abcdef"[(digest.hash >> (4 * i)) & 0xfU];
    }
    std::cout << "portable math digest: " << text << " over " << digest.count << " results\n";
    if (argc > 1 && text != argv[1]) {
        std::cout << "expected " << argv[1] << ": this build's functions give other bits\n";
        return 1;
    }
    return 0;
}
