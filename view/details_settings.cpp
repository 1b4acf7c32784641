#include "details_settings.hpp"

#include "calc/number_text.hpp"
#include "shown_text.hpp"
#include "text.hpp"

namespace coilwind {

std::optional<double> readSetting(const SettingLimit& limit, std::string_view text) {
    const std::optional<double> value = readPlainNumber(text);
    return value && limit.admits(*value) ? value : std::nullopt;
}

std::string settingRefusal(const SettingLimit& limit, std::string_view text) {
    // "%1": the setting; "%2": its range; "%3": the text refused.
    return filled(translate("Settings", "%1 %2, not %3"),
                  {limit.name, rangeText(limit), quotedShort(std::string(text))});
}

std::string settingSummary(const SettingLimit& limit, double value, std::string_view label) {
    return limit.admits(value)
               ? std::string(label) + shortestText(value) + " " + std::string(limit.unit)
               : filled(translate("Settings", "%1 refused (%2)"), {limit.name, rangeText(limit)});
}

} // namespace coilwind
