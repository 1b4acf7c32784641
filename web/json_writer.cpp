#include "json_writer.hpp"

#include "calc/number_text.hpp"
#include "view/json.hpp"

namespace coilwind::web {

// The design files' string writer: one set of escapes for everything the page reads as JSON.
void appendJsonString(std::string& json, std::string_view text) {
    json::appendString(json, text);
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
