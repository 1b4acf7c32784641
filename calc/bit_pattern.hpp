#pragma once

#include <cstdint>

// A double's IEEE 754 bits and back, exactly, at compile time too. std::bit_cast would do, but
// the libc++ of the WebAssembly toolchain (emscripten 3.1.6) lacks it; the builtin behind it is
// in every compiler the project builds with (GCC 11+, Clang 9+).
namespace coilwind {

constexpr std::uint64_t bitsOf(double x) {
    return __builtin_bit_cast(std::uint64_t, x);
}
constexpr double doubleOfBits(std::uint64_t pattern) {
    return __builtin_bit_cast(double, pattern);
}

} // namespace coilwind
