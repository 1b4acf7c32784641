#pragma once

#include "calc/core_type.hpp"
#include "calc/field_set.hpp"

#include <string_view>

class QString;
class QWidget;

namespace coilwind::ui {

// A field explained in English for readers of the Chinese captions: what the caption means, the
// unit, how the calculation uses the field and, for a result, the pattern it is shown with. Empty
// for an index that names no field.
std::string_view fieldHelp(FieldIndex index, CoreType coreType);

// Gives every field of `window` and the caption label standing above it (its buddy) the help
// worded for the core type that `coreTypeText` selects in the calculation: as tooltip, and for
// the field also as accessible description; the caption stays the field's accessible name.
void applyFieldHelp(const QWidget& window, const QString& coreTypeText);

} // namespace coilwind::ui
