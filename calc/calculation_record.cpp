#include "calculation_record.hpp"

#include "core_type.hpp"

#include <algorithm>
#include <cstddef>

namespace coilwind {
namespace {

std::size_t positionOf(StepId step) {
    return static_cast<std::size_t>(std::find(kStepOrder.begin(), kStepOrder.end(), step) -
                                    kStepOrder.begin());
}

bool ran(const CalculationOutcome& outcome, StepId step) {
    return std::any_of(outcome.stages.begin(), outcome.stages.end(), [&](const StageRow& stage) {
        const auto steps = stage.stepIds();
        return std::find(steps.begin(), steps.end(), step) != steps.end();
    });
}

// Every step writes the same field for either core type.
FieldIndex resultFieldOf(std::size_t stepPosition) {
    return stepRow(kStepOrder[stepPosition], CoreType::Drum).writes;
}

std::size_t slot(FieldIndex index) {
    return static_cast<std::size_t>(slotOf(index));
}

} // namespace

bool isCalculationInput(FieldIndex index, CoreType core) {
    const auto reads = [&](const StepRow& row) {
        const auto fields = row.readFields();
        return row.core == core && std::find(fields.begin(), fields.end(), index) != fields.end();
    };
    const auto writes = [&](const StepRow& row) { return row.writes == index; };
    return std::any_of(kStepTable.begin(), kStepTable.end(), reads) &&
           std::none_of(kStepTable.begin(), kStepTable.end(), writes);
}

bool CalculationRecord::fromEarlierDesign(std::size_t stepPosition, const FieldSet& fields) const {
    const std::optional<std::string>& text = earlier_[stepPosition];
    return text && !text->empty() && *text == fields.text(resultFieldOf(stepPosition));
}

// The four rules that make a result an earlier design's, each for the step at `position` in
// kStepOrder, given the outcome being noted.
struct CalculationRecord::Rules {
    const CalculationRecord& record;
    const CalculationOutcome& outcome;
    const FieldSet& fields;
    CoreType core;
    // Past the last step when the calculation did not stop.
    std::size_t stoppedAt;

    // The calculation stopped at this step or before it: the step wrote nothing.
    bool stoppedBefore(std::size_t position) const { return position >= stoppedAt; }

    // The step reads a result that an earlier step left as an earlier design's (already decided
    // for this outcome: the steps are ruled in order).
    bool readsAnEarlierDesignsResult(std::size_t position) const {
        const auto reads = stepRow(kStepOrder[position], core).readFields();
        for (std::size_t before = 0; before < position; ++before) {
            if (record.earlier_[before] &&
                std::find(reads.begin(), reads.end(), resultFieldOf(before)) != reads.end()) {
                return true;
            }
        }
        return false;
    }

    // A field the step reads holds another text than at the calculation before: an input typed
    // over, or a result this calculation rewrote. A result typed over by hand is the user's to
    // try and changes nothing here.
    bool inputChangedSince(std::size_t position) const {
        if (!record.last_) {
            return false;
        }
        for (const FieldIndex read : stepRow(kStepOrder[position], core).readFields()) {
            if (tracked(read) && record.texts_[slot(read)] != fields.text(read)) {
                return true;
            }
        }
        return false;
    }

    // The core type differs from the calculation before's: every result its steps wrote
    // describes the other core.
    bool coreTypeChanged() const {
        return record.last_ && coreTypeOf(record.coreTypeText_) != core;
    }

private:
    bool tracked(FieldIndex read) const {
        for (std::size_t before = 0; before < kStepOrder.size(); ++before) {
            if (resultFieldOf(before) == read) {
                return ran(outcome, kStepOrder[before]);
            }
        }
        return isCalculationInput(read, core);
    }
};

void CalculationRecord::note(const CalculationOutcome& outcome, const FieldSet& fields,
                             std::string_view coreTypeText) {
    if (!outcome.ranAStage()) {
        return;
    }
    const CoreType core = coreTypeOf(coreTypeText);
    // A result typed over since it was found to be an earlier design's is the user's own.
    for (std::size_t position = 0; position < earlier_.size(); ++position) {
        if (!fromEarlierDesign(position, fields)) {
            earlier_[position].reset();
        }
    }
    const Rules rules{*this, outcome, fields, core,
                      outcome.stop ? positionOf(outcome.stop->step) : kStepOrder.size()};
    for (std::size_t position = 0; position < kStepOrder.size(); ++position) {
        bool earlier = false;
        if (rules.stoppedBefore(position)) {
            earlier = true;
        } else if (ran(outcome, kStepOrder[position])) {
            earlier = rules.readsAnEarlierDesignsResult(position);
        } else {
            earlier = earlier_[position].has_value() ||
                      rules.readsAnEarlierDesignsResult(position) || rules.coreTypeChanged() ||
                      rules.inputChangedSince(position);
        }
        if (!earlier) {
            earlier_[position].reset();
        } else if (!earlier_[position]) {
            earlier_[position] = fields.text(resultFieldOf(position));
        }
    }
    for (const FieldInfo& info : kFields) {
        texts_[slot(info.index)] = fields.text(info.index);
    }
    coreTypeText_ = coreTypeText;
    last_ = outcome;
}

std::vector<FieldIndex> CalculationRecord::earlierDesignResults(const FieldSet& fields) const {
    std::vector<FieldIndex> results;
    for (std::size_t position = 0; position < kStepOrder.size(); ++position) {
        if (fromEarlierDesign(position, fields)) {
            results.push_back(resultFieldOf(position));
        }
    }
    return results;
}

std::vector<ChangedInput> CalculationRecord::changedInputs(const FieldSet& fields,
                                                           std::string_view coreTypeText) const {
    std::vector<ChangedInput> changed;
    if (!last_) {
        return changed;
    }
    for (const FieldInfo& info : kFields) {
        const std::string now = fields.text(info.index);
        if (isCalculationInput(info.index, coreTypeOf(coreTypeText_)) &&
            texts_[slot(info.index)] != now) {
            changed.push_back({info.index, texts_[slot(info.index)], now});
        }
    }
    if (coreTypeOf(coreTypeText) != coreTypeOf(coreTypeText_)) {
        changed.push_back({kCoreTypeBox, coreTypeText_, std::string(coreTypeText)});
    }
    return changed;
}

MemoryFieldSet CalculationRecord::inputsAsCalculated(const FieldSet& fields) const {
    MemoryFieldSet asCalculated;
    for (const FieldInfo& info : kFields) {
        const bool input = last_ && isCalculationInput(info.index, coreTypeOf(coreTypeText_));
        asCalculated.setText(info.index,
                             input ? texts_[slot(info.index)] : fields.text(info.index));
    }
    return asCalculated;
}

std::string CalculationRecord::coreTypeAsCalculated(std::string_view coreTypeText) const {
    return last_ ? coreTypeText_ : std::string(coreTypeText);
}

} // namespace coilwind
