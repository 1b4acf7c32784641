#include "winding_details.hpp"

#include "checked_number.hpp"
#include "constants.hpp"
#include "failure.hpp"
#include "input_check.hpp"
#include "number_text.hpp"
#include "settings_limits.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

namespace coilwind {
namespace {

using physics::kCopperConductivity;
using physics::kCopperTemperatureCoefficient;
using physics::kPi;
constexpr double kReferenceTemperatureC = physics::kCopperReferenceTemperatureC;
constexpr double kNanoPerMicro = 1000; // AL in nH, inductance in uH
constexpr double kMmPerM = 1000;
// A length in m times an area in mm^2 is 1000 mm^3 = 1 cm^3, so the mass in grams is the
// density (g/cm^3) times length [m] times area [mm^2] with no further factor.
constexpr double kCopperDensity = physics::kCopperDensity;
// Isat = Bs N Ae / L in SI units. With Bs in mT (1e-3 T), Ae in mm^2 (1e-6 m^2) and L in uH
// (1e-6 H): Isat [A] = Bs [mT] x N x Ae [mm^2] / L [uH] / 1000.
constexpr double kSaturationScale = 1000;
// Lengths that agree to a picometre are equal. The data file and the fields hold micrometres at
// best; this absorbs the rounding of decimal fractions in binary (9 x 0.7 against 6.3, or a
// field 21 of "0.761" against a table's 0.761), so a size that exactly fits counts as fitting.
constexpr double kLengthSlackMm = 1e-9;
// 2^63: the first double beyond the range of long long.
constexpr double kWholeLimit = 9223372036854775808.0;

[[noreturn]] void refuse(const std::string& reason) {
    throw CalculationFault(FaultKind::OutOfDomain, reason);
}


// A field as the reasons name it, from the field table: "Rod diameter A (field 1)" for a
// dimension letter, "Turns (field 20)" otherwise.
std::string named(FieldIndex index, CoreType core) {
    const FieldInfo& info = fieldInfo(index);
    std::string text(info.name.size() == 1
                         ? std::string(core == CoreType::Rod ? info.rodMeaning : info.drumMeaning) +
                               " " + std::string(info.name)
                         : std::string(info.name));
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text + " (field " + std::to_string(index) + ")";
}

// The figures of a result that an earlier design wrote would describe that design, not this one.
void requireOfThisDesign(std::span<const FieldIndex> earlierDesign, FieldIndex result,
                         CoreType core) {
    if (std::find(earlierDesign.begin(), earlierDesign.end(), result) != earlierDesign.end()) {
        refuse(named(result, core) + " holds results of an earlier design");
    }
}

std::string shownMm(double value) {
    return formatFixed(value, Pattern::ThreeDecimals).value_or("?") + " mm";
}

long long wholeNumber(double rounded, std::string_view what) {
    if (!(rounded > -kWholeLimit && rounded < kWholeLimit)) {
        refuse(std::string(what) + " beyond the range of whole numbers");
    }
    return static_cast<long long>(rounded);
}

double asDouble(long long count) {
    return static_cast<double>(count);
}

// The most steps of `step` that fit into `length`, equality counted as fitting.
long long stepsWithin(double length, double step, std::string_view what) {
    long long steps = wholeNumber(std::floor((CheckedNumber(length) / step).value()), what);
    if (((CheckedNumber(asDouble(steps)) + 1.0) * step).value() <= length + kLengthSlackMm) {
        ++steps;
    } else if (steps > 0 &&
               (CheckedNumber(asDouble(steps)) * step).value() > length + kLengthSlackMm) {
        --steps;
    }
    return steps;
}

// Where the turns go: the diameter they are wound on, the width along it and, on a drum, the
// depth up to the flange rim.
struct WindingSpace {
    double coreDiameterMm = 0; // drum: centre post B; rod: rod diameter A
    double widthMm = 0;
    std::optional<double> depthMm;
};

// The shape is one checkShape admits.
WindingSpace windingSpaceOf(const DesignInputs& design) {
    if (design.core == CoreType::Rod) {
        return {design.aMm, design.bMm, std::nullopt};
    }
    return {design.bMm, design.fMm, ((CheckedNumber(design.aMm) - design.bMm) / 2).value()};
}

long long wholeTurnsOf(double turns) {
    if (!(std::isfinite(turns) && turns > 0)) {
        refuse(named(field::kTurns, CoreType::Drum) + " must be above 0");
    }
    return wholeNumber(std::ceil(turns), named(field::kTurns, CoreType::Drum));
}

// Within the temperature limit the factor lies between 0.705 and 1.904: the linear law never
// reaches zero resistance there.
double hotResistanceFactor(double temperatureC) {
    requireWithin(kTemperatureLimit, temperatureC);
    return (CheckedNumber(1.0) + CheckedNumber(kCopperTemperatureCoefficient) *
                                     (CheckedNumber(temperatureC) - kReferenceTemperatureC))
        .value();
}

// What every size wound on the design shares.
struct Winding {
    long long turns = 0;
    WindingSpace space;
    double hotResistanceFactor = 1;
};

LayerPlan planLayers(const Winding& winding, double odMm) {
    return coilwind::planLayers(winding.turns, winding.space.widthMm, winding.space.depthMm, odMm);
}

// The outer surface that sheds the winding's heat: a drum's envelope, flanges and all (diameter
// A, or the winding where it stands out, over the length D); on a rod the winding's own cylinder
// over the rod's length, ends included.
double surfaceMm2(const DesignInputs& design, const WindingSpace& space, const LayerPlan& plan) {
    const CheckedNumber build = plan.buildMm;
    const CheckedNumber winding = CheckedNumber(space.coreDiameterMm) + CheckedNumber(2) * build;
    CheckedNumber diameter = winding;
    CheckedNumber length = space.widthMm;
    if (design.core == CoreType::Drum) {
        if (!(std::isfinite(design.dMm) && design.dMm > 0)) {
            refuse("Length D (field 4) must be above 0");
        }
        diameter = std::max(design.aMm, winding.value());
        length = design.dMm;
    }
    return (CheckedNumber(kPi) / 2 * squared(diameter) + CheckedNumber(kPi) * diameter * length).value();
}

void rateStandardWire(WindingDetails& details, const DesignInputs& design,
                      const WindingSpace& space, const DetailsSettings& settings) {
    WoundWire& standard = *details.standard;
    RatedWinding rated;
    rated.series = settings.series;
    rated.wire = standard.wire;
    rated.turns = *details.wholeTurns;
    rated.perLayer = standard.plan.perLayer;
    rated.layers = standard.plan.layers;
    rated.widthMm = space.widthMm;
    rated.depthMm = space.depthMm;
    rated.r20Ohm = standard.r20Ohm;
    rated.surfaceMm2 = surfaceMm2(design, space, standard.plan);
    rated.saturationCurrentA = details.saturationCurrentA;
    details.currentRating = rateCurrent(rated, settings.current);
    if (details.currentRating->hotC) {
        details.heatBalanceC = details.currentRating->hotC;
        standard.rHotOhm = *details.currentRating->hotResistanceOhm;
    }
}

// `plan` holds at least one turn per layer.
WoundWire woundWire(const WireSize& wire, const LayerPlan& plan, const Winding& winding) {
    // Layer k (from 1) has the mean diameter core + (2k - 1) od, and all layers are full but the
    // last. The full layers 1 .. L-1 hold perLayer x ((L-1) core + (L-1)^2 od), since the first n
    // odd numbers add up to n^2; no loop, whatever the number of layers.
    const CheckedNumber od = wire.overallMaxMm;
    const CheckedNumber core = winding.space.coreDiameterMm;
    const CheckedNumber fullLayers = asDouble(plan.layers - 1);
    const CheckedNumber lastLayerTurns =
        asDouble(winding.turns - (plan.layers - 1) * plan.perLayer);
    const CheckedNumber fullLayersSum =
        CheckedNumber(asDouble(plan.perLayer)) * (fullLayers * core + squared(fullLayers) * od);
    const CheckedNumber lastLayerSum =
        lastLayerTurns * (core + (CheckedNumber(2) * asDouble(plan.layers) - 1.0) * od);
    const CheckedNumber length = CheckedNumber(kPi) * (fullLayersSum + lastLayerSum) / kMmPerM;
    const CheckedNumber area = CheckedNumber(kPi) / 4 * squared(wire.bareMm);
    const CheckedNumber r20 = length / area / kCopperConductivity;
    return {wire,
            plan,
            length.value(),
            r20.value(),
            (r20 * winding.hotResistanceFactor).value(),
            (CheckedNumber(kCopperDensity) * length * area).value()};
}

WireSize standardWireFor(double wireMaxMm, WireSeries series) {
    if (!(std::isfinite(wireMaxMm) && wireMaxMm > 0)) {
        refuse(named(field::kWireDiameter, CoreType::Drum) +
               " is empty, 0 or negative: run the turns stage");
    }
    const std::span<const WireSize> sizes = wireSizes(series);
    if (sizes.empty()) {
        refuse("the wire series has no sizes");
    }
    // std::find_if, not std::ranges::find_if: libc++ before 15 has no ranges algorithms.
    const auto thicker = std::find_if(sizes.begin(), sizes.end(), [&](const WireSize& size) {
        return size.overallMaxMm > wireMaxMm + kLengthSlackMm;
    });
    if (thicker == sizes.begin()) {
        refuse("no " + std::string(seriesTitle(series)) + " size is as thin as " +
               shownMm(wireMaxMm) + " (field 21); the thinnest is " +
               std::string(sizes.front().designation) + ", " + shownMm(sizes.front().overallMaxMm) +
               " overall");
    }
    return *(thicker - 1);
}

// Field 21 when even the thickest size of the series stays below it.
std::optional<double> allowanceBeyondSeries(double wireMaxMm, WireSeries series) {
    const std::span<const WireSize> sizes = wireSizes(series);
    if (!sizes.empty() && wireMaxMm > sizes.back().overallMaxMm + kLengthSlackMm) {
        return wireMaxMm;
    }
    return std::nullopt;
}

// The thickest size below `standard` whose layer plan fits.
WoundWire largestFittingBelow(const WireSize& standard, WireSeries series, const Winding& winding) {
    const std::span<const WireSize> sizes = wireSizes(series);
    for (auto size = sizes.rbegin(); size != sizes.rend(); ++size) {
        if (size->overallMaxMm < standard.overallMaxMm) {
            const LayerPlan plan = planLayers(winding, size->overallMaxMm);
            if (plan.fits) {
                return woundWire(*size, plan, winding);
            }
        }
    }
    refuse("no " + std::string(seriesTitle(series)) + " size fits " +
           std::to_string(winding.turns) + " turns into the winding space");
}

InductanceFigures inductanceOf(const DesignInputs& design, long long turns,
                               double tolerancePercent) {
    if (!(std::isfinite(design.alNh) && design.alNh > 0)) {
        refuse(named(field::kAl, design.core) + " must be above 0");
    }
    requireWithin(kAlToleranceLimit, tolerancePercent);
    if (!(design.wantedUh >= 0)) {
        refuse(named(field::kInductance, design.core) + " must not be negative");
    }
    const CheckedNumber al = design.alNh;
    const CheckedNumber share = CheckedNumber(tolerancePercent) / 100;
    const CheckedNumber alMinimum = al * (CheckedNumber(1) - share);
    const CheckedNumber alMaximum = al * (CheckedNumber(1) + share);
    const CheckedNumber turnsSquared = squared(asDouble(turns));
    const CheckedNumber wantedNh = CheckedNumber(design.wantedUh) * kNanoPerMicro;
    InductanceFigures figures;
    figures.wholeTurnsUh = (al * turnsSquared / kNanoPerMicro).value();
    figures.minUh = (alMinimum * turnsSquared / kNanoPerMicro).value();
    figures.maxUh = (alMaximum * turnsSquared / kNanoPerMicro).value();
    figures.turnsAtAlMinimum = squareRoot(wantedNh / alMinimum).value();
    figures.turnsAtAlMaximum = squareRoot(wantedNh / alMaximum).value();
    return figures;
}

double saturationCurrentOf(double fluxMt, long long turns, const WindingSpace& space,
                           double inductanceUh) {
    requireWithin(kSaturationFluxLimit, fluxMt);
    // Ae: the centre post of a drum, the rod itself: both are the diameter the turns sit on.
    const CheckedNumber ae = CheckedNumber(kPi) / 4 * squared(space.coreDiameterMm);
    return (CheckedNumber(fluxMt) * asDouble(turns) * ae / inductanceUh / kSaturationScale).value();
}

// Runs one part of the details; a fault becomes a reason naming the part.
template <typename Compute>
void attempt(std::vector<std::string>& reasons, std::string_view part, Compute&& compute) {
    try {
        compute();
    } catch (const CalculationFault& fault) {
        reasons.push_back(std::string(part) + ": " + fault.what());
    }
}

} // namespace

LayerPlan planLayers(long long turns, double widthMm, std::optional<double> depthMm, double odMm) {
    LayerPlan plan;
    plan.perLayer = stepsWithin(widthMm, odMm, "Turns per layer");
    if (plan.perLayer < 1) {
        return plan;
    }
    plan.layers = turns / plan.perLayer + (turns % plan.perLayer != 0 ? 1 : 0);
    plan.buildMm = (CheckedNumber(asDouble(plan.layers)) * odMm).value();
    plan.fits = !depthMm || plan.buildMm <= *depthMm + kLengthSlackMm;
    return plan;
}

DesignInputs readDesign(const FieldSet& fields, std::string_view coreTypeText) {
    DesignInputs design;
    design.core = coreTypeOf(coreTypeText);
    design.aMm = fields.number(field::kA);
    design.bMm = fields.number(field::kB);
    design.alFromLength = design.core == CoreType::Drum;
    design.fMm = fields.number(field::kF);
    design.alNh = fields.number(field::kAl);
    design.wantedUh = fields.number(field::kInductance);
    design.turns = fields.number(field::kTurns);
    design.wireMaxMm = fields.number(field::kWireDiameter);
    design.permeability = fields.number(field::kPermeability);
    if (design.core == CoreType::Drum) {
        design.dMm = fields.number(field::kD);
    }
    return design;
}

namespace {

OpenCoreOpinion shapeOpinionOf(const DesignInputs& design) {
    return design.core == CoreType::Rod
               ? rodSecondOpinion(design.aMm, design.bMm, design.permeability, design.wantedUh)
               : drumSecondOpinion(design.aMm, design.bMm, design.dMm, design.fMm,
                                   design.permeability, design.wantedUh);
}

} // namespace

WindingDetails computeDetails(const DesignInputs& design, const DetailsSettings& settings,
                              std::span<const FieldIndex> earlierDesign) {
    WindingDetails details;
    std::vector<std::string>& reasons = details.reasons;
    // Every figure comes from AL or the winding space, and both from the shape: a shape no core
    // can have gives none, only why.
    const std::vector<InputFinding> shape =
        checkShape({design.core, design.aMm, design.bMm,
                    design.alFromLength ? std::optional(design.dMm) : std::nullopt, design.fMm});
    if (!shape.empty()) {
        for (const InputFinding& finding : shape) {
            reasons.push_back("Core shape: " + finding.message);
        }
        // The shape's second opinion keeps its own refusal, with its own words.
        details.shapeOpinion = shapeOpinionOf(design);
        return details;
    }
    std::optional<WindingSpace> space;
    std::optional<double> hotFactor;
    attempt(reasons, "Whole turns", [&] {
        requireOfThisDesign(earlierDesign, field::kTurns, design.core);
        details.wholeTurns = wholeTurnsOf(design.turns);
    });
    attempt(reasons, "Winding space", [&] {
        space = windingSpaceOf(design);
        details.availableDepthMm = space->depthMm;
        details.availableWidthMm = space->widthMm;
    });
    attempt(reasons, "Standard wire", [&] {
        requireOfThisDesign(earlierDesign, field::kWireDiameter, design.core);
        details.standardWire = standardWireFor(design.wireMaxMm, settings.series);
        details.allowanceBeyondSeriesMm = allowanceBeyondSeries(design.wireMaxMm, settings.series);
    });
    attempt(reasons, "Hot resistance",
            [&] { hotFactor = hotResistanceFactor(settings.temperatureC); });
    if (details.wholeTurns && space && details.standardWire && hotFactor) {
        const Winding winding{*details.wholeTurns, *space, *hotFactor};
        const WireSize& standard = *details.standardWire;
        std::optional<LayerPlan> plan;
        attempt(reasons, "Standard wire", [&] {
            plan = planLayers(winding, standard.overallMaxMm);
            if (plan->perLayer < 1) {
                refuse(std::string(standard.designation) + " (" + shownMm(standard.overallMaxMm) +
                       " overall) is wider than the winding width of " + shownMm(space->widthMm));
            }
            details.standard = woundWire(standard, *plan, winding);
        });
        if (plan && !plan->fits) {
            attempt(reasons, "Largest fitting wire", [&] {
                details.largestFitting = largestFittingBelow(standard, settings.series, winding);
            });
        }
    }
    if (details.wholeTurns) {
        attempt(reasons, "Inductance", [&] {
            requireOfThisDesign(earlierDesign, field::kAl, design.core);
            details.inductance =
                inductanceOf(design, *details.wholeTurns, settings.alTolerancePercent);
        });
    }
    if (details.wholeTurns && space && details.inductance) {
        attempt(reasons, "Saturation current", [&] {
            details.saturationCurrentA =
                saturationCurrentOf(settings.saturationFluxMt, *details.wholeTurns, *space,
                                    details.inductance->wholeTurnsUh);
        });
    }
    if (settings.current.dcCurrentA && space) {
        if (details.standard) {
            attempt(reasons, "Current rating",
                    [&] { rateStandardWire(details, design, *space, settings); });
        } else {
            reasons.push_back("Current rating: no standard wire wound to rate");
        }
    }
    details.shapeOpinion = shapeOpinionOf(design);
    return details;
}

WindingDetails computeDetails(const FieldSet& fields, std::string_view coreTypeText,
                              const DetailsSettings& settings,
                              std::span<const FieldIndex> earlierDesign) {
    try {
        return computeDetails(readDesign(fields, coreTypeText), settings, earlierDesign);
    } catch (const CommandFailure& failure) {
        WindingDetails details;
        details.reasons.push_back(std::string("Design: ") + failure.what());
        return details;
    }
}

std::optional<std::string> seriesEndNote(const WindingDetails& details) {
    if (!details.allowanceBeyondSeriesMm) {
        return std::nullopt;
    }
    return "largest size of the series; field 21 allows " +
           shownMm(*details.allowanceBeyondSeriesMm);
}

double calibratedAl(double measuredUh, double turns) {
    if (!(measuredUh > 0 && turns > 0)) {
        throw CalculationFault(FaultKind::OutOfDomain,
                               "the measured inductance and its turns must be above 0");
    }
    return (CheckedNumber(kNanoPerMicro) * measuredUh / squared(turns)).value();
}

void writeCalibratedAl(FieldSet& fields, double measuredUh, double turns) {
    fields.setNumber(field::kAl, calibratedAl(measuredUh, turns), Pattern::OneDecimal);
}

} // namespace coilwind
