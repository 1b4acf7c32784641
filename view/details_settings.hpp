#pragma once

#include "calc/settings_limits.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace coilwind {

// A number setting of the details as its box shows it: the box's name (the window's object name,
// the page's element id and the design file's key), its caption and its English tooltip.
struct SettingText {
    std::string_view name;
    std::string_view caption;
    std::string_view english;
};

// The wire series' box.
inline constexpr SettingText kSeriesText{
    "series", "线规系列", "Series of enamelled copper wire the standard wire is taken from"};

// The number settings, in the order the details show them; the name finds the text.
inline constexpr SettingText kSettingTexts[] = {
    {"alTolerance", "AL 容差 ± (%)", "Tolerance of AL, plus or minus percent"},
    {"temperature", "工作温度 (°C)", "Operating temperature for the hot resistance, °C"},
    {"saturationFlux", "饱和磁通 Bs (mT)", "Saturation flux density of the core material, mT"},
    {"dcCurrent", "直流电流 (A)",
     "DC current through the winding; empty: no current rating. With a current the heat "
     "balance gives the working temperature"},
    {"ripple", "纹波电流 峰峰 (A)", "Ripple current peak to peak, a triangle"},
    {"frequency", "开关频率 (kHz)", "Switching frequency of the ripple, kHz"},
    {"ambient", "环境温度 (°C)", "Ambient temperature, °C"},
    {"enamelClass", "漆包线耐热等级 (°C)", "Thermal class of the wire's enamel (IEC 60085), °C"},
};

// The text of the setting with that box name; the names are the table's own, so one not in it
// is a programming error (the first row is returned).
const SettingText& settingText(std::string_view name);

// A setting as typed into its entry box: a plain decimal number within its limit, or nothing.
std::optional<double> readSetting(const SettingLimit& limit, std::string_view text);
// What the user reads when the text is refused: "temperature from -55 to 250 °C, not \"-300\"".
std::string settingRefusal(const SettingLimit& limit, std::string_view text);
// A setting in the report: "Bs 300 mT" (with the label "Bs "), or "Bs refused (from 1 to 2000
// mT)".
std::string settingSummary(const SettingLimit& limit, double value, std::string_view label);

} // namespace coilwind
