#pragma once

#include "calc/field_set.hpp"
#include "calc/number_text.hpp"
#include "calc/text.hpp"
#include "calc/winding_details.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// The marks both front ends and the report put around their texts, written once.
namespace mark {
inline constexpr std::string_view kNoValue = "—";     // a figure the design cannot give; an empty box
inline constexpr std::string_view kListItem = "• ";   // one reason, refusal or finding of a list
inline constexpr std::string_view kError = "⚠ ";      // an input-check error in the page's status line
inline constexpr std::string_view kNote = "ⓘ ";       // an input-check note there
inline constexpr std::string_view kCaptioned = ": ";  // between a caption and its value
inline constexpr std::string_view kBetween = " — ";   // between a description and what it names
inline constexpr std::string_view kWorking = " …";    // after what is being worked on
} // namespace mark

// The core-type box's caption where the details and the input check name it (context "Details").
inline constexpr std::string_view kCoreTypeCaption = QT_TRANSLATE_NOOP("Details", "磁心类型");

// One figure as people read it: a Chinese caption with its unit, a short English explanation and
// the value's text. A figure the design cannot give has no value; the reasons say why.
struct DetailsLine {
    std::string_view key;     // stable name for the line: "whole-turns", "standard-wire", ...
    std::string caption;      // "整数圈数", "线长 (m)", in the chosen language
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

} // namespace coilwind
