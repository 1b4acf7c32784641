#pragma once

#include "core_type.hpp"
#include "current_rating.hpp"
#include "field_set.hpp"
#include "open_core.hpp"
#include "wire_table.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// What the details are computed for, beyond the design itself. A setting outside its limit
// (calc/settings_limits; a NaN too) leaves the figures that need it empty, with the reason.
struct DetailsSettings {
    WireSeries series = WireSeries::IecGrade1;
    double temperatureC = 100;      // operating temperature for the hot resistance
    double saturationFluxMt = 300;  // Bs of the core material, mT
    double alTolerancePercent = 25; // AL tolerance, +/- percent
    // With a DC current given, the heat balance's temperature replaces temperatureC.
    CurrentSettings current{};
};

// The design as the fields show it, each read by the leading-number rule: fields 1 (A), 2 (B),
// 4 (D), 6 (F), 17 (permeability), 18 (AL), 19 (wanted inductance), 20 (turns), 21 (largest wire
// diameter); and the core type.
struct DesignInputs {
    CoreType core = CoreType::Drum;
    double aMm = 0; // field 1, A, B and F: their meaning per core type is in calc/field_table
    double bMm = 0;
    double fMm = 0;
    double alNh = 0;         // nH per turn squared
    double wantedUh = 0;     // wanted inductance
    double turns = 0;        // as shown, not whole
    double wireMaxMm = 0;    // largest wire diameter that fits
    double permeability = 0; // field 17, read for the second opinion from the core's shape only
    double dMm = 0;          // field 4, drum: length over the flanges, for its outer surface and
                             // the shape's second opinion
    // Drum: D belongs to the shape the details check: always for the fields' design, where AL
    // comes from D; for a table's row with AL given, when the row holds a D.
    bool alFromLength = false;
};

// Throws CalculationFault when a field's number lies beyond the range of a double.
DesignInputs readDesign(const FieldSet& fields, std::string_view coreTypeText);

// How whole turns of one wire lie on the core: all layers full but the last.
struct LayerPlan {
    long long perLayer = 0;
    long long layers = 0;
    double buildMm = 0; // layers x overall diameter
    bool fits = false;
};

// How `turns` whole turns of a wire `odMm` thick lie across `widthMm`, all layers full but the
// last; they fit when the layers stay within `depthMm` (none: no limit, a rod).
LayerPlan planLayers(long long turns, double widthMm, std::optional<double> depthMm, double odMm);

// One wire size wound with the whole turns.
struct WoundWire {
    WireSize wire;
    LayerPlan plan;
    double lengthM = 0; // sum over the layers of turns x pi x mean diameter
    double r20Ohm = 0;  // at 20 C
    double rHotOhm = 0; // at the settings' temperature
    double massG = 0;   // copper only
};

struct InductanceFigures {
    double wholeTurnsUh = 0;     // AL x Nw^2 / 1000 with AL as shown
    double minUh = 0;            // AL at the low end of its tolerance
    double maxUh = 0;            // AL at the high end
    double turnsAtAlMinimum = 0; // turns the wanted inductance needs when AL is at its low end
    double turnsAtAlMaximum = 0; // ... at its high end
};

// Every figure the design allows. A figure the fields cannot give is empty, and `reasons` says
// why in words for the user; a missing figure is never replaced by a number.
struct WindingDetails {
    std::optional<long long> wholeTurns;    // turns rounded up
    std::optional<double> availableDepthMm; // drum: (A - B) / 2; rod: none
    std::optional<double> availableWidthMm; // drum: F; rod: B, along the rod
    std::optional<WireSize> standardWire;   // the largest size with od <= field 21
    // Field 21, when it allows more than the thickest size of the series: the standard wire is
    // then that size, and a thicker one would fit. Empty when the series reaches field 21.
    std::optional<double> allowanceBeyondSeriesMm;
    std::optional<WoundWire> standard;       // that size wound, when one turn fits across
    std::optional<WoundWire> largestFitting; // only when the standard wire does not fit
    std::optional<InductanceFigures> inductance;
    // AL and turns from the core's shape (calc/open_core), beside the quick formula's. Its gaps
    // are no reasons of the details: the figures above stand without it.
    std::optional<OpenCoreOpinion> shapeOpinion;
    std::optional<double> saturationCurrentA; // Bs x Nw x Ae / L at whole turns
    // Only with a DC current in the settings: the standard wire's losses, heat balance and
    // rated current (calc/current_rating). With a balance, standard->rHotOhm is at its
    // temperature, heatBalanceC.
    std::optional<CurrentRating> currentRating;
    std::optional<double> heatBalanceC;
    std::vector<std::string> reasons;
};

// Said beside the standard wire when the series ends below field 21's allowance: "largest size of
// the series; field 21 allows 1.459 mm". None when the series reaches field 21.
std::optional<std::string> seriesEndNote(const WindingDetails& details);

// Never throws for any inputs: faults become reasons. A figure computed from a result field listed
// in `earlierDesign` (18, 20 or 21: a calculation stopped before rewriting it) is empty, with
// that reason.
WindingDetails computeDetails(const DesignInputs& design, const DetailsSettings& settings,
                              std::span<const FieldIndex> earlierDesign = {});
// The same for the design as the fields show it; a field beyond the range of a double is a reason.
WindingDetails computeDetails(const FieldSet& fields, std::string_view coreTypeText,
                              const DetailsSettings& settings,
                              std::span<const FieldIndex> earlierDesign = {});

// AL in nH/N^2 from a test coil: 1000 x L / N^2 with L in uH. Throws CalculationFault when L or
// the turns are not above 0 or the result lies beyond the range of a double.
double calibratedAl(double measuredUh, double turns);
// Writes that AL into field 18 with the AL stage's pattern ("0.0"); throws as calibratedAl.
void writeCalibratedAl(FieldSet& fields, double measuredUh, double turns);

} // namespace coilwind
