#pragma once

#include "calc/settings_limits.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace coilwind {

// A setting as typed into its entry box: a plain decimal number within its limit, or nothing.
std::optional<double> readSetting(const SettingLimit& limit, std::string_view text);
// What the user reads when the text is refused: "temperature from -55 to 250 °C, not \"-300\"".
std::string settingRefusal(const SettingLimit& limit, std::string_view text);
// A setting in the report: "Bs 300 mT" (with the label "Bs "), or "Bs refused (from 1 to 2000
// mT)".
std::string settingSummary(const SettingLimit& limit, double value, std::string_view label);

} // namespace coilwind
