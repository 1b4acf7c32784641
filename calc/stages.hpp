#pragma once

#include "core_type.hpp"
#include "field_set.hpp"
#include "step_table.hpp"

namespace coilwind {

// The calculation stages, run from the step table. A step reads its inputs from the fields as
// they stand (results of earlier steps enter rounded as displayed), writes its result back, and
// throws a StepFault at a fault: the faulting step writes nothing, earlier steps' writes stay.

// One step in the form for the core type.
void runStep(FieldSet& fields, StepId step, CoreType core);

// What the step would write, before its pattern rounds it; throws the StepFault runStep would.
double stepResult(const FieldSet& fields, StepId step, CoreType core);

} // namespace coilwind
