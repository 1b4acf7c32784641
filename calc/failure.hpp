#pragma once

#include <stdexcept>
#include <string>

namespace coilwind {

// A failure that ends a command: the calculate command and the Enter-key flow swallow every one
// silently, so the two handlers need one catch clause and nothing else escapes by accident. A
// CalculationFault is the arithmetic kind; NoSuchField the other.
class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What went wrong in a calculation; the step table names the operand each kind points at.
enum class FaultKind {
    ZeroDivisor,      // "division by zero"
    NegativeRoot,     // "square root of a negative number"
    BeyondRange,      // an intermediate result that is not finite
    FieldBeyondRange, // a field's number lies beyond the range of a double
    OutOfDomain,      // an input outside what a figure is defined for (winding details)
};

// A zero divisor, a square root of a negative number, a non-finite intermediate result, or a field
// whose number lies beyond the range of a double.
class CalculationFault : public CommandFailure {
public:
    CalculationFault(FaultKind kind, const std::string& what) : CommandFailure(what), kind_(kind) {}

    FaultKind kind() const { return kind_; }

private:
    FaultKind kind_;
};

// A field index that names no field of the field set.
class NoSuchField : public CommandFailure {
public:
    explicit NoSuchField(int index) : CommandFailure("no field " + std::to_string(index)) {}
};

} // namespace coilwind
