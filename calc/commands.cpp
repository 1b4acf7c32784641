#include "commands.hpp"

#include "failure.hpp"
#include "stages.hpp"

namespace coilwind {
namespace {

// The Enter key moves on through indices below this bound; past field 24 the missing next field,
// not the bound, is what keeps the focus in place.
constexpr FieldIndex kFocusStepBound = 29;

std::string summaryLine(std::string_view content) {
    std::string line = "\n\r        ";
    line += content;
    line += "\n\r";
    return line;
}

} // namespace

std::string composeSummary(const FieldSet& fields, std::string_view coreTypeText) {
    return summaryLine("TURNS=" + fields.text(field::kTurns) +
                       "Ts    WIRE=" + fields.text(field::kWireDiameter) + "mm  ") +
           summaryLine("INDUCTANCE:" + fields.text(field::kInductance) + "uH 1kHZ @ 1V") +
           summaryLine("CORE:" + fields.text(field::kCoreModel) + "  " + std::string(coreTypeText) +
                       "  " + fields.text(field::kMaker));
}

std::optional<std::string> calculate(FieldSet& fields, std::string_view coreTypeText) {
    try {
        runAlStage(fields, coreTypeText);
        runTurnsStage(fields, coreTypeText);
        runWindingStage(fields, coreTypeText);
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
        if (index == field::kPermeability) {
            runAlStage(fields, coreTypeText);
        }
        if (index == field::kInductance) {
            runTurnsStage(fields, coreTypeText);
        }
        if (index == field::kWireDiameter) {
            runWindingStage(fields, coreTypeText);
            summary = composeSummary(fields, coreTypeText);
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
