#pragma once

#include <version>
#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif

namespace coilwind {

// std::bit_cast where the standard library has it, else the compiler's builtin, the same
// operation and as constexpr: Debian's emscripten 3.1.6 brings a libc++ without std::bit_cast,
// while its clang 14 has __builtin_bit_cast (as g++ 11 and later do).
template <class To, class From> constexpr To bitCast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From), "a bit cast keeps the size");
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    return __builtin_bit_cast(To, from);
#endif
}

} // namespace coilwind
