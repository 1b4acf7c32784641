#pragma once

#include "commands.hpp"
#include "core_type.hpp"
#include "field_set.hpp"
#include "step_table.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// The core-type box in a ChangedInput; it is no field of the field set.
inline constexpr FieldIndex kCoreTypeBox = -1;

// An input whose text now differs from the text the last calculation read.
struct ChangedInput {
    FieldIndex field; // or kCoreTypeBox
    std::string then;
    std::string now;
};

// The calculations so far, as far as the winding details need them: the last one's outcome, the
// inputs it read, and which results still hold what an earlier design wrote. The window notes
// every outcome here; the details and their report read it. Nothing here writes a field.
//
// The inputs are the fields the core type's steps read and no step writes (A, B, D, F, mu, L on
// a drum; A, B, mu, L on a rod) and the core type. A result belongs to an earlier design when its
// step did not write it because the calculation stopped at that step or before it, when its step
// wrote it from such a result, or when a calculation that did not run its step changed a field the
// step reads: an input typed over since the calculation before, or a result that calculation
// rewrote with another text. A result typed over by hand is the user's to try: it makes nothing an
// earlier design's.
class CalculationRecord {
public:
    // The outcome of a command with the fields and the core type as it left them. An outcome that
    // ran no stage (Enter in a field that closes none, any other key) leaves the record as it was.
    void note(const CalculationOutcome& outcome, const FieldSet& fields,
              std::string_view coreTypeText);

    // None before the first calculation.
    const std::optional<CalculationOutcome>& last() const { return last_; }

    // The result fields whose text an earlier design wrote, in step order. A field whose text has
    // changed since (typed over, the calibrated AL) or that is empty is none of them.
    std::vector<FieldIndex> earlierDesignResults(const FieldSet& fields) const;

    // The inputs whose text differs now from the last calculation's, the core type last.
    std::vector<ChangedInput> changedInputs(const FieldSet& fields,
                                            std::string_view coreTypeText) const;

    // The fields as the last calculation left them as far as the inputs go: each input's text as
    // it read it, every other field as it is now. Before the first calculation: as it is now.
    MemoryFieldSet inputsAsCalculated(const FieldSet& fields) const;
    std::string coreTypeAsCalculated(std::string_view coreTypeText) const;

private:
    struct Rules;

    // Whether the result that `step` writes holds an earlier design's text now.
    bool fromEarlierDesign(std::size_t stepPosition, const FieldSet& fields) const;

    std::optional<CalculationOutcome> last_;
    std::array<std::string, kFields.size()> texts_; // every field after the last calculation
    std::string coreTypeText_;
    // By position in kStepOrder: the text the step's result held when it was found to be an
    // earlier design's.
    std::array<std::optional<std::string>, kStepOrder.size()> earlier_;
};

// Whether the field is an input of the calculation for the core type: read by one of its steps,
// written by no step.
bool isCalculationInput(FieldIndex index, CoreType core);

} // namespace coilwind
