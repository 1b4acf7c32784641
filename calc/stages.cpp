#include "stages.hpp"

#include "checked_number.hpp"
#include "formulas.hpp"
#include "number_text.hpp"

namespace coilwind {

// Each step reads its fields in a fixed order, all before any arithmetic, then writes one field.

void alStep(FieldSet& fields, CoreType core) {
    CheckedNumber al = 0.0;
    if (core == CoreType::Drum) {
        const CheckedNumber permeability = fields.number(field::kPermeability);
        const CheckedNumber post = fields.number(field::kB);
        const CheckedNumber length = fields.number(field::kD);
        const CheckedNumber outer = fields.number(field::kA);
        const CheckedNumber postAgain = fields.number(field::kB); // B is read a second time
        al = alOf(permeabilityTimesArea(permeability, post),
                  drumPathLengthMm(outer, length, postAgain));
    } else {
        const CheckedNumber permeability = fields.number(field::kPermeability);
        const CheckedNumber diameter = fields.number(field::kA);
        const CheckedNumber length = fields.number(field::kB);
        al = alOf(permeabilityTimesArea(permeability, diameter), length);
    }
    fields.setNumber(field::kAl, al.value(), Pattern::OneDecimal);
}

void turnsStep(FieldSet& fields) {
    const CheckedNumber al = fields.number(field::kAl);
    const CheckedNumber inductance = fields.number(field::kInductance);
    fields.setNumber(field::kTurns, turnsFor(inductance, al).value(), Pattern::OneDecimal);
}

void wireDiameterStep(FieldSet& fields, CoreType core) {
    CheckedNumber diameter = 0.0;
    if (core == CoreType::Drum) {
        const CheckedNumber post = fields.number(field::kB);
        const CheckedNumber width = fields.number(field::kF);
        const CheckedNumber turns = fields.number(field::kTurns);
        const CheckedNumber outer = fields.number(field::kA);
        diameter = drumWireDiameterMm(outer, post, width, turns);
    } else {
        const CheckedNumber length = fields.number(field::kB);
        const CheckedNumber turns = fields.number(field::kTurns);
        diameter = rodWireDiameterMm(length, turns);
    }
    fields.setNumber(field::kWireDiameter, diameter.value(), Pattern::ThreeDecimals);
}

void dcrStep(FieldSet& fields, CoreType core) {
    CheckedNumber dcr = 0.0;
    if (core == CoreType::Drum) {
        const CheckedNumber outer = fields.number(field::kA);
        const CheckedNumber post = fields.number(field::kB);
        const CheckedNumber turns = fields.number(field::kTurns);
        const CheckedNumber wire = fields.number(field::kWireDiameter);
        dcr = dcrOhm(drumMeanTurnMm(outer, post), turns, wire);
    } else {
        const CheckedNumber diameter = fields.number(field::kA);
        const CheckedNumber turns = fields.number(field::kTurns);
        const CheckedNumber wire = fields.number(field::kWireDiameter);
        dcr = dcrOhm(rodMeanTurnMm(diameter), turns, wire);
    }
    fields.setNumber(field::kDcr, dcr.value(), Pattern::FourDecimals);
}

void copperWeightStep(FieldSet& fields, CoreType core) {
    CheckedNumber weight = 0.0;
    if (core == CoreType::Drum) {
        const CheckedNumber outer = fields.number(field::kA);
        const CheckedNumber post = fields.number(field::kB);
        const CheckedNumber wire = fields.number(field::kWireDiameter);
        const CheckedNumber turns = fields.number(field::kTurns);
        weight = copperWeightG(drumMeanTurnMm(outer, post), turns, wire);
    } else {
        const CheckedNumber diameter = fields.number(field::kA);
        const CheckedNumber wire = fields.number(field::kWireDiameter);
        const CheckedNumber turns = fields.number(field::kTurns);
        weight = copperWeightG(rodMeanTurnMm(diameter), turns, wire);
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
