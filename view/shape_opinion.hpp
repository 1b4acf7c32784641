#pragma once

#include "calc/text.hpp"

#include "calc/calculation_record.hpp"
#include "calc/field_set.hpp"
#include "calc/open_core.hpp"
#include "calc/winding_details.hpp"
#include "view/calibration.hpp"
#include "view/details_lines.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// The second opinion from the core's shape as the details show it: a title and its explanation
// for the core type, always the same lines (values where the model gives figures), and a note:
// why the model gives none, or the warning when its AL and the main window's disagree.
struct ShapeOpinionView {
    std::string title;
    std::string explanation; // what the model is and where it holds
    std::vector<DetailsLine> lines;
    std::optional<std::string> validation; // the band and what it was measured against
    std::optional<std::string> note;
    bool warns = false;      // the note is the disagreement warning
    bool usableAsAl = false; // an AL to put into field 18
};

ShapeOpinionView viewShapeOpinion(const std::optional<DesignInputs>& design,
                                  const std::optional<OpenCoreOpinion>& opinion);

// The caption of the button that writes the shape's AL into field 18, and its explanation.
inline constexpr std::string_view kUseShapeAlCaption =
    QT_TRANSLATE_NOOP("Details", "用作AL");
inline constexpr std::string_view kUseShapeAlExplanation =
    QT_TRANSLATE_NOOP("Details", "Write the shape's AL into the main window's AL field (one decimal), as the calibration "
    "does; Enter in 电感量 then recomputes the turns from it");

// Writes the shape model's AL for the design the details show (the last calculation's inputs)
// into field 18 with the AL stage's pattern, as the calibration does; or writes nothing and says
// why.
CalibrationOutcome applyShapeAl(FieldSet& fields, std::string_view coreTypeText,
                                const DetailsSettings& settings,
                                const CalculationRecord& record = CalculationRecord{});

} // namespace coilwind
