#pragma once

#include "calc/text.hpp"

#include "calc/calculation_record.hpp"
#include "calc/field_set.hpp"
#include "calc/input_check.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// One finding of the input check as people read it: "逗号不是小数点: 电感量 \"4,7\" was read as 4
// (a comma is not a decimal point: type \".\")", fields named by their captions.
struct CheckLine {
    std::string_view key; // the finding's stable key
    bool error = false;   // otherwise a note
    bool shape = false;   // the core's shape cannot be
    std::string text;
};


// The input check of the last calculation, errors first; nothing before the first calculation.
std::vector<CheckLine> inputCheckLines(const FieldSet& fields, std::string_view coreTypeText,
                                       const CalculationRecord& record);

} // namespace coilwind
