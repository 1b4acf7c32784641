#include "rod_permeability.hpp"

#include "checked_number.hpp"
#include "constants.hpp"
#include "formulas.hpp"
#include "number_text.hpp"
#include "portable_math.hpp"

#include <algorithm>
#include <cmath>

namespace coilwind {
namespace {

// A new estimate, so full-precision constants: the main window's 3.14 and 1.257 belong to its
// own formula only.
using physics::kMu0NhPerMm;
using physics::kPi;

bool positiveNumber(double value) {
    return std::isfinite(value) && value > 0;
}

// Osborn's closed form for the long axis of a prolate spheroid, m > 1; acosh(m) is
// ln(m + sqrt(m² - 1)), the same bits on every platform.
double prolateSpheroidDemagnetisingFactor(double m) {
    const double mSquaredLessOne = m * m - 1;
    return (m / std::sqrt(mSquaredLessOne) * portable::acosh(m) - 1) / mSquaredLessOne;
}

RodShapeEstimate estimate(double diameterMm, double lengthMm, double permeability,
                          double wantedUh) {
    RodShapeEstimate result;
    result.lengthPerDiameter = lengthMm / diameterMm;
    result.demagnetisingFactor = prolateSpheroidDemagnetisingFactor(result.lengthPerDiameter);
    result.effectivePermeability =
        permeability / (1 + result.demagnetisingFactor * (permeability - 1));

    const CheckedNumber diameter = diameterMm;
    const CheckedNumber area = squared(diameter / 2) * kPi;
    const CheckedNumber al = area * result.effectivePermeability * kMu0NhPerMm / lengthMm;
    const CheckedNumber quickAl = alOf(permeabilityTimesArea(permeability, diameter), lengthMm);
    result.alNh = al.value();
    result.quickAlNh = quickAl.value();
    result.ratioToQuick = (al / quickAl).value();
    if (positiveNumber(wantedUh)) {
        try {
            result.turns = turnsFor(wantedUh, al).value();
        } catch (const CalculationFault&) {
            // An inductance so large that the turns leave a double: no turns, the AL stands.
        }
    }
    return result;
}

} // namespace

std::string describeRodModelGap(RodModelGap gap) {
    switch (gap) {
    case RodModelGap::NoShape:
        return "the rod model needs a diameter, a length and a permeability above zero";
    case RodModelGap::TooShort:
        return "the rod model holds for rods at least " +
               shortestText(kRodModelMinLengthPerDiameter) + " times as long as their diameter";
    case RodModelGap::TooLong:
        return "the rod model holds for rods at most " +
               shortestText(kRodModelMaxLengthPerDiameter) + " times as long as their diameter";
    case RodModelGap::PermeabilityTooLow:
        return "the rod model holds for permeabilities from " +
               shortestText(kRodModelMinPermeability) + " up";
    case RodModelGap::PermeabilityTooHigh:
        return "the rod model holds for permeabilities up to " +
               shortestText(kRodModelMaxPermeability);
    case RodModelGap::BeyondDoubleRange:
        return "the rod model's figures for this rod lie beyond the range of a double";
    }
    return "the rod model gives no figures";
}

RodSecondOpinion rodSecondOpinion(double diameterMm, double lengthMm, double permeability,
                                  double wantedUh) {
    const auto without = [](RodModelGap gap) { return RodSecondOpinion{std::nullopt, gap}; };
    if (!positiveNumber(diameterMm) || !positiveNumber(lengthMm) || !positiveNumber(permeability)) {
        return without(RodModelGap::NoShape);
    }
    const double ratio = lengthMm / diameterMm;
    if (!(ratio >= kRodModelMinLengthPerDiameter)) {
        return without(RodModelGap::TooShort);
    }
    if (!(ratio <= kRodModelMaxLengthPerDiameter)) {
        return without(RodModelGap::TooLong);
    }
    if (permeability < kRodModelMinPermeability) {
        return without(RodModelGap::PermeabilityTooLow);
    }
    if (permeability > kRodModelMaxPermeability) {
        return without(RodModelGap::PermeabilityTooHigh);
    }
    try {
        return {estimate(diameterMm, lengthMm, permeability, wantedUh), std::nullopt};
    } catch (const CalculationFault&) {
        return without(RodModelGap::BeyondDoubleRange);
    }
}

bool alFiguresDisagree(const RodShapeEstimate& estimate) {
    const double larger = std::max(estimate.alNh, estimate.quickAlNh);
    const double smaller = std::min(estimate.alNh, estimate.quickAlNh);
    return larger > smaller * (1 + kRodDisagreementLimit);
}

std::optional<std::string> rodModelNote(const RodSecondOpinion& opinion) {
    if (opinion.gap) {
        return describeRodModelGap(*opinion.gap);
    }
    if (opinion.estimate && alFiguresDisagree(*opinion.estimate)) {
        return "the rod model's AL and the quick formula's differ by more than " +
               shortestText(kRodDisagreementLimit * 100) + " %";
    }
    return std::nullopt;
}

} // namespace coilwind
