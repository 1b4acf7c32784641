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
FieldIndex resultOf(std::size_t stepPosition) {
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
    return text && !text->empty() && *text == fields.text(resultOf(stepPosition));
}

void CalculationRecord::note(const CalculationOutcome& outcome, const FieldSet& fields,
                             std::string_view coreTypeText) {
    if (!outcome.ranAStage()) {
        return;
    }
    const CoreType core = coreTypeOf(coreTypeText);
    const bool first = !last_;
    const bool coreChanged = !first && coreTypeOf(coreTypeText_) != core;
    // A result typed over since it was found to be an earlier design's is the user's own.
    for (std::size_t position = 0; position < earlier_.size(); ++position) {
        if (!fromEarlierDesign(position, fields)) {
            earlier_[position].reset();
        }
    }
    // Past the last step when the calculation did not stop.
    const std::size_t stoppedAt = outcome.stop ? positionOf(outcome.stop->step) : kStepOrder.size();
    for (std::size_t position = 0; position < kStepOrder.size(); ++position) {
        const StepRow& row = stepRow(kStepOrder[position], core);
        const auto reads = row.readFields();
        bool readsAnEarlierDesign = false;
        bool readChanged = false;
        for (const FieldIndex read : reads) {
            // An input, or a result this calculation rewrote; a result typed over by hand is the
            // user's to try.
            bool tracked = isCalculationInput(read, core);
            for (std::size_t before = 0; before < position; ++before) {
                if (resultOf(before) == read) {
                    readsAnEarlierDesign = readsAnEarlierDesign || earlier_[before].has_value();
                    tracked = before < stoppedAt && ran(outcome, kStepOrder[before]);
                }
            }
            readChanged =
                readChanged || (!first && tracked && texts_[slot(read)] != fields.text(read));
        }
        bool earlier = false;
        if (position >= stoppedAt) {
            earlier = true;
        } else if (ran(outcome, row.id)) {
            earlier = readsAnEarlierDesign;
        } else {
            earlier = earlier_[position].has_value() || readsAnEarlierDesign || coreChanged ||
                      readChanged;
        }
        if (!earlier) {
            earlier_[position].reset();
        } else if (!earlier_[position]) {
            earlier_[position] = fields.text(row.writes);
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
            results.push_back(resultOf(position));
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
