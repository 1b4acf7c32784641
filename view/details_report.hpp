#pragma once

#include "calc/calculation_record.hpp"
#include "calc/field_set.hpp"
#include "calc/winding_details.hpp"
#include "view/calibration.hpp"
#include "view/details_lines.hpp"
#include "view/details_settings.hpp"
#include "view/details_status.hpp"
#include "view/shape_opinion.hpp"
#include "view/input_check_lines.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// The details of the design the last calculation worked on, ready to display or print: its
// inputs as that calculation read them, the results as the fields show them. A result that an
// earlier design wrote gives no figure. `inputs` and `figures` always hold the same lines in the
// same order, whatever the design.
struct DetailsView {
    CalculationStatus status;
    std::vector<CheckLine> checks;         // shown above everything else
    std::vector<FieldIndex> earlierDesign; // result fields an earlier design wrote
    std::optional<DesignInputs> design;    // none when a field's number lies beyond a double
    WindingDetails details;
    std::vector<DetailsLine> inputs;  // what the details are computed from, as read
    std::vector<DetailsLine> figures; // the details' own figures
    // AL and turns from the core's shape beside the quick formula's (view/shape_opinion).
    ShapeOpinionView shapeOpinion;
    // The current rating: always the same lines, with values only when the settings give a DC
    // current; and its warnings, each in Chinese with the English beside it.
    bool currentApplies = false;
    std::vector<DetailsLine> current;
    std::vector<std::string> currentWarnings;
};

// Without a record (no calculation yet) the details follow the fields as they stand.
DetailsView viewDetails(const FieldSet& fields, std::string_view coreTypeText,
                        const DetailsSettings& settings,
                        const CalculationRecord& record = CalculationRecord{});

// The whole design for a lab notebook, plain text with line feeds: the main window's fields as
// shown (inputs, then results, each result of an earlier design marked), the last calculation's
// outcome, the details' settings, figures and reasons.
std::string composeDesignReport(const FieldSet& fields, std::string_view coreTypeText,
                                const DetailsSettings& settings,
                                const CalculationRecord& record = CalculationRecord{});

} // namespace coilwind
