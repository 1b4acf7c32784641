#include "details_settings.hpp"

#include "calc/number_text.hpp"
#include "shown_text.hpp"
#include "calc/text.hpp"

#include <limits>

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

namespace {

using D = DetailsSettings;
using C = CurrentSettings;

// clang-format off
const NumberSetting kNumberSettings[] = {
    {{"alTolerance", QT_TRANSLATE_NOOP("Settings", "AL 容差 ± (%)"),
      QT_TRANSLATE_NOOP("Settings", "Tolerance of AL, plus or minus percent")},
     &kAlToleranceLimit, &D::alTolerancePercent, nullptr, nullptr},
    {{"temperature", QT_TRANSLATE_NOOP("Settings", "工作温度 (°C)"),
      QT_TRANSLATE_NOOP("Settings", "Operating temperature for the hot resistance, °C")},
     &kTemperatureLimit, &D::temperatureC, nullptr, nullptr},
    {{"saturationFlux", QT_TRANSLATE_NOOP("Settings", "饱和磁通 Bs (mT)"),
      QT_TRANSLATE_NOOP("Settings", "Saturation flux density of the core material, mT")},
     &kSaturationFluxLimit, &D::saturationFluxMt, nullptr, nullptr},
    {{"dcCurrent", QT_TRANSLATE_NOOP("Settings", "直流电流 (A)"),
      QT_TRANSLATE_NOOP("Settings", "DC current through the winding; empty: no current rating. With a current the heat balance gives the working temperature")},
     &kDcCurrentLimit, nullptr, nullptr, &C::dcCurrentA},
    {{"ripple", QT_TRANSLATE_NOOP("Settings", "纹波电流 峰峰 (A)"),
      QT_TRANSLATE_NOOP("Settings", "Ripple current peak to peak, a triangle")},
     &kRippleCurrentLimit, nullptr, &C::rippleCurrentA, nullptr},
    {{"frequency", QT_TRANSLATE_NOOP("Settings", "开关频率 (kHz)"),
      QT_TRANSLATE_NOOP("Settings", "Switching frequency of the ripple, kHz")},
     &kFrequencyLimit, nullptr, &C::frequencyKhz, nullptr},
    {{"ambient", QT_TRANSLATE_NOOP("Settings", "环境温度 (°C)"),
      QT_TRANSLATE_NOOP("Settings", "Ambient temperature, °C")},
     &kAmbientLimit, nullptr, &C::ambientC, nullptr},
    {{"enamelClass", QT_TRANSLATE_NOOP("Settings", "漆包线耐热等级 (°C)"),
      QT_TRANSLATE_NOOP("Settings", "Thermal class of the wire's enamel (IEC 60085), °C")},
     &kEnamelClassLimit, nullptr, &C::enamelClassC, nullptr},
};
// clang-format on

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

std::span<const NumberSetting> numberSettings() {
    return kNumberSettings;
}

const NumberSetting& numberSetting(std::string_view name) {
    for (const NumberSetting& setting : kNumberSettings) {
        if (setting.text.name == name) {
            return setting;
        }
    }
    return kNumberSettings[0];
}

std::optional<double> settingValue(const NumberSetting& setting, const DetailsSettings& settings) {
    if (setting.plain != nullptr) {
        return settings.*setting.plain;
    }
    if (setting.current != nullptr) {
        return settings.current.*setting.current;
    }
    return settings.current.*setting.optional;
}

std::string defaultSettingText(const NumberSetting& setting) {
    const std::optional<double> value = settingValue(setting, DetailsSettings{});
    return value ? shortestText(*value) : std::string();
}

// The table's texts are marked with the context "Settings".
std::string settingCaption(const SettingText& text) {
    return translate("Settings", text.caption.data());
}

std::string settingToolTip(const SettingText& text) {
    return translate("Settings", text.english.data());
}

std::string settingBoxToolTip(const NumberSetting& setting) {
    // "%1": what the setting is; "%2": its range, "from -55 to 250 °C".
    return filled(translate("Settings", "%1; accepted %2"),
                  {settingToolTip(setting.text), rangeText(*setting.limit)});
}

std::vector<SettingRefusal> readNumberSettings(
    DetailsSettings& settings, const std::function<std::string(std::string_view)>& textOf) {
    std::vector<SettingRefusal> refusals;
    for (const NumberSetting& setting : kNumberSettings) {
        const std::string text = textOf(setting.text.name);
        std::optional<double> value = readSetting(*setting.limit, text);
        if (!value && !(setting.optional != nullptr && isBlank(text))) {
            std::string message = settingRefusal(*setting.limit, text);
            // "%1": why the setting's text is refused.
            std::string line = filled(translate("Settings", "• 不在范围内 (refused): %1"), {message});
            refusals.push_back({setting.text.name, std::move(message), std::move(line)});
            value = std::numeric_limits<double>::quiet_NaN();
        }
        if (setting.plain != nullptr) {
            settings.*setting.plain = *value;
        } else if (setting.current != nullptr) {
            settings.current.*setting.current = *value;
        } else {
            settings.current.*setting.optional = value;
        }
    }
    return refusals;
}

} // namespace coilwind
