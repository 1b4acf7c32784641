#pragma once

// The small part of JSON the design files and the recent-designs list need: a strict reader into
// a tree that keeps the members' order and repeated keys (the caller names the key it refuses),
// and the writing of a string. Toolkit-free, so the desktop and the page read files alike.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace coilwind::json {

struct Value;
using Members = std::vector<std::pair<std::string, Value>>;
using Items = std::vector<Value>;

struct Null {};
// A number keeps its text: a version must be a whole number, which a double would hide.
struct Number {
    std::string text;
};

struct Value {
    std::variant<Null, bool, Number, std::string, std::shared_ptr<Items>, std::shared_ptr<Members>>
        data;

    const std::string* string() const { return std::get_if<std::string>(&data); }
    const Members* object() const;
    const Items* array() const;
    const Number* number() const { return std::get_if<Number>(&data); }
    // "a text", "a number", "an object", ... for messages.
    std::string_view kindName() const;
};

// The first member with the key, or none.
const Value* find(const Members& members, std::string_view key);
// The first key that appears twice, or none.
const std::string* repeatedKey(const Members& members);

struct ParseResult {
    Value value;
    std::string problem; // empty when the text is JSON: "line 3, column 5: expected ':'"
};

// RFC 8259 JSON in UTF-8 (a byte-order mark is refused, like any other byte that is no JSON),
// nested at most kMaxDepth deep. Strings must be valid UTF-8 and escape no half of a surrogate
// pair alone, so every string read is valid UTF-8.
inline constexpr int kMaxDepth = 32;
ParseResult parse(std::string_view text);

// Appends the text as a JSON string: quotes, backslashes, control characters, DEL and the two
// line separators JavaScript once refused (U+2028, U+2029) escaped; any byte that is no part of
// valid UTF-8 becomes U+FFFD. Returns how many bytes were replaced.
std::size_t appendString(std::string& out, std::string_view text);
// Whether the text is valid UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool isUtf8(std::string_view text);

} // namespace coilwind::json
