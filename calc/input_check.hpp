#pragma once

#include "calculation_record.hpp"
#include "core_type.hpp"
#include "field_set.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// The main window reads what it is given without a word: a text by the leading-number rule, any
// core-type text but "R CORE" as the drum, a shape no core can have, AL as displayed. The input
// check names each of these traps for the last calculation, beside the window, never in it: it
// reads the fields and the record and writes nothing.

enum class Severity {
    Error, // the design computed is not the one meant, or none was computed
    Note,  // read as meant, but not as typed
};

// Each trap has a stable key (keyName), a severity and a Chinese caption; the English message
// says what was read and why.
enum class FindingKey {
    EmptyInput,       // an input left empty reads 0
    NoDigit,          // a text without a leading digit reads 0
    FullWidthDigit,   // "５", "４．７": full-width characters are no digits to the rule
    DecimalComma,     // "4,7" reads 4
    ReadInPart,       // "4.7mH": reading stops where the number ends
    UnitAfterNumber,  // "4.7uH": the field's own unit after the number, only a note
    CoreTypeNotRod,   // "r core", "R CORE ", "rod": meant as the rod, computed as the drum
    CoreTypeDefault,  // any other text but "KQ CORE": computed as the drum
    NotPositive,      // a dimension, the permeability or the inductance at or below 0
    PostNotNarrower,  // drum: centre post B at least as wide as the flange A
    WidthAboveLength, // drum: winding width F above the length D
    AlRounding,       // AL shown to one decimal shifts the turns by more than 1 %
    Stopped,          // the calculation stopped at a step
    EarlierDesign,    // results that an earlier design wrote
};

struct InputFinding {
    FindingKey key;
    FieldIndex field; // the field it concerns; kCoreTypeBox, or kNoField for the calculation
    std::string message;
};

inline constexpr FieldIndex kNoField = -2;

std::string_view keyName(FindingKey key);        // "decimal-comma"
Severity severityOf(FindingKey key);             //
std::string_view findingCaption(FindingKey key); // "逗号不是小数点"
bool isShapeFinding(FindingKey key);             // the core's shape cannot be

// How a message names a field: the batch tool and the winding details by its short name ("L",
// "A", "core type"), the views by the caption above it in the main window.
using FieldLabel = std::string (*)(FieldIndex);
std::string shortFieldLabel(FieldIndex index);

// The traps of the last calculation: the fields as it read them (the record's inputsAsCalculated
// and coreTypeAsCalculated), where it stopped and which results an earlier design wrote; errors
// first. Nothing before the first calculation.
std::vector<InputFinding> checkInputs(const FieldSet& fields, std::string_view coreTypeText,
                                      const CalculationRecord& record,
                                      FieldLabel label = shortFieldLabel);

// The core's dimensions as read (mm): zero or negative, or impossible for the shape. A rod reads
// only A and B; a drum's D matters only for its AL.
struct CoreShape {
    CoreType core = CoreType::Drum;
    double aMm = 0;
    double bMm = 0;
    std::optional<double> dMm; // none: D is not checked
    double fMm = 0;
};
std::vector<InputFinding> checkShape(const CoreShape& shape, FieldLabel label = shortFieldLabel);

} // namespace coilwind
