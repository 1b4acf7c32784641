#include "details_status.hpp"

#include "shown_text.hpp"
#include "calc/text.hpp"
#include "window_description.hpp"

#include <algorithm>

namespace coilwind {
namespace {

// "field 19, 电感量 (uH)": the field's number and the caption above it in the main window.
std::string fieldWithCaption(FieldIndex index) {
    const std::string number = std::to_string(index);
    const auto controls = windowDescription();
    const auto caption = std::find_if(controls.begin(), controls.end(), [&](const auto& control) {
        return control.kind == ControlKind::Caption && control.captionOf == index;
    });
    if (caption == controls.end()) {
        return filled(translate("Status", "field %1"), {number});
    }
    return filled(translate("Status", "field %1, %2"), {number, captionText(*caption)});
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
        status.outcome = translate(
            "Status", "尚未计算 (no calculation yet: the figures follow the fields as they stand)");
        return status;
    }
    const std::string how =
        last->enteredIn
            ? filled(translate("Status", "Enter in %1"), {fieldWithCaption(*last->enteredIn)})
            : translate("Status", "计算 button");
    if (last->stop) {
        status.stopped = true;
        // "%1": the step; "%2": what stopped it; "%3": the key or button that ran it.
        status.outcome = filled(translate("Status", "计算中止 at %1: %2 — %3"),
                                {stepName(last->stop->step), last->stop->description, how});
    } else {
        // "%1": the key or button that ran it; "%2": the steps it ran.
        status.outcome =
            filled(translate("Status", "计算完成 (completed): %1 — %2"), {how, stepsOf(*last)});
    }
    std::string changes;
    for (const ChangedInput& input : record.changedInputs(fields, coreTypeText)) {
        changes += changes.empty() ? "" : "; ";
        changes += input.field == kCoreTypeBox ? translate("Status", "core type")
                                               : std::string(fieldName(input.field));
        changes += " " + quotedShort(input.then) + " → " + quotedShort(input.now);
    }
    if (!changes.empty()) {
        status.changed = filled(translate("Status",
                                          "输入已改 (changed since the last calculation): %1. "
                                          "以下数字属于上次计算时的字段 (the figures belong to the "
                                          "fields as they were at that calculation; 计算 "
                                          "recomputes them)"),
                                {changes});
    }
    return status;
}

} // namespace coilwind
