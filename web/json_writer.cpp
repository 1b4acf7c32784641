#include "json_writer.hpp"

#include "calc/number_text.hpp"

#include <array>
#include <cstdio>

namespace coilwind::web {

void appendJsonString(std::string& json, std::string_view text) {
    json += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escape{};
                std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
                json += escape.data();
            } else {
                json += c;
            }
        }
    }
    json += '"';
}

std::string jsonString(std::string_view text) {
    std::string json;
    appendJsonString(json, text);
    return json;
}

JsonObject& JsonObject::text(std::string_view key, std::string_view value) {
    appendJsonString(member(key), value);
    return *this;
}

JsonObject& JsonObject::number(std::string_view key, double value) {
    appendShortest(member(key), value);
    return *this;
}

JsonObject& JsonObject::boolean(std::string_view key, bool value) {
    member(key) += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::raw(std::string_view key, std::string_view json) {
    member(key) += json;
    return *this;
}

std::string JsonObject::done() const {
    return json_.empty() ? "{}" : json_ + '}';
}

std::string& JsonObject::member(std::string_view key) {
    json_ += json_.empty() ? '{' : ',';
    appendJsonString(json_, key);
    json_ += ':';
    return json_;
}

} // namespace coilwind::web
