#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace coilwind {

// One figure as people read it: a Chinese caption with its unit, a short English explanation and
// the value's text. A figure the design cannot give has no value; the reasons say why.
struct DetailsLine {
    std::string_view key;     // stable name for the line: "whole-turns", "standard-wire", ...
    std::string_view caption; // "整数圈数", "线长 (m)"
    std::string_view english; // "field 20 rounded up"
    std::optional<std::string> value;
};

// What became of a calibration from a test coil.
struct CalibrationOutcome {
    bool written = false; // field 18 holds the new AL
    std::string message;  // for the user, in either case
};

} // namespace coilwind
