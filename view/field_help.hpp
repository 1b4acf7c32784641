#pragma once

#include "calc/core_type.hpp"
#include "calc/field_set.hpp"

#include <string>

namespace coilwind {

// A field explained in English for readers of the Chinese captions: what the caption means and
// its unit, then how the calculation uses the field for this core type (which steps read it,
// which step writes it and with which pattern), taken from the step table. Empty for an index
// that names no field.
std::string fieldHelp(FieldIndex index, CoreType coreType);

} // namespace coilwind
