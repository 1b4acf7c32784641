#pragma once

#include "calc/field_set.hpp"
#include "calc/number_text.hpp"
#include "calc/rod_permeability.hpp"
#include "calc/winding_details.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// One figure as people read it: a Chinese caption with its unit, a short English explanation and
// the value's text. A figure the design cannot give has no value; the reasons say why.
struct DetailsLine {
    std::string_view key;     // stable name for the line: "whole-turns", "standard-wire", ...
    std::string_view caption; // "整数圈数", "线长 (m)"
    std::string english;      // "field 20 rounded up"; built from the constant where it quotes one
    std::optional<std::string> value;
};

// A figure with the pattern's decimals; a magnitude too large for fixed decimals is written in
// the shortest exponent form. Returns nothing for an infinity or a NaN.
std::optional<std::string> figureText(double value, Pattern pattern);

// What the details are computed from, as read; a result an earlier design wrote is marked.
std::vector<DetailsLine> inputLines(const std::optional<DesignInputs>& design,
                                    std::span<const FieldIndex> earlierDesign);
// The details' own figures.
std::vector<DetailsLine> figureLines(const std::optional<DesignInputs>& design,
                                     const WindingDetails& details);
// AL and turns from the rod's shape: always the same lines, with values when there is an estimate.
std::vector<DetailsLine> rodShapeLines(const RodSecondOpinion& opinion);
// Why the model gives no figures, or the warning when its AL and the quick formula's disagree.
std::optional<std::string> rodShapeNoteOf(const RodSecondOpinion& opinion,
                                          const DesignInputs& design);
// What the rod's second opinion is and where it holds, for the group's tooltip.
std::string rodShapeExplanation();

} // namespace coilwind
