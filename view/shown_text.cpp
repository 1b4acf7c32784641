#include "shown_text.hpp"

#include <cstddef>

namespace coilwind {
namespace {

constexpr std::size_t kShownTextLimit = 24;

// At most `limit` characters of a UTF-8 text, an ellipsis marking a cut.
std::string shortened(const std::string& text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t byte = 0; byte < text.size(); ++byte) {
        const bool startsACharacter = (static_cast<unsigned char>(text[byte]) & 0xC0U) != 0x80U;
        if (startsACharacter && characters++ == limit) {
            return text.substr(0, byte) + "…";
        }
    }
    return text;
}

} // namespace

std::string shownOnOneLine(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string quotedShort(const std::string& text) {
    return "\"" + shortened(shownOnOneLine(text), kShownTextLimit) + "\"";
}

} // namespace coilwind
