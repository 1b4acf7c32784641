#pragma once

// Helpers shared by the fuzz targets: a property check that stops the run with a message, and the
// shape of a number written with a fixed count of decimals.

#include <cstdio>
#include <cstdlib>
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

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// -?[0-9]+\.[0-9]{decimals}, the whole part without superfluous leading zeros.
constexpr bool isFixedText(std::string_view text, int decimals) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    const std::size_t wholeStart = i;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    const std::size_t wholeLength = i - wholeStart;
    if (wholeLength == 0 || (wholeLength > 1 && text[wholeStart] == '0')) {
        return false;
    }
    if (i == text.size() || text[i] != '.') {
        return false;
    }
    ++i;
    if (text.size() - i != static_cast<std::size_t>(decimals)) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) {
            return false;
        }
    }
    return true;
}

static_assert(isFixedText("0.0", 1) && isFixedText("-0.0", 1) && isFixedText("12.345", 3));
static_assert(!isFixedText("1.", 1) && !isFixedText(".5", 1) && !isFixedText("1.00", 1) &&
              !isFixedText("01.0", 1) && !isFixedText("--1.0", 1) && !isFixedText("1.0\n", 1) &&
              !isFixedText("1e5.0", 1) && !isFixedText("", 1));

} // namespace coilwind::fuzz
