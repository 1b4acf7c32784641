#include "step_table.hpp"

#include <algorithm>

namespace coilwind {
namespace {

constexpr bool everyStepAndCoreOnce() {
    for (const StepId step : kStepOrder) {
        for (const CoreType core : {CoreType::Drum, CoreType::Rod}) {
            if (std::count_if(kStepTable.begin(), kStepTable.end(), [&](const StepRow& row) {
                    return row.id == step && row.core == core;
                }) != 1) {
                return false;
            }
        }
    }
    return true;
}
static_assert(everyStepAndCoreOnce());

constexpr bool stagesInTheirOwnOrder() {
    for (std::size_t i = 0; i < kStageTable.size(); ++i) {
        if (kStageTable[i].id != static_cast<StageId>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(stagesInTheirOwnOrder()); // a stage id is its position in the table

std::string describe(const std::string& fault, const std::string& cause) {
    return cause.empty() ? fault : fault + " (" + cause + ")";
}

} // namespace

const StepRow& stepRow(StepId step, CoreType core) {
    return *std::find_if(kStepTable.begin(), kStepTable.end(),
                         [&](const StepRow& row) { return row.id == step && row.core == core; });
}

bool readsField(FieldIndex index, CoreType core) {
    return std::any_of(kStepTable.begin(), kStepTable.end(), [&](const StepRow& row) {
        const auto reads = row.readFields();
        return row.core == core && std::find(reads.begin(), reads.end(), index) != reads.end();
    });
}

bool isResultField(FieldIndex index) {
    return std::any_of(kStepTable.begin(), kStepTable.end(),
                       [&](const StepRow& row) { return row.writes == index; });
}

std::string_view fieldName(FieldIndex index) {
    return isField(index) ? fieldInfo(index).column : std::string_view{};
}

std::string_view stepName(StepId step) {
    return fieldName(stepRow(step, CoreType::Drum).writes);
}

std::string_view stepWords(StepId step) {
    switch (step) {
    case StepId::Al:
        return "AL";
    case StepId::Turns:
        return "turns";
    case StepId::WireMax:
        return "wire diameter";
    case StepId::Dcr:
        return "DC resistance";
    case StepId::CopperG:
        return "copper weight";
    }
    return {};
}

StepFault::StepFault(const StepRow& row, FaultKind kind, const std::string& fault,
                     const std::string& cause)
    : CalculationFault(kind, std::string(fieldName(row.writes)) + ": " + describe(fault, cause)),
      step_(row.id), core_(row.core), description_(describe(fault, cause)) {}

} // namespace coilwind
