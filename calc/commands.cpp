#include "commands.hpp"

#include "failure.hpp"
#include "stages.hpp"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace coilwind {
namespace {

// The Enter key moves on through indices below this bound; past field 24 the missing next field,
// not the bound, is what keeps the focus in place.
constexpr FieldIndex kFocusStepBound = 29;

// Each line is framed by line feed + carriage return pairs and indented by eight blanks.
void appendLine(std::string& summary, std::initializer_list<std::string_view> parts) {
    summary += "\n\r        ";
    for (const std::string_view part : parts) {
        summary += part;
    }
    summary += "\n\r";
}

// Runs the outcome's stages step by step; the first fault ends the run and becomes its stop.
void runStages(FieldSet& fields, std::string_view coreTypeText, CalculationOutcome& outcome) {
    for (const StageRow& stage : outcome.stages) {
        for (const StepId step : stage.stepIds()) {
            try {
                runStep(fields, step, coreTypeOf(coreTypeText));
            } catch (const StepFault& fault) {
                outcome.stop = CalculationStop{step, fault.description()};
                return;
            } catch (const CommandFailure& failure) {
                outcome.stop = CalculationStop{step, failure.what()};
                return;
            }
        }
    }
}

} // namespace

std::string composeSummary(const FieldSet& fields, std::string_view coreTypeText) {
    const std::string turns = fields.text(field::kTurns);
    const std::string wire = fields.text(field::kWireDiameter);
    const std::string inductance = fields.text(field::kInductance);
    const std::string model = fields.text(field::kCoreModel);
    const std::string maker = fields.text(field::kMaker);
    std::string summary;
    summary.reserve(128 + turns.size() + wire.size() + inductance.size() + model.size() +
                    coreTypeText.size() + maker.size());
    appendLine(summary, {"TURNS=", turns, "Ts    WIRE=", wire, "mm  "});
    appendLine(summary, {"INDUCTANCE:", inductance, "uH 1kHZ @ 1V"});
    appendLine(summary, {"CORE:", model, "  ", coreTypeText, "  ", maker});
    return summary;
}

CalculationOutcome calculate(FieldSet& fields, std::string_view coreTypeText) {
    CalculationOutcome outcome;
    outcome.stages = kStageTable;
    runStages(fields, coreTypeText, outcome);
    if (!outcome.stop) {
        outcome.summary = composeSummary(fields, coreTypeText);
    }
    return outcome;
}

CalculationOutcome handleKeyDown(FieldSet& fields, std::string_view coreTypeText, FieldIndex index,
                                 int keyCode, int /*modifiers*/) {
    CalculationOutcome outcome;
    if (keyCode != kEnterKey) {
        return outcome;
    }
    outcome.enteredIn = index;
    const auto* stage = std::find_if(kStageTable.begin(), kStageTable.end(),
                                     [&](const StageRow& row) { return row.trigger == index; });
    if (stage != kStageTable.end()) {
        outcome.stages = std::span(stage, 1);
        runStages(fields, coreTypeText, outcome);
        if (outcome.stop) {
            return outcome; // what was written so far stays, and so does the focus
        }
        if (stage->id == StageId::Winding) {
            outcome.summary = composeSummary(fields, coreTypeText);
        }
    }
    if (index < kFocusStepBound) {
        try {
            fields.focus(index + 1);
        } catch (const NoSuchField&) {
            // no field with the next index: the focus stays where it is
        }
    }
    return outcome;
}

} // namespace coilwind
