#include "details_status.hpp"

#include "shown_text.hpp"
#include "window_description.hpp"

#include <algorithm>

namespace coilwind {
namespace {

// "field 19, 电感量 (uH)": the field's number and the caption above it in the main window.
std::string fieldWithCaption(FieldIndex index) {
    std::string text = "field " + std::to_string(index);
    const auto controls = windowDescription();
    const auto caption = std::find_if(controls.begin(), controls.end(), [&](const auto& control) {
        return control.kind == ControlKind::Caption && control.captionOf == index;
    });
    if (caption != controls.end()) {
        text += ", " + std::string(caption->caption);
    }
    return text;
}

std::string stepsOf(const CalculationOutcome& outcome) {
    std::string steps;
    for (const StageRow& stage : outcome.stages) {
        for (const StepId step : stage.stepIds()) {
            steps += (steps.empty() ? "" : ", ") + std::string(stepName(step));
        }
    }
    return steps;
}

} // namespace

CalculationStatus calculationStatus(const CalculationRecord& record, const FieldSet& fields,
                                    std::string_view coreTypeText) {
    CalculationStatus status;
    const std::optional<CalculationOutcome>& last = record.last();
    if (!last) {
        status.outcome =
            "尚未计算 (no calculation yet: the figures follow the fields as they stand)";
        return status;
    }
    const std::string how = last->enteredIn ? "Enter in " + fieldWithCaption(*last->enteredIn)
                                            : std::string("计算 button");
    if (last->stop) {
        status.stopped = true;
        status.outcome = "计算中止 at " + std::string(stepName(last->stop->step)) + ": " +
                         last->stop->description + " — " + how;
    } else {
        status.outcome = "计算完成 (completed): " + how + " — " + stepsOf(*last);
    }
    std::string changes;
    for (const ChangedInput& input : record.changedInputs(fields, coreTypeText)) {
        changes += changes.empty() ? "" : "; ";
        changes += input.field == kCoreTypeBox ? std::string("core type")
                                               : std::string(fieldName(input.field));
        changes += " " + quotedShort(input.then) + " → " + quotedShort(input.now);
    }
    if (!changes.empty()) {
        status.changed = "输入已改 (changed since the last calculation): " + changes +
                         ". 以下数字属于上次计算时的字段 (the figures belong to the fields as "
                         "they were at that calculation; 计算 recomputes them)";
    }
    return status;
}

} // namespace coilwind
