#include "text.hpp"

#include <atomic>
#include <cstddef>
#include <map>
#include <utility>

namespace coilwind {
namespace {

Catalogue& installed() {
    static Catalogue catalogue = nullptr;
    return catalogue;
}

// Counts the catalogues installed, so that a thread's kept translations follow a new one.
std::atomic<unsigned>& generation() {
    static std::atomic<unsigned> count{0};
    return count;
}

} // namespace

void useCatalogue(Catalogue catalogue) {
    installed() = catalogue;
    ++generation();
}

std::string translate(const char* context, const char* source) {
    if (source == nullptr || *source == '\0') {
        return {};
    }
    return installed() != nullptr ? installed()(context, source) : std::string(source);
}

std::string_view translateOften(const char* context, const char* source) {
    if (installed() == nullptr || source == nullptr || *source == '\0') {
        return source == nullptr ? std::string_view() : std::string_view(source);
    }
    // Keyed by the literals' addresses: each marked text is one constant.
    thread_local std::map<std::pair<const char*, const char*>, std::string> kept;
    thread_local unsigned keptFor = 0;
    if (keptFor != generation()) {
        kept.clear();
        keptFor = generation();
    }
    const auto [entry, added] = kept.try_emplace({context, source});
    if (added) {
        entry->second = installed()(context, source);
    }
    return entry->second;
}

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    appendFilled(text, pattern, values);
    return text;
}

void appendFilled(std::string& text, std::string_view pattern,
                  std::initializer_list<std::string_view> values) {
    // coilwind-batch fills a warning into most rows of a table: one allocation, runs copied whole.
    std::size_t size = text.size() + pattern.size();
    for (const std::string_view value : values) {
        size += value.size();
    }
    text.reserve(size);
    std::size_t copied = 0;
    for (std::size_t at = pattern.find('%'); at != std::string_view::npos;
         at = pattern.find('%', at + 1)) {
        if (at + 1 == pattern.size() || pattern[at + 1] < '1' || pattern[at + 1] > '9') {
            continue;
        }
        const auto number = static_cast<std::size_t>(pattern[at + 1] - '1');
        if (number >= values.size()) {
            continue;
        }
        text.append(pattern.substr(copied, at - copied));
        text.append(values.begin()[number]);
        copied = at + 2;
        ++at;
    }
    text.append(pattern.substr(copied));
}

} // namespace coilwind
