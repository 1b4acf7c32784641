#include "stages.hpp"

#include "checked_number.hpp"
#include "core_type.hpp"

namespace coilwind {
namespace {

using Value = CheckedNumber;

// Constants at the precision the calculator has always used: pi is 3.14, pi/2 is 1.57.
constexpr double kPi = 3.14;
constexpr double kHalfPi = 1.57;
constexpr double kMu0 = 1.257;                // nH per mm
constexpr double kNanoPerMicro = 1000;        // µH to nH
constexpr double kFillFactor = 0.45;          // share of the winding window that is copper
constexpr double kPitchPerDiameter = 1.15;    // space per turn over wire diameter
constexpr double kResistivity = 17.9;         // copper, with lengths in mm ...
constexpr double kResistivityScale = 1000000; // ... and the result in ohms
constexpr double kDensity = 8.95;             // copper, with volumes in mm³ ...
constexpr double kDensityScale = 0.001;       // ... and the result in grams

} // namespace

void alStep(FieldSet& fields, CoreType core) {
    if (core == CoreType::Drum) {
        const Value mu = fields.number(field::kPermeability);
        const Value b = fields.number(field::kB);
        const Value d = fields.number(field::kD);
        const Value a = fields.number(field::kA);
        const Value bAgain = fields.number(field::kB);
        const Value s = squared(b / 2);
        const Value p = s * (mu * kMu0) * kPi;
        const Value pathLength = a + d - bAgain;
        const Value al = p / pathLength * 0.1;
        fields.setNumber(field::kAl, al.value(), Pattern::OneDecimal);
    } else {
        const Value mu = fields.number(field::kPermeability);
        const Value diameter = fields.number(field::kA);
        const Value length = fields.number(field::kB);
        const Value s = squared(diameter / 2);
        const Value al = s * (mu * kMu0) * kPi / length * 0.1;
        fields.setNumber(field::kAl, al.value(), Pattern::OneDecimal);
    }
}

void turnsStep(FieldSet& fields) {
    const Value al = fields.number(field::kAl);
    const Value inductance = fields.number(field::kInductance);
    const Value q = inductance * kNanoPerMicro / al;
    const Value turns = squareRoot(q);
    fields.setNumber(field::kTurns, turns.value(), Pattern::OneDecimal);
}

void wireDiameterStep(FieldSet& fields, CoreType core) {
    if (core == CoreType::Drum) {
        const Value b = fields.number(field::kB);
        const Value f = fields.number(field::kF);
        const Value turns = fields.number(field::kTurns);
        const Value a = fields.number(field::kA);
        // Winding window times fill factor, shared among the turns, over pi: the squared radius
        // of the copper one turn may take.
        const Value w = (a - b) / 2 * f * kFillFactor / turns / kPi;
        const Value r = squareRoot(w);
        const Value d = (r + r) / kPitchPerDiameter;
        fields.setNumber(field::kWireDiameter, d.value(), Pattern::ThreeDecimals);
    } else {
        // One layer of turns side by side along the rod.
        const Value length = fields.number(field::kB);
        const Value turns = fields.number(field::kTurns);
        const Value d = length / turns / kPitchPerDiameter;
        fields.setNumber(field::kWireDiameter, d.value(), Pattern::ThreeDecimals);
    }
}

void dcrStep(FieldSet& fields, CoreType core) {
    Value wireLength = 0.0; // mean turn length times turns, scaled by the resistivity
    Value d = 0.0;
    if (core == CoreType::Drum) {
        const Value a = fields.number(field::kA);
        const Value b = fields.number(field::kB);
        const Value turns = fields.number(field::kTurns);
        d = fields.number(field::kWireDiameter);
        wireLength = (b + a) * kHalfPi * turns * kResistivity / kResistivityScale;
    } else {
        const Value diameter = fields.number(field::kA);
        const Value turns = fields.number(field::kTurns);
        d = fields.number(field::kWireDiameter);
        wireLength = diameter * kPi * turns * kResistivity / kResistivityScale;
    }
    const Value crossSection = squared(d / 2) * kPi;
    const Value dcr = wireLength / crossSection;
    fields.setNumber(field::kDcr, dcr.value(), Pattern::FourDecimals);
}

void copperWeightStep(FieldSet& fields, CoreType core) {
    Value weight = 0.0;
    if (core == CoreType::Drum) {
        const Value a = fields.number(field::kA);
        const Value b = fields.number(field::kB);
        const Value d = fields.number(field::kWireDiameter);
        const Value turns = fields.number(field::kTurns);
        weight = squared(d / 2) * ((b + a) * kHalfPi) * kPi * turns * kDensity * kDensityScale;
    } else {
        const Value diameter = fields.number(field::kA);
        const Value d = fields.number(field::kWireDiameter);
        const Value turns = fields.number(field::kTurns);
        weight = squared(d / 2) * (diameter * kPi) * kPi * turns * kDensity * kDensityScale;
    }
    fields.setNumber(field::kCopperWeight, weight.value(), Pattern::ThreeDecimals,
                     kCopperWeightSuffix);
}

void runAlStage(FieldSet& fields, std::string_view coreTypeText) {
    alStep(fields, coreTypeOf(coreTypeText));
}

void runTurnsStage(FieldSet& fields, std::string_view coreTypeText) {
    turnsStep(fields);
    wireDiameterStep(fields, coreTypeOf(coreTypeText));
}

void runWindingStage(FieldSet& fields, std::string_view coreTypeText) {
    const CoreType core = coreTypeOf(coreTypeText);
    dcrStep(fields, core);
    copperWeightStep(fields, core);
}

} // namespace coilwind
