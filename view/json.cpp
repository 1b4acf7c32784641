#include "json.hpp"

#include <array>
#include <cstdint>
#include <cstdio>
#include <set>

namespace coilwind::json {
namespace {

// Length of the valid UTF-8 sequence that starts at `pos`, or 0 when the bytes there are none.
std::size_t sequenceLength(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0U;
    };
    const unsigned first = byte(pos);
    const auto continuation = [&](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
        const unsigned b = byte(i);
        return b >= low && b <= high;
    };
    if (first < 0x80) {
        return pos < text.size() ? 1 : 0;
    }
    if (first >= 0xC2 && first <= 0xDF) {
        return continuation(pos + 1) ? 2 : 0;
    }
    if (first >= 0xE0 && first <= 0xEF) {
        // No overlong form (E0 needs A0..), no surrogate (ED needs ..9F).
        const unsigned low = first == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = first == 0xED ? 0x9F : 0xBF;
        return continuation(pos + 1, low, high) && continuation(pos + 2) ? 3 : 0;
    }
    if (first >= 0xF0 && first <= 0xF4) {
        const unsigned low = first == 0xF0 ? 0x90 : 0x80;
        const unsigned high = first == 0xF4 ? 0x8F : 0xBF;
        return continuation(pos + 1, low, high) && continuation(pos + 2) && continuation(pos + 3)
                   ? 4
                   : 0;
    }
    return 0;
}

void appendCodePoint(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void appendEscape(std::string& out, unsigned code) {
    std::array<char, 8> escape{};
    std::snprintf(escape.data(), escape.size(), "\\u%04x", code);
    out += escape.data();
}

// Thrown inside the parser only, turned into ParseResult::problem.
struct Refusal {
    std::size_t pos;
    std::string what;
};

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Value document() {
        skipBlanks();
        Value value = element(0);
        skipBlanks();
        if (pos_ != text_.size()) {
            refuse("more after the end of the JSON value");
        }
        return value;
    }

    std::string where(std::size_t pos) const {
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i < pos && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++line;
                column = 1;
            } else if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80) {
                ++column; // characters, not bytes
            }
        }
        return "line " + std::to_string(line) + ", column " + std::to_string(column);
    }

private:
    [[noreturn]] void refuse(std::string what) const { throw Refusal{pos_, std::move(what)}; }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool atEnd() const { return pos_ >= text_.size(); }

    void skipBlanks() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
            ++pos_;
        }
    }

    void expect(char c) {
        if (peek() != c || atEnd()) {
            refuse(std::string("expected '") + c + "'");
        }
        ++pos_;
    }

    void literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) {
            refuse("not a JSON value");
        }
        pos_ += word.size();
    }

    Value element(int depth) {
        if (depth >= kMaxDepth) {
            refuse("nested more than " + std::to_string(kMaxDepth) + " deep");
        }
        if (atEnd()) {
            refuse("the text ends where a value should follow");
        }
        switch (peek()) {
        case '{':
            return Value{object(depth)};
        case '[':
            return Value{array(depth)};
        case '"':
            return Value{string()};
        case 't':
            literal("true");
            return Value{true};
        case 'f':
            literal("false");
            return Value{false};
        case 'n':
            literal("null");
            return Value{Null{}};
        default:
            return Value{number()};
        }
    }

    std::shared_ptr<Members> object(int depth) {
        auto members = std::make_shared<Members>();
        ++pos_;
        skipBlanks();
        if (peek() == '}') {
            ++pos_;
            return members;
        }
        while (true) {
            skipBlanks();
            if (peek() != '"') {
                refuse("expected a key in quotes");
            }
            std::string key = string();
            skipBlanks();
            expect(':');
            skipBlanks();
            Value value = element(depth + 1);
            members->emplace_back(std::move(key), std::move(value));
            skipBlanks();
            if (peek() == ',' && !atEnd()) {
                ++pos_;
                continue;
            }
            if (peek() == '}' && !atEnd()) {
                ++pos_;
                return members;
            }
            refuse("expected ',' or '}'");
        }
    }

    std::shared_ptr<Items> array(int depth) {
        auto items = std::make_shared<Items>();
        ++pos_;
        skipBlanks();
        if (peek() == ']') {
            ++pos_;
            return items;
        }
        while (true) {
            skipBlanks();
            items->push_back(element(depth + 1));
            skipBlanks();
            if (peek() == ',' && !atEnd()) {
                ++pos_;
                continue;
            }
            if (peek() == ']' && !atEnd()) {
                ++pos_;
                return items;
            }
            refuse("expected ',' or ']'");
        }
    }

    unsigned hex4() {
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = peek();
            unsigned digit = 0;
            if (atEnd()) {
                refuse("the text ends inside a \\u escape");
            } else if (c >= '0' && c <= '9') {
                digit = static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                digit = static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                digit = static_cast<unsigned>(c - 'A' + 10);
            } else {
                refuse("a \\u escape needs four hexadecimal digits");
            }
            code = code * 16 + digit;
            ++pos_;
        }
        return code;
    }

    std::string string() {
        std::string out;
        ++pos_; // the opening quote
        while (true) {
            if (atEnd()) {
                refuse("the text ends inside a string");
            }
            const auto c = static_cast<unsigned char>(peek());
            if (c == '"') {
                ++pos_;
                return out;
            }
            if (c < 0x20) {
                refuse("a control character inside a string must be escaped");
            }
            if (c == '\\') {
                ++pos_;
                escape(out);
                continue;
            }
            const std::size_t length = sequenceLength(text_, pos_);
            if (length == 0) {
                refuse("bytes that are not UTF-8");
            }
            out.append(text_.substr(pos_, length));
            pos_ += length;
        }
    }

    void escape(std::string& out) {
        const char c = peek();
        if (atEnd()) {
            refuse("the text ends inside an escape");
        }
        ++pos_;
        switch (c) {
        case '"':
            out += '"';
            return;
        case '\\':
            out += '\\';
            return;
        case '/':
            out += '/';
            return;
        case 'b':
            out += '\b';
            return;
        case 'f':
            out += '\f';
            return;
        case 'n':
            out += '\n';
            return;
        case 'r':
            out += '\r';
            return;
        case 't':
            out += '\t';
            return;
        case 'u':
            break;
        default:
            --pos_;
            refuse("an unknown escape");
        }
        std::uint32_t code = hex4();
        if (code >= 0xDC00 && code <= 0xDFFF) {
            refuse("a \\u escape holds the second half of a surrogate pair alone");
        }
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (text_.substr(pos_, 2) != "\\u") {
                refuse("a \\u escape holds the first half of a surrogate pair alone");
            }
            pos_ += 2;
            const unsigned low = hex4();
            if (low < 0xDC00 || low > 0xDFFF) {
                refuse("a \\u escape holds the first half of a surrogate pair alone");
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        appendCodePoint(out, code);
    }

    Number number() {
        const std::size_t start = pos_;
        const auto digits = [&] {
            const std::size_t first = pos_;
            while (!atEnd() && peek() >= '0' && peek() <= '9') {
                ++pos_;
            }
            return pos_ - first;
        };
        if (peek() == '-') {
            ++pos_;
        }
        if (peek() == '0' && !atEnd()) {
            ++pos_;
        } else if (digits() == 0) {
            pos_ = start;
            refuse("not a JSON value");
        }
        if (peek() == '.' && !atEnd()) {
            ++pos_;
            if (digits() == 0) {
                refuse("a number needs digits after its point");
            }
        }
        if ((peek() == 'e' || peek() == 'E') && !atEnd()) {
            ++pos_;
            if ((peek() == '+' || peek() == '-') && !atEnd()) {
                ++pos_;
            }
            if (digits() == 0) {
                refuse("an exponent needs digits");
            }
        }
        return Number{std::string(text_.substr(start, pos_ - start))};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

const Members* Value::object() const {
    const auto* members = std::get_if<std::shared_ptr<Members>>(&data);
    return members != nullptr ? members->get() : nullptr;
}

const Items* Value::array() const {
    const auto* items = std::get_if<std::shared_ptr<Items>>(&data);
    return items != nullptr ? items->get() : nullptr;
}

std::string_view Value::kindName() const {
    switch (data.index()) {
    case 0:
        return "null";
    case 1:
        return "true or false";
    case 2:
        return "a number";
    case 3:
        return "a text";
    case 4:
        return "a list";
    default:
        return "an object";
    }
}

const Value* find(const Members& members, std::string_view key) {
    for (const auto& [name, value] : members) {
        if (name == key) {
            return &value;
        }
    }
    return nullptr;
}

const std::string* repeatedKey(const Members& members) {
    std::set<std::string_view> seen;
    for (const auto& member : members) {
        if (!seen.insert(member.first).second) {
            return &member.first;
        }
    }
    return nullptr;
}

ParseResult parse(std::string_view text) {
    Parser parser(text);
    try {
        return {parser.document(), {}};
    } catch (const Refusal& refusal) {
        return {Value{}, parser.where(refusal.pos) + ": " + refusal.what};
    }
}

std::size_t appendString(std::string& out, std::string_view text) {
    std::size_t replaced = 0;
    out += '"';
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto c = static_cast<unsigned char>(text[pos]);
        const std::size_t length = sequenceLength(text, pos);
        if (length == 0) {
            out += "\\ufffd";
            ++replaced;
            ++pos;
            continue;
        }
        if (length == 1) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    appendEscape(out, c);
                } else {
                    out += static_cast<char>(c);
                }
            }
        } else if (length == 3 && c == 0xE2 && static_cast<unsigned char>(text[pos + 1]) == 0x80 &&
                   (static_cast<unsigned char>(text[pos + 2]) == 0xA8 ||
                    static_cast<unsigned char>(text[pos + 2]) == 0xA9)) {
            appendEscape(out,
                         static_cast<unsigned char>(text[pos + 2]) == 0xA8 ? 0x2028U : 0x2029U);
        } else {
            out.append(text.substr(pos, length));
        }
        pos += length;
    }
    out += '"';
    return replaced;
}

bool isUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = sequenceLength(text, pos);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

} // namespace coilwind::json
