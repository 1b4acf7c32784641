#pragma once

#include <optional>
#include <string>

namespace coilwind {

// A second estimate of a rod core's AL, from the rod's shape.
//
// The main window's rod AL grows in proportion to the permeability typed in, as if the flux ran
// through ferrite all the way round. A rod's flux returns through air, and the rod's own poles
// oppose the field that magnetises it, so the rod behaves as a much lower "rod permeability":
//
//   µrod = µ / (1 + N (µ - 1))
//
// with N the demagnetising factor along the axis. N is taken as that of the prolate spheroid with
// the rod's length-to-diameter ratio m (J. A. Osborn, "Demagnetizing Factors of the General
// Ellipsoid", Phys. Rev. 67, 351-357, 1945; the same closed form in E. C. Stoner, Phil. Mag. 36,
// 803-821, 1945):
//
//   N = (m / sqrt(m² - 1) × ln(m + sqrt(m² - 1)) - 1) / (m² - 1)
//
// The winding is taken to cover the whole rod, evenly, as the main window's wire formula lays
// its turns side by side along B: AL = µ0 × µrod × π (A/2)² / B, with
// µ0 = 4π × 10⁻⁷ H/m. This is how Fair-Rite Products Corp. state the inductance of a wound rod
// in their rod data (L = K µ0 µrod N² Ae / l, with the inductance modifier K = 1 for a winding
// over the whole rod; a shorter winding centred on the rod gets more, up to about 3 times at a
// tenth of the length, so a shorter winding makes this AL an underestimate).
//
// Fair-Rite's chart "Rod Permeability vs. Rod Length divided by Rod Diameter" (Figure 1 of that
// data, materials 61, 52, 33, 77/78 and 67: µ = 125, 250, 600, 2000/2300 and 40, length over
// diameter 1 to 10) coincides with this model to within a reading of the chart wherever the
// curves can be told apart; tests/calc/rod_permeability_test.cpp keeps the points read off it.
// The chart stops at length over diameter 10 and at µ 2300, and the curves merge below 2: the
// model gives figures only inside that range, and says why it gives none outside it. A real
// cylinder is not a spheroid; the chart is the published backing for using the spheroid's N for
// rods, not a measurement of every rod.

inline constexpr double kRodModelMinLengthPerDiameter = 2;
inline constexpr double kRodModelMaxLengthPerDiameter = 10;
inline constexpr double kRodModelMinPermeability = 40;
inline constexpr double kRodModelMaxPermeability = 2300;

// Why the model gives no figures for a rod.
enum class RodModelGap {
    NoShape,             // diameter, length or permeability not a finite number above zero
    TooShort,            // length below twice the diameter
    TooLong,             // length above ten times the diameter
    PermeabilityTooLow,  // µ below 40
    PermeabilityTooHigh, // µ above 2300
    BeyondDoubleRange,   // a figure would leave the range of a double (absurd sizes)
};

// A sentence for the user naming the limit that was crossed, in English.
std::string describeRodModelGap(RodModelGap gap);

struct RodShapeEstimate {
    double lengthPerDiameter = 0;
    double demagnetisingFactor = 0;   // N of the spheroid with that ratio
    double effectivePermeability = 0; // µrod
    double alNh = 0;                  // µ0 µrod π (A/2)² / B, winding over the whole rod
    double quickAlNh = 0;             // the main window's formula for the same rod, not rounded
    double ratioToQuick = 0;          // alNh / quickAlNh
    std::optional<double> turns;      // for the wanted inductance; none unless it is above zero and
                                      // the turns are a finite number
};

// Exactly one of the two is set.
struct RodSecondOpinion {
    std::optional<RodShapeEstimate> estimate;
    std::optional<RodModelGap> gap;
};

// The rod's estimate from its diameter A and length B (mm), the material permeability and the
// wanted inductance (µH). Never throws.
RodSecondOpinion rodSecondOpinion(double diameterMm, double lengthMm, double permeability,
                                  double wantedUh);

// The two AL figures disagree when the larger is more than 25 % above the smaller.
inline constexpr double kRodDisagreementLimit = 0.25;
bool alFiguresDisagree(const RodShapeEstimate& estimate);

// In one English sentence: why the model gives no figures, or that its AL and the quick
// formula's disagree; none when they agree.
std::optional<std::string> rodModelNote(const RodSecondOpinion& opinion);

} // namespace coilwind
