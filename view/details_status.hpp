#pragma once

#include "calc/calculation_record.hpp"
#include "calc/field_set.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace coilwind {

// What became of the last calculation, in Chinese with the English beside it.
struct CalculationStatus {
    bool stopped = false;
    std::string outcome; // "计算中止 at turns: division by zero (AL is 0) — 计算 button"
    // When an input changed since: which, and that the figures belong to the fields as they were.
    std::optional<std::string> changed;
};

CalculationStatus calculationStatus(const CalculationRecord& record, const FieldSet& fields,
                                    std::string_view coreTypeText);

} // namespace coilwind
