#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace coilwind {

// The range each winding-details setting is accepted in, one place for the details window's entry
// boxes, the batch tool's options and the details calculation.
struct SettingLimit {
    std::string_view name; // "temperature", "AL tolerance", "Bs"
    std::string_view unit; // "°C", "%", "mT"
    double lowest;
    double highest;

    constexpr bool admits(double value) const { return value >= lowest && value <= highest; }
};

// The working range of enamelled winding wire: the lowest temperature of the usual component
// ratings up to the highest thermal class of the common polyimide enamels.
inline constexpr SettingLimit kTemperatureLimit{"temperature", "°C", -55, 250};
inline constexpr SettingLimit kAlToleranceLimit{"AL tolerance", "%", 0, 95};
// From the softest ferrites up to the flux density of iron-cobalt alloys.
inline constexpr SettingLimit kSaturationFluxLimit{"Bs", "mT", 1, 2000};

// "from -55 to 250 °C"
std::string rangeText(const SettingLimit& limit);

} // namespace coilwind
