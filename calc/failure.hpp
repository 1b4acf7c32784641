#pragma once

#include <stdexcept>
#include <string>

namespace coilwind {

// Every failure that the calculate command and the Enter-key flow swallow silently derives from
// this, so the two handlers need one catch clause and nothing else escapes by accident.
class CalcFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A zero divisor, a square root of a negative number, a non-finite intermediate result, or a field
// whose number lies beyond the range of a double.
class CalculationFault : public CalcFailure {
public:
    using CalcFailure::CalcFailure;
};

// A field index that names no field of the field set.
class NoSuchField : public CalcFailure {
public:
    explicit NoSuchField(int index) : CalcFailure("no field " + std::to_string(index)) {}
};

} // namespace coilwind
