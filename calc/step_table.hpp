#pragma once

#include "core_type.hpp"
#include "failure.hpp"
#include "field_set.hpp"
#include "formulas.hpp"
#include "number_text.hpp"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace coilwind {

// The calculation as data: for each step and core type, the fields it reads (in the order it
// reads them), the field it writes with its pattern, and the operand each of its faults names.
// The stages run from this table; the batch tool's errors, the details window's stop report and
// the field help read it too, so no one keeps a second copy of what a step does.

enum class StepId { Al, Turns, WireMax, Dcr, CopperG };
enum class StageId { Al, Turns, Winding };

inline constexpr std::size_t kMostReads = 5;
using StepInputs = std::array<double, kMostReads>;

struct StepRow {
    StepId id;
    CoreType core;
    std::array<FieldIndex, kMostReads> reads; // in reading order; readCount of them are used
    std::size_t readCount;
    // The row's formula applied to the numbers read, in the order of `reads`.
    CheckedNumber (*compute)(const StepInputs& in);
    FieldIndex writes;
    Pattern pattern;
    std::string_view suffix;
    // The quantity a division by zero and a square root of a negative number point at; empty
    // where the step has no such operation.
    std::string_view zeroDivisor;
    std::string_view negativeRoot;

    std::span<const FieldIndex> readFields() const { return {reads.data(), readCount}; }
};

namespace detail {
// Calls the formula with the numbers read, each typed by the field it was read from: a formula
// whose operands are not exactly the row's reads, in order, does not compile.
template <auto Formula, FieldIndex... Reads, std::size_t... Slot>
CheckedNumber applyInOrder(const StepInputs& in, std::index_sequence<Slot...> /*slots*/) {
    return Formula(Operand<Reads>{in[Slot]}...);
}
template <auto Formula, FieldIndex... Reads> CheckedNumber apply(const StepInputs& in) {
    return applyInOrder<Formula, Reads...>(in, std::index_sequence_for<decltype(Reads)...>{});
}
} // namespace detail

// A row of the table: the formula and the fields it reads, in reading order.
template <auto Formula, FieldIndex... Reads>
constexpr StepRow formulaRow(StepId id, CoreType core, FieldIndex writes, Pattern pattern,
                             std::string_view suffix, std::string_view zeroDivisor,
                             std::string_view negativeRoot) {
    static_assert(sizeof...(Reads) <= kMostReads);
    return {id,     core,    {Reads...}, sizeof...(Reads), &detail::apply<Formula, Reads...>,
            writes, pattern, suffix,     zeroDivisor,      negativeRoot};
}

inline constexpr std::string_view kCopperWeightSuffix = "\n\r";

// clang-format off
inline constexpr std::array<StepRow, 10> kStepTable{
    // AL (nH/N²) from the permeability and the core's shape. The drum reads B twice.
    formulaRow<step::drumAl, field::kPermeability, field::kB, field::kD, field::kA, field::kB>(
        StepId::Al, CoreType::Drum, field::kAl, Pattern::OneDecimal, {}, "A + D - B", {}),
    formulaRow<step::rodAl, field::kPermeability, field::kA, field::kB>(
        StepId::Al, CoreType::Rod, field::kAl, Pattern::OneDecimal, {}, "B", {}),
    // Turns from the wanted inductance and AL as shown; one form for both cores.
    formulaRow<step::turns, field::kAl, field::kInductance>(
        StepId::Turns, CoreType::Drum, field::kTurns, Pattern::OneDecimal, {}, "AL", "L / AL"),
    formulaRow<step::turns, field::kAl, field::kInductance>(
        StepId::Turns, CoreType::Rod, field::kTurns, Pattern::OneDecimal, {}, "AL", "L / AL"),
    // The largest wire: a drum fills its winding window, a rod takes one layer along its length.
    formulaRow<step::drumWireMax, field::kB, field::kF, field::kTurns, field::kA>(
        StepId::WireMax, CoreType::Drum, field::kWireDiameter, Pattern::ThreeDecimals, {}, "turns",
        "(A - B) x F / turns"),
    formulaRow<step::rodWireMax, field::kB, field::kTurns>(
        StepId::WireMax, CoreType::Rod, field::kWireDiameter, Pattern::ThreeDecimals, {}, "turns", {}),
    // DC resistance of the winding.
    formulaRow<step::drumDcr, field::kA, field::kB, field::kTurns, field::kWireDiameter>(
        StepId::Dcr, CoreType::Drum, field::kDcr, Pattern::FourDecimals, {},
        "the cross-section of wire_max", {}),
    formulaRow<step::rodDcr, field::kA, field::kTurns, field::kWireDiameter>(
        StepId::Dcr, CoreType::Rod, field::kDcr, Pattern::FourDecimals, {},
        "the cross-section of wire_max", {}),
    // Copper weight, written with a line feed and a carriage return behind the number.
    formulaRow<step::drumCopperWeight, field::kA, field::kB, field::kWireDiameter, field::kTurns>(
        StepId::CopperG, CoreType::Drum, field::kCopperWeight, Pattern::ThreeDecimals,
        kCopperWeightSuffix, {}, {}),
    formulaRow<step::rodCopperWeight, field::kA, field::kWireDiameter, field::kTurns>(
        StepId::CopperG, CoreType::Rod, field::kCopperWeight, Pattern::ThreeDecimals,
        kCopperWeightSuffix, {}, {}),
};
// clang-format on

struct StageRow {
    StageId id;
    FieldIndex trigger; // Enter in this field runs the stage
    std::array<StepId, 2> steps;
    std::size_t stepCount;

    std::span<const StepId> stepIds() const { return {steps.data(), stepCount}; }
};

// The calculate command runs the stages in this order.
inline constexpr std::array<StageRow, 3> kStageTable{{
    {StageId::Al, field::kPermeability, {StepId::Al}, 1},
    {StageId::Turns, field::kInductance, {StepId::Turns, StepId::WireMax}, 2},
    {StageId::Winding, field::kWireDiameter, {StepId::Dcr, StepId::CopperG}, 2},
}};

inline constexpr std::array<StepId, 5> kStepOrder{StepId::Al, StepId::Turns, StepId::WireMax,
                                                  StepId::Dcr, StepId::CopperG};

const StepRow& stepRow(StepId step, CoreType core);

// Whether any step of the core type's calculation reads the field.
bool readsField(FieldIndex index, CoreType core);
// Whether a step writes the field: AL, turns, wire diameter, DCR and copper weight.
bool isResultField(FieldIndex index);

// The short name of a field as tables and messages use it: "A", "mu", "L", "AL", "turns",
// "wire_max", "dcr", "copper_g"; a step is named after the field it writes. Empty for a field no
// step reads or writes.
std::string_view fieldName(FieldIndex index);
std::string_view stepName(StepId step);
// In words, for help texts: "AL", "turns", "wire diameter", "DC resistance", "copper weight".
std::string_view stepWords(StepId step);

// A step that faulted: which one, what went wrong and the operand it points at. what() reads
// "turns: division by zero (AL is 0)" or "dcr: A holds a number beyond the range of a double".
class StepFault : public CalculationFault {
public:
    StepFault(const StepRow& row, FaultKind kind, const std::string& fault,
              const std::string& cause);

    StepId step() const { return step_; }
    CoreType core() const { return core_; }
    // "division by zero (AL is 0)": the fault and its cause, without the step's name.
    const std::string& description() const { return description_; }

private:
    StepId step_;
    CoreType core_;
    std::string description_;
};

} // namespace coilwind
