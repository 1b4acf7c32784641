#pragma once

#include "field_set.hpp"
#include "step_table.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace coilwind {

inline constexpr int kEnterKey = 13;

// Where a calculation stopped: the step that faulted and its fault in the step table's words.
struct CalculationStop {
    StepId step;
    std::string description; // "division by zero (AL is 0)"
};

// What the calculate command or a key-down did, for whoever reports it; the main window itself
// shows only the summary.
struct CalculationOutcome {
    // The stages it set out to run, in order: every stage for the calculate command, the field's
    // stage for Enter in a trigger field, none for any other key or field.
    std::span<const StageRow> stages;
    std::optional<FieldIndex> enteredIn; // the field of the Enter; none for the calculate command
    std::optional<CalculationStop> stop; // the first fault; no step after it ran
    std::optional<std::string> summary;  // composeSummary, when the winding stage completed

    bool ranAStage() const { return !stages.empty(); }
};

// The calculate button: the AL, turns and winding stages in order on the current field texts,
// ending at the first fault without a word to the user.
CalculationOutcome calculate(FieldSet& fields, std::string_view coreTypeText);

// A key going down in field `index`. Enter (whatever the modifiers) runs the stage that the field
// closes (17: AL, 19: turns, 21: winding) and then moves the focus to the field with the next
// index; a fault or a missing next field ends the handling, leaving the focus in place. Other
// keys do nothing.
CalculationOutcome handleKeyDown(FieldSet& fields, std::string_view coreTypeText, FieldIndex index,
                                 int keyCode, int modifiers);

// Three lines, each framed by line feed + carriage return and indented by eight blanks:
// turns and wire, inductance, and core model / core type / maker.
std::string composeSummary(const FieldSet& fields, std::string_view coreTypeText);

} // namespace coilwind
