#include "details_settings.hpp"

#include "calc/number_text.hpp"
#include "shown_text.hpp"

namespace coilwind {

std::optional<double> readSetting(const SettingLimit& limit, std::string_view text) {
    const std::optional<double> value = readPlainNumber(text);
    return value && limit.admits(*value) ? value : std::nullopt;
}

std::string settingRefusal(const SettingLimit& limit, std::string_view text) {
    return std::string(limit.name) + " " + rangeText(limit) + ", not " +
           quotedShort(std::string(text));
}

std::string settingSummary(const SettingLimit& limit, double value, std::string_view label) {
    return limit.admits(value)
               ? std::string(label) + shortestText(value) + " " + std::string(limit.unit)
               : std::string(limit.name) + " refused (" + rangeText(limit) + ")";
}

const SettingText& settingText(std::string_view name) {
    for (const SettingText& text : kSettingTexts) {
        if (text.name == name) {
            return text;
        }
    }
    return kSettingTexts[0];
}

} // namespace coilwind
