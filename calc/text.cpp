#include "text.hpp"

#include <cstddef>
#include <vector>

namespace coilwind {
namespace {

Catalogue& installed() {
    static Catalogue catalogue = nullptr;
    return catalogue;
}

} // namespace

void useCatalogue(Catalogue catalogue) {
    installed() = catalogue;
}

std::string translate(const char* context, const char* source) {
    if (source == nullptr || *source == '\0') {
        return {};
    }
    return installed() != nullptr ? installed()(context, source) : std::string(source);
}

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> list(values);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const auto number = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (number < list.size()) {
                text += list[number];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

} // namespace coilwind
