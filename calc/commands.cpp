#include "commands.hpp"

#include "failure.hpp"
#include "stages.hpp"

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

std::optional<std::string> calculate(FieldSet& fields, std::string_view coreTypeText) {
    try {
        for (const StageRow& stage : kStageTable) {
            runStage(fields, stage.id, coreTypeText);
        }
        return composeSummary(fields, coreTypeText);
    } catch (const CalcFailure&) {
        return std::nullopt;
    }
}

std::optional<std::string> handleKeyDown(FieldSet& fields, std::string_view coreTypeText,
                                         FieldIndex index, int keyCode, int /*modifiers*/) {
    if (keyCode != kEnterKey) {
        return std::nullopt;
    }
    std::optional<std::string> summary;
    try {
        for (const StageRow& stage : kStageTable) {
            if (index == stage.trigger) {
                runStage(fields, stage.id, coreTypeText);
                if (stage.id == StageId::Winding) {
                    summary = composeSummary(fields, coreTypeText);
                }
            }
        }
        if (index < kFocusStepBound) {
            fields.focus(index + 1);
        }
    } catch (const CalcFailure&) {
        // A fault ends the key press silently; what was written so far stays.
    }
    return summary;
}

} // namespace coilwind
