#pragma once

#include "calc/calculation_record.hpp"
#include "calc/field_set.hpp"
#include "calc/input_check.hpp"
#include "calc/number_text.hpp"
#include "calc/settings_limits.hpp"
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

// What became of the last calculation, in Chinese with the English beside it.
struct CalculationStatus {
    bool stopped = false;
    std::string outcome; // "计算中止 at turns: division by zero (AL is 0) — 计算 button"
    // When an input changed since: which, and that the figures belong to the fields as they were.
    std::optional<std::string> changed;
};

// One finding of the input check as people read it: "逗号不是小数点: 电感量 \"4,7\" was read as 4
// (a comma is not a decimal point: type \".\")", fields named by their captions.
struct CheckLine {
    std::string_view key; // the finding's stable key
    bool error = false;   // otherwise a note
    bool shape = false;   // the core's shape cannot be
    std::string text;
};

// The input check of the last calculation, errors first; nothing before the first calculation.
std::vector<CheckLine> inputCheckLines(const FieldSet& fields, std::string_view coreTypeText,
                                       const CalculationRecord& record);

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
    // AL and turns from the rod's shape beside the quick formula's: always the same lines, with
    // values for a rod core only; and a warning when the two disagree, or why the model gives no
    // figures for this rod.
    bool rodShapeApplies = false;
    std::vector<DetailsLine> rodShape;
    std::optional<std::string> rodShapeNote;
    bool rodShapeWarns = false;
};

// Without a record (no calculation yet) the details follow the fields as they stand.
DetailsView viewDetails(const FieldSet& fields, std::string_view coreTypeText,
                        const DetailsSettings& settings,
                        const CalculationRecord& record = CalculationRecord{});

// A figure with the pattern's decimals; a magnitude too large for fixed decimals is written in
// the shortest exponent form. Returns nothing for an infinity or a NaN.
std::optional<std::string> figureText(double value, Pattern pattern);

// The whole design for a lab notebook, plain text with line feeds: the main window's fields as
// shown (inputs, then results, each result of an earlier design marked), the last calculation's
// outcome, the details' settings, figures and reasons.
std::string composeDesignReport(const FieldSet& fields, std::string_view coreTypeText,
                                const DetailsSettings& settings,
                                const CalculationRecord& record = CalculationRecord{});

// A setting as typed into its entry box: a plain decimal number within its limit, or nothing.
std::optional<double> readSetting(const SettingLimit& limit, std::string_view text);
// What the user reads when the text is refused: "temperature from -55 to 250 °C, not \"-300\"".
std::string settingRefusal(const SettingLimit& limit, std::string_view text);

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
