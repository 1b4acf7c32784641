#pragma once

#include "calc/field_set.hpp"

#include <string>
#include <string_view>

namespace coilwind {

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

// The words of writing an AL into field 18, from the calibration or from the shape model: refused
// because it would show as 0.0, or written, with where it came from (" (drum model)", or empty).
std::string alShowsZeroText(double al);
std::string alWrittenText(const FieldSet& fields, std::string_view source);

} // namespace coilwind
