#include "result_text.hpp"

#include <utility>

namespace {
std::string result;
} // namespace

namespace coilwind::web {

const char* give(std::string text) {
    result = std::move(text);
    return result.c_str();
}

} // namespace coilwind::web

extern "C" int coilwind_result_size() {
    return static_cast<int>(result.size());
}

extern "C" const char* coilwind_result() {
    return result.c_str();
}
