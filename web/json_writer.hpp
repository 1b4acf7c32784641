#pragma once

// The little JSON the page's module hands to web/page.js: strings escaped, numbers in their
// shortest exact form.

#include <string>
#include <string_view>

namespace coilwind::web {

void appendJsonString(std::string& json, std::string_view text);
std::string jsonString(std::string_view text);

// {"key": value, ...} built member by member.
class JsonObject {
public:
    JsonObject& text(std::string_view key, std::string_view value);
    JsonObject& number(std::string_view key, double value);
    JsonObject& boolean(std::string_view key, bool value);
    JsonObject& raw(std::string_view key, std::string_view json);
    std::string done() const;

private:
    std::string& member(std::string_view key);
    std::string json_;
};

// [item, ...], each item written by toJson.
template <typename Items, typename ToJson>
std::string jsonArray(const Items& items, ToJson toJson) {
    std::string json = "[";
    for (const auto& item : items) {
        json += json.size() > 1 ? "," : "";
        json += toJson(item);
    }
    return json + ']';
}

} // namespace coilwind::web
