#pragma once

// Helpers shared by the fuzz targets: a property check that stops the run with a message, and the
// shape of a number written with a fixed count of decimals.

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

namespace coilwind::fuzz {

// Stops the run so libFuzzer keeps the input as a crash artifact.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "\n*** property violated: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

inline void require(bool holds, const char* what) {
    if (!holds) {
        fail(what);
    }
}

// -?[0-9]+\.[0-9]{decimals}, the whole part without superfluous leading zeros; decimals 0 to 4.
inline bool isFixedText(std::string_view text, int decimals) {
    const auto shape = [](int n) {
        return std::regex("-?(0|[1-9][0-9]*)\\.[0-9]{" + std::to_string(n) + "}");
    };
    static const std::regex shapes[] = {shape(0), shape(1), shape(2), shape(3), shape(4)};
    return std::regex_match(text.begin(), text.end(), shapes[decimals]);
}

} // namespace coilwind::fuzz
