#pragma once

#include "calc/settings_limits.hpp"
#include "calc/text.hpp"
#include "calc/winding_details.hpp"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// A setting of the details as its box shows it: the box's name (the window's object name, the
// page's element id and the design file's key), its caption and its English tooltip, marked for
// the text catalogue.
struct SettingText {
    std::string_view name;
    std::string_view caption;
    std::string_view english;
};

// The wire series' box.
inline constexpr SettingText kSeriesText{
    "series", QT_TRANSLATE_NOOP("Settings", "线规系列"),
    QT_TRANSLATE_NOOP("Settings", "Series of enamelled copper wire the standard wire is taken from")};

// A number setting: its box, the values it accepts and where DetailsSettings holds it. Every front
// end, the design files and the report go through this table.
struct NumberSetting {
    SettingText text;
    const SettingLimit* limit;
    double DetailsSettings::*plain;       // one of the two members is set
    double CurrentSettings::*current;
    std::optional<double> CurrentSettings::*optional; // may be left empty: then there is none
};

// The number settings, in the order the details show them.
std::span<const NumberSetting> numberSettings();
// The setting with that box name; the names are the table's own, so one not in it is a
// programming error (the first row is returned).
const NumberSetting& numberSetting(std::string_view name);

// The setting's value in `settings`; none for an empty optional setting.
std::optional<double> settingValue(const NumberSetting& setting, const DetailsSettings& settings);
// The text its box starts with: the default, or empty.
std::string defaultSettingText(const NumberSetting& setting);

// The caption and the tooltips in the chosen language; the box's tooltip ends with the range it
// accepts.
std::string settingCaption(const SettingText& text);
std::string settingToolTip(const SettingText& text);
std::string settingBoxToolTip(const NumberSetting& setting);

// A refused text: its box's name and why, in the chosen language.
struct SettingRefusal {
    std::string_view name;
    std::string message; // "temperature from -55 to 250 °C, not \"-300\""
    std::string line;    // the same as one line under the settings: "• 不在范围内 (refused): ..."
};

// Reads every number setting from the text of its box (`textOf` gives it by the box's name) into
// `settings`. A refused text leaves a NaN, so that the figures that need it stay empty with their
// reasons; an empty optional setting gives none. Returns the refusals in the table's order.
std::vector<SettingRefusal> readNumberSettings(
    DetailsSettings& settings, const std::function<std::string(std::string_view)>& textOf);

// A setting as typed into its entry box: a plain decimal number within its limit, or nothing.
std::optional<double> readSetting(const SettingLimit& limit, std::string_view text);
// What the user reads when the text is refused: "temperature from -55 to 250 °C, not \"-300\"".
std::string settingRefusal(const SettingLimit& limit, std::string_view text);
// A setting in the report: "Bs 300 mT" (with the label "Bs "), or "Bs refused (from 1 to 2000
// mT)".
std::string settingSummary(const SettingLimit& limit, double value, std::string_view label);

} // namespace coilwind
