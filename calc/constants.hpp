#pragma once

// Every constant the calculation uses, in two groups that must never be mixed:
//
// - `window`: the main window's formulas, exactly as they have always been computed. These are
//   rounded on purpose (pi is 3.14, copper density 8.95) and are part of what the window shows;
//   changing one changes the window's results.
// - `physics`: the physical values the additions (the winding details, the open-core models,
//   the current rating) compute with, each at full precision and with its source.
//
// A text that quotes one of these numbers is built from the constant (number_text's
// shortestText), never typed again.

#include <numbers>

namespace coilwind {

namespace window {

inline constexpr double kPi = 3.14;
inline constexpr double kHalfPi = 1.57;
inline constexpr double kMu0NhPerMm = 1.257;         // permeability of free space
inline constexpr double kAlScale = 0.1;              // nH·mm over mm to AL's unit
inline constexpr double kNanoPerMicro = 1000;        // µH to nH
inline constexpr double kFillFactor = 0.45;          // share of the winding window that is copper
inline constexpr double kPitchPerDiameter = 1.15;    // space per turn over wire diameter
inline constexpr double kResistivity = 17.9;         // copper, with lengths in mm ...
inline constexpr double kResistivityScale = 1000000; // ... and the result in Ω
inline constexpr double kDensity = 8.95;             // copper, with volumes in mm³ ...
inline constexpr double kDensityScale = 0.001;       // ... and the result in g

} // namespace window

namespace physics {

inline constexpr double kPi = std::numbers::pi;

// µ0 = 4π × 10⁻⁷ H/m, the conventional value (exact before the 2019 SI revision; CODATA 2018
// gives 1.00000000055 times it, far below anything a ferrite's tolerance lets one see). In nH/mm:
// 1 H/m = 10⁹ nH / 10³ mm = 10⁶ nH/mm.
inline constexpr double kMu0HPerM = 4e-7 * kPi;
inline constexpr double kMu0NhPerMm = kMu0HPerM * 1e6;

// Annealed copper at 20 °C, IEC 60028:1925 (International Annealed Copper Standard):
// resistivity 1/58 Ω·mm²/m, that is a conductivity of 58 m/(Ω·mm²) = 58 MS/m; temperature
// coefficient of resistance 0.00393 per kelvin at 20 °C; density 8.89 g/cm³.
inline constexpr double kCopperConductivity = 58; // m per (Ω mm²) at 20 °C
inline constexpr double kCopperTemperatureCoefficient = 0.00393; // per kelvin, from 20 °C
inline constexpr double kCopperReferenceTemperatureC = 20;
inline constexpr double kCopperDensity = 8.89; // g/cm³

// Temperature rise of a wound part in free-standing air from its loss and outer surface:
// ΔT [K] = (P [mW] / A [cm²])^0.833, the Amidon formula as given by S. Zurek, "Thermal
// resistance of ferrite cores", Encyclopedia Magnetica (e-magnetica.pl), formula (2); Magnetics
// Inc. gives the same law for wound powder-core toroids. An empirical fit of natural convection
// and radiation together.
inline constexpr double kRiseExponent = 0.833;
inline constexpr double kMilliwattPerWatt = 1000;
inline constexpr double kSquareMmPerSquareCm = 100;

// Bundle of n round strands: overall diameter ≈ 1.155 × strand diameter × √n (2/√3, the
// hexagonal packing of bunched strands), New England Wire Technologies, "Litz wire technical
// reference: calculating the outside diameter".
inline constexpr double kBundlePacking = 1.155;

} // namespace physics

} // namespace coilwind
