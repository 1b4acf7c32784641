#pragma once

#include "failure.hpp"

#include <cmath>

namespace coilwind {

// A double whose every operation is checked where it happens: a zero divisor, the square root of
// a negative number and any result that is not finite raise a CalculationFault. Checking only a
// final value would miss an overflow that a later operation hides (x / inf is a finite 0), and
// floating-point exception flags are not reliable under optimisation.
class CheckedNumber {
public:
    constexpr CheckedNumber(double value) : value_(value) {} // NOLINT: implicit by design

    constexpr double value() const { return value_; }

    friend CheckedNumber operator+(CheckedNumber a, CheckedNumber b) {
        return finite(a.value_ + b.value_);
    }
    friend CheckedNumber operator-(CheckedNumber a, CheckedNumber b) {
        return finite(a.value_ - b.value_);
    }
    friend CheckedNumber operator*(CheckedNumber a, CheckedNumber b) {
        return finite(a.value_ * b.value_);
    }
    friend CheckedNumber operator/(CheckedNumber a, CheckedNumber b) {
        if (b.value_ == 0.0) {
            throw CalculationFault(FaultKind::ZeroDivisor, "division by zero");
        }
        return finite(a.value_ / b.value_);
    }

private:
    static CheckedNumber finite(double result) {
        if (!std::isfinite(result)) {
            throw CalculationFault(FaultKind::BeyondRange, "result beyond the range of a double");
        }
        return result;
    }

    double value_;
};

inline CheckedNumber squared(CheckedNumber x) {
    return x * x;
}

inline CheckedNumber squareRoot(CheckedNumber x) {
    if (x.value() < 0.0) {
        throw CalculationFault(FaultKind::NegativeRoot, "square root of a negative number");
    }
    return std::sqrt(x.value());
}

} // namespace coilwind
