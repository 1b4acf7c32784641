#include "stages.hpp"

#include "checked_number.hpp"
#include "formulas.hpp"

#include <array>
#include <string>

namespace coilwind {
namespace {

using Inputs = std::array<double, kMostReads>;

// The formula of each row of the step table, its inputs in the row's reading order.
CheckedNumber resultOf(const StepRow& row, const Inputs& in) {
    const bool drum = row.core == CoreType::Drum;
    switch (row.id) {
    case StepId::Al: // drum: mu, B, D, A, B; rod: mu, A, B
        return drum ? alOf(permeabilityTimesArea(in[0], in[1]),
                           drumPathLengthMm(in[3], in[2], in[4]))
                    : alOf(permeabilityTimesArea(in[0], in[1]), in[2]);
    case StepId::Turns: // AL, L
        return turnsFor(in[1], in[0]);
    case StepId::WireMax: // drum: B, F, turns, A; rod: B, turns
        return drum ? drumWireDiameterMm(in[3], in[0], in[1], in[2])
                    : rodWireDiameterMm(in[0], in[1]);
    case StepId::Dcr: // drum: A, B, turns, wire; rod: A, turns, wire
        return drum ? dcrOhm(drumMeanTurnMm(in[0], in[1]), in[2], in[3])
                    : dcrOhm(rodMeanTurnMm(in[0]), in[1], in[2]);
    case StepId::CopperG: // drum: A, B, wire, turns; rod: A, wire, turns
        return drum ? copperWeightG(drumMeanTurnMm(in[0], in[1]), in[3], in[2])
                    : copperWeightG(rodMeanTurnMm(in[0]), in[2], in[1]);
    }
    return 0.0;
}

// The operand the row names for a fault of this kind, as a cause: "AL is 0".
std::string causeOf(const StepRow& row, FaultKind kind) {
    if (kind == FaultKind::ZeroDivisor && !row.zeroDivisor.empty()) {
        return std::string(row.zeroDivisor) + " is 0";
    }
    if (kind == FaultKind::NegativeRoot && !row.negativeRoot.empty()) {
        return std::string(row.negativeRoot) + " is negative";
    }
    return {};
}

} // namespace

double stepResult(const FieldSet& fields, StepId step, CoreType core) {
    const StepRow& row = stepRow(step, core);
    // Every read comes before any arithmetic.
    Inputs in{};
    for (std::size_t i = 0; i < row.readCount; ++i) {
        try {
            in[i] = fields.number(row.reads[i]);
        } catch (const CalculationFault& fault) {
            throw StepFault(row, fault.kind(),
                            std::string(fieldName(row.reads[i])) +
                                " holds a number beyond the range of a double",
                            {});
        }
    }
    try {
        return resultOf(row, in).value();
    } catch (const CalculationFault& fault) {
        throw StepFault(row, fault.kind(), fault.what(), causeOf(row, fault.kind()));
    }
}

void runStep(FieldSet& fields, StepId step, CoreType core) {
    const StepRow& row = stepRow(step, core);
    fields.setNumber(row.writes, stepResult(fields, step, core), row.pattern, row.suffix);
}

} // namespace coilwind
