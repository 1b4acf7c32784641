#pragma once

#include "calc/field_set.hpp"
#include "calc/number_text.hpp"
#include "calc/winding_details.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// One figure as people read it: a Chinese caption with its unit, a short English explanation and
// the value's text. A figure the design cannot give has no value; the reasons say why.
struct DetailsLine {
    std::string_view key;     // stable name for the line: "whole-turns", "standard-wire", ...
    std::string_view caption; // "整数圈数", "线长 (m)"
    std::string_view english; // "field 20 rounded up"
    std::optional<std::string> value;
};

// The details of the design that the fields show, ready to display or print. `inputs` and
// `figures` always hold the same lines in the same order, whatever the design.
struct DetailsView {
    std::optional<DesignInputs> design; // none when a field's number lies beyond a double
    WindingDetails details;
    std::vector<DetailsLine> inputs;  // what the details are computed from, as read
    std::vector<DetailsLine> figures; // the details' own figures
};

DetailsView viewDetails(const FieldSet& fields, std::string_view coreTypeText,
                        const DetailsSettings& settings);

// A figure with the pattern's decimals; a magnitude too large for fixed decimals is written in
// the shortest exponent form. Returns nothing for an infinity or a NaN.
std::optional<std::string> figureText(double value, Pattern pattern);

// The whole design for a lab notebook, plain text with line feeds: the main window's fields as
// shown (inputs, then results), the details' settings, figures and reasons.
std::string composeDesignReport(const FieldSet& fields, std::string_view coreTypeText,
                                const DetailsSettings& settings);

// What became of a calibration from a test coil.
struct CalibrationOutcome {
    bool written = false; // field 18 holds the new AL
    std::string message;  // for the user, in either case
};

// Reads the measured inductance (uH) and the test coil's turns as typed, each a plain decimal
// number above zero, and writes the AL they give into field 18. An entry that is no such number,
// or an AL that would not show as a number above 0.0, writes nothing and says why.
CalibrationOutcome applyCalibration(FieldSet& fields, std::string_view measuredUhText,
                                    std::string_view turnsText);

} // namespace coilwind
