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

// The working range of enamelled copper winding wire.
// Up to 250 °C: thermal class 250 of IEC 60085:2007, table 1 (classes 90, 105, 120, 130, 155,
// 180, 200, 220, 250; the table as adopted in TCVN 8086:2009), the class just above the hottest
// common enamel, aromatic polyimide, class 240 (IEC 60317-46, NEMA MW 16; Elektrisola's ML240;
// DuPont/IST Pyre-M.L. wire enamel, bulletin ML-1-95: continuous operation up to 240 °C).
// Down to -55 °C: the lowest operating temperature of the usual inductor ratings (Würth
// Elektronik WE-MK 744784047A data sheet: operating temperature -55 °C to +125 °C).
// Within it the copper resistance law (x (1 + 0.00393 (T - 20))) stays between 0.71 and 1.90.
inline constexpr SettingLimit kTemperatureLimit{"temperature", "°C", -55, 250};
// At 100 % the low end of AL would be 0 and the turns it needs infinite.
inline constexpr SettingLimit kAlToleranceLimit{"AL tolerance", "%", 0, 95};
// From the softest ferrites up to the flux density of iron-cobalt alloys.
inline constexpr SettingLimit kSaturationFluxLimit{"Bs", "mT", 1, 2000};

// The current rating's settings. Currents: from none up to what a hand-wound part on a small
// ferrite core could ever be asked to carry; beyond, no number of a small wound part means
// anything.
inline constexpr SettingLimit kDcCurrentLimit{"DC current", "A", 0, 1000};
inline constexpr SettingLimit kRippleCurrentLimit{"ripple current", "A", 0, 1000};
// From 10 Hz to 10 MHz: the one-dimensional layer model assumes layers much wider than thick
// and a winding far below its self-resonance, which a wound ferrite part leaves in the MHz.
inline constexpr SettingLimit kFrequencyLimit{"switching frequency", "kHz", 0.01, 10000};
// The ambient lies within the working range of the wire above, with room for the rise.
inline constexpr SettingLimit kAmbientLimit{"ambient temperature", "°C", -55, 200};
// The thermal classes of IEC 60085:2007, table 1, that enamelled winding wire comes in: from
// class 105 (oleoresinous and polyvinyl acetal enamels) to class 250 (see above).
inline constexpr SettingLimit kEnamelClassLimit{"enamel class", "°C", 105, 250};

// "from -55 to 250 °C"
std::string rangeText(const SettingLimit& limit);

// Throws CalculationFault naming the setting and its range when `value` lies outside (a NaN
// too: the entry boxes' value for text that is no number).
void requireWithin(const SettingLimit& limit, double value);

} // namespace coilwind
