#include "stages.hpp"

#include <array>
#include <string>

namespace coilwind {
namespace {

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
    StepInputs in{};
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
        return row.compute(in).value();
    } catch (const CalculationFault& fault) {
        throw StepFault(row, fault.kind(), fault.what(), causeOf(row, fault.kind()));
    }
}

void runStep(FieldSet& fields, StepId step, CoreType core) {
    const StepRow& row = stepRow(step, core);
    fields.setNumber(row.writes, stepResult(fields, step, core), row.pattern, row.suffix);
}

} // namespace coilwind
