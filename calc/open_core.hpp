#pragma once

#include "core_type.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace coilwind {

// Second opinions on AL for open cores, the rod and the drum, from their shapes.
//
// The main window's formulas treat the core as a closed ring of ferrite, so their AL grows in
// proportion to the permeability typed in. An open core's flux returns through air, and the
// core's own poles oppose the field that magnetises it. Both models below describe that with the
// demagnetising factor N of a spheroid, along its axis, with the core's length-to-diameter ratio
// m (J. A. Osborn, "Demagnetizing Factors of the General Ellipsoid", Phys. Rev. 67, 351-357,
// 1945; the same closed forms in E. C. Stoner, Phil. Mag. 36, 803-821, 1945):
//
//   prolate, m > 1: N = (m / sqrt(m² - 1) × arcosh m - 1) / (m² - 1)
//   sphere,  m = 1: N = 1/3
//   oblate,  m < 1: N = (1 - m / sqrt(1 - m²) × arccos m) / (1 - m²)
//
// In a magnetic circuit N is the air return's share: a body of permeability µ, section S and
// length l magnetised along l has the apparent permeability µ / (1 + N (µ - 1)), which is the
// ferrite's reluctance l / (µ0 µ S) in series with an air reluctance N l / (µ0 S), within the
// small term N / µ (E. C. Snelling, "Soft Ferrites: Properties and Applications", 2nd ed.,
// Butterworths 1988, on cores with an open magnetic circuit). µ0 comes from constants.hpp.
//
// Rod model. AL = µ0 µrod π (A/2)² / B with µrod = µ / (1 + N (µ - 1)) and N of the rod's
// length / diameter, the winding spread evenly over the whole rod as the main window's wire
// formula lays its turns. This is how Fair-Rite Products Corp. state the inductance of a wound
// rod (L = K µ0 µrod N² Ae / l, K = 1 for a winding over the whole rod; a shorter winding centred
// on the rod gets more). Fair-Rite's chart "Rod Permeability vs. Rod Length divided by Rod
// Diameter" coincides with µrod within a reading of the chart (tests/calc/open_core_test.cpp);
// that chart is itself drawn from a model, not from measured rods. An axisymmetric field
// solution of wound rods (tools/fem) gives the band below.
//
// Drum model: the series reluctance of an open core. The flux the winding drives runs up the
// post (length F plus half of each flange, section π(B/2)²), spreads radially through both
// flanges (a disc of thickness t = (D - F)/2 from radius B/2 to A/2: ln(A/B) / (2π µ0 µ t)
// each), and returns through air. The air return is that of the drum's envelope, a body of
// diameter A and length D, with N of the spheroid of m = D/A:
//
//   R_air = N × l_w / (µ0 π (A/2)²),  l_w = F × (D/F)^p × (2B/A)^q × (D/A)^s
//
// l_w is the length over which the envelope's poles act on the winding: between the winding's
// own length F and the core's length D, a weighted geometric mean of the two (p); q and s
// correct a spheroid's N towards a flanged cylinder's. p, q and s were fitted to the field
// solutions of one half of the drum grid (tools/fem, tests/data/open_core_fem.csv) and checked
// on the other half. AL = 1 / (R_ferrite + R_air), kept between the model's two bounds:
//
//   lower: the post alone as a rod of length D, wound over its whole length (the rod model);
//   upper: the envelope filled with ferrite, µ / (1 + N (µ - 1)), wound over F only.
//
// Removing the flanges can only lower AL, filling the envelope can only raise it; every one of
// the 96 field solutions lies between the two. A drum whose flanges are no wider than the post
// and as long as its winding is a rod: both bounds are then the rod model, and so is the AL.

// Each model gives figures only inside the range it was validated on, and says why it gives
// none outside it. Each estimate carries the band of errors its validation measured, and says
// what it was validated against.

// A validated range of one quantity, inclusive, and the name the messages give it.
struct ModelLimit {
    std::string_view quantity; // "length / diameter", "µ", "B / A", ...
    double low;
    double high;
};

// The rod model's range: Fair-Rite's chart stops at length / diameter 10 and µ 2300, and its
// curves merge below length / diameter 2.
inline constexpr ModelLimit kRodLengthPerDiameter{"length / diameter (B / A)", 2, 10};
inline constexpr ModelLimit kRodPermeability{"µ", 40, 2300};
// The drum model's range: the field-solution grid it was fitted and checked on.
inline constexpr ModelLimit kDrumPostPerFlange{"B / A", 0.33, 0.67};
inline constexpr ModelLimit kDrumLengthPerFlange{"D / A", 0.6, 1.5};
inline constexpr ModelLimit kDrumWidthPerLength{"F / D", 0.6, 0.8};
inline constexpr ModelLimit kDrumPermeability{"µ", 125, 2000};

// The drum model's exponents p, q and s of the air return's length (see above), fitted on the
// "fit" half of tests/data/open_core_fem.csv.
inline constexpr double kDrumLengthExponent = 0.33;  // p, of D/F
inline constexpr double kDrumPostExponent = 0.09;    // q, of 2B/A
inline constexpr double kDrumAspectExponent = -0.19; // s, of D/A

// What a model's validation measured: its AL over the reference AL, less one, from the lowest
// to the highest, and against what.
struct ValidationBand {
    double lowError;
    double highError;
    std::string_view against; // "an axisymmetric field solution of 32 drums at µ 125-2000"
};

// tests/calc/open_core_fem_test.cpp holds the models to these bands on every field solution.
inline constexpr ValidationBand kRodBand{
    -0.06, 0.05,
    "an axisymmetric field solution of 10 rods wound over their whole length, length / diameter "
    "2-10, µ 125-2000; and Fair-Rite's rod chart, itself drawn from a model, not measured rods"};
inline constexpr ValidationBand kDrumBand{
    -0.03, 0.03,
    "an axisymmetric field solution of 32 drums with the winding filling the space between the "
    "flanges, µ 125-2000 (96 cases, half of them fitted); no maker's part with full dimensions "
    "and AL could be sourced"};

// Why a model gives no figures.
struct OpenCoreGap {
    enum class Kind {
        NoShape,           // a dimension or µ not a finite number above zero
        BelowRange,        // a quantity below its limit
        AboveRange,        // a quantity above its limit
        BeyondDoubleRange, // a figure would leave the range of a double (absurd sizes)
        FlangeNotAbovePost // drum: B at least A, or F at least D
    };
    Kind kind = Kind::NoShape;
    std::optional<ModelLimit> limit; // for BelowRange and AboveRange
    double value = 0;                // the quantity's value, likewise

    friend bool operator==(const OpenCoreGap& a, const OpenCoreGap& b) {
        return a.kind == b.kind && a.limit.has_value() == b.limit.has_value() &&
               (!a.limit || a.limit->quantity == b.limit->quantity);
    }
};

// A sentence for the user naming the limit that was crossed, in English:
// "the drum model holds for B / A from 0.33 to 0.67; this core: 0.25".
std::string describeGap(CoreType core, const OpenCoreGap& gap);

struct OpenCoreEstimate {
    CoreType core = CoreType::Rod;
    double demagnetisingFactor = 0;   // N: of the rod's spheroid, or of the drum's envelope
    double effectivePermeability = 0; // AL × winding length / (µ0 × the ferrite section under it)
    double lowerAlNh = 0;             // drum: air return over D; rod: AL itself
    double upperAlNh = 0;             // drum: air return over F; rod: AL itself
    double alNh = 0;                  // the model's AL
    double quickAlNh = 0;             // the main window's formula for the same core, not rounded
    double ratioToQuick = 0;          // alNh / quickAlNh
    ValidationBand band{};
    // The true AL the band allows: alNh / (1 + highError) to alNh / (1 + lowError).
    double bandLowAlNh = 0;
    double bandHighAlNh = 0;
    // For the wanted inductance; none unless it is above zero and the turns are finite. The
    // turns at the band's high AL are the fewest.
    std::optional<double> turns;
    std::optional<double> fewestTurns;
    std::optional<double> mostTurns;
};

// Exactly one of estimate and gap is set.
struct OpenCoreOpinion {
    CoreType core = CoreType::Rod;
    std::optional<OpenCoreEstimate> estimate;
    std::optional<OpenCoreGap> gap;
};

// The rod's estimate from its diameter A and length B (mm), the material permeability and the
// wanted inductance (µH). Never throws.
OpenCoreOpinion rodSecondOpinion(double diameterMm, double lengthMm, double permeability,
                                 double wantedUh);

// The drum's estimate from A (flange diameter), B (post diameter), D (length) and F (winding
// width), in mm, the permeability and the wanted inductance (µH). Never throws.
OpenCoreOpinion drumSecondOpinion(double aMm, double bMm, double dMm, double fMm,
                                  double permeability, double wantedUh);

// The drum model's figures without its range: for a check of its physics. A must be at least B
// and D above F; throws CalculationFault for figures beyond a double.
struct DrumModelFigures {
    double demagnetisingFactor = 0;
    double alNh = 0;
    double lowerAlNh = 0;
    double upperAlNh = 0;
};
DrumModelFigures drumModel(double aMm, double bMm, double dMm, double fMm, double permeability);

// N along the axis of a spheroid with that length over diameter, above zero.
double spheroidDemagnetisingFactor(double lengthPerDiameter);

// The two AL figures disagree when the larger is more than 25 % above the smaller.
inline constexpr double kDisagreementLimit = 0.25;
bool alFiguresDisagree(const OpenCoreEstimate& estimate);

// The band as people read it: "−3 %…+3 %", a no-break space before each per cent.
std::string bandText(const ValidationBand& band);

// In one English sentence: why the model gives no figures, or that its AL and the quick
// formula's disagree; none when they agree.
std::optional<std::string> openCoreNote(const OpenCoreOpinion& opinion);

} // namespace coilwind
