#pragma once

#include "core_type.hpp"
#include "field_set.hpp"

#include <string_view>

namespace coilwind {

// The three calculation stages. Each reads its inputs from the fields as they stand (results of
// earlier stages enter rounded as displayed), writes its results back, and throws a CalcFailure
// at the first fault: the faulting step writes nothing, earlier steps' writes stay. The core type
// is taken from coreTypeText where each form is chosen.

// The five steps one by one, for callers that need to know which step faulted. A step whose
// form depends on the core type takes it from the caller.
void alStep(FieldSet& fields, CoreType core);          // field 18
void turnsStep(FieldSet& fields);                      // field 20
void wireDiameterStep(FieldSet& fields, CoreType core); // field 21
void dcrStep(FieldSet& fields, CoreType core);         // field 23
void copperWeightStep(FieldSet& fields, CoreType core); // field 24

// Writes AL (nH/N²) into field 18.
void runAlStage(FieldSet& fields, std::string_view coreTypeText);
// Writes the turns into field 20, then the largest wire diameter that fits into field 21.
void runTurnsStage(FieldSet& fields, std::string_view coreTypeText);
// Writes the DC resistance into field 23, then the copper weight into field 24.
void runWindingStage(FieldSet& fields, std::string_view coreTypeText);

// The copper weight is written with a line feed and a carriage return behind the number.
inline constexpr std::string_view kCopperWeightSuffix = "\n\r";

} // namespace coilwind
