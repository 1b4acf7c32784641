#pragma once

#include "field_set.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace coilwind {

inline constexpr int kEnterKey = 13;

// The calculate button: the AL, turns and winding stages in order on the current field texts,
// ending silently at the first fault. Returns the winding summary (composeSummary) when the winding
// stage completed.
std::optional<std::string> calculate(FieldSet& fields, std::string_view coreTypeText);

// A key going down in field `index`. Enter (whatever the modifiers) runs the stage that the field
// closes (17: AL, 19: turns, 21: winding) and then moves the focus to the field with the next
// index; a fault or a missing next field ends the handling silently, leaving the focus in place.
// Returns the summary when a winding stage completed. Other keys do nothing.
std::optional<std::string> handleKeyDown(FieldSet& fields, std::string_view coreTypeText,
                                         FieldIndex index, int keyCode, int modifiers);

// Three lines, each framed by line feed + carriage return and indented by eight blanks:
// turns and wire, inductance, and core model / core type / maker.
std::string composeSummary(const FieldSet& fields, std::string_view coreTypeText);

} // namespace coilwind
