#include "open_core.hpp"

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

// acos(m) for 0 < m < 1, the root of cos θ = m on (0, π/2) by Newton's method, from the
// portable cos and sin: every figure of the models is then the same on every platform.
double inverseCosine(double m) {
    double theta = kPi / 2 * (1 - m);
    for (int step = 0; step < 40; ++step) {
        const double next = theta + (portable::cos(theta) - m) / portable::sin(theta);
        if (next == theta) {
            break;
        }
        theta = std::clamp(next, 1e-300, kPi / 2);
    }
    return theta;
}

std::string modelName(CoreType core) {
    return core == CoreType::Rod ? "the rod model" : "the drum model";
}

std::optional<OpenCoreGap> outside(const ModelLimit& limit, double value) {
    if (!(value >= limit.low)) {
        return OpenCoreGap{OpenCoreGap::Kind::BelowRange, limit, value};
    }
    if (!(value <= limit.high)) {
        return OpenCoreGap{OpenCoreGap::Kind::AboveRange, limit, value};
    }
    return std::nullopt;
}

// The band, the quick formula and the turns, the same for both models.
OpenCoreEstimate completed(OpenCoreEstimate e, CheckedNumber quickAl, const ValidationBand& band,
                           double wantedUh) {
    e.quickAlNh = quickAl.value();
    e.ratioToQuick = (CheckedNumber(e.alNh) / quickAl).value();
    e.band = band;
    e.bandLowAlNh = (CheckedNumber(e.alNh) / (1 + band.highError)).value();
    e.bandHighAlNh = (CheckedNumber(e.alNh) / (1 + band.lowError)).value();
    if (positiveNumber(wantedUh)) {
        try {
            e.turns = turnsFor(wantedUh, e.alNh).value();
            e.fewestTurns = turnsFor(wantedUh, e.bandHighAlNh).value();
            e.mostTurns = turnsFor(wantedUh, e.bandLowAlNh).value();
        } catch (const CalculationFault&) {
            // An inductance so large that the turns leave a double: no turns, the AL stands.
            e.turns = e.fewestTurns = e.mostTurns = std::nullopt;
        }
    }
    return e;
}

OpenCoreEstimate rodEstimate(double diameterMm, double lengthMm, double permeability,
                             double wantedUh) {
    OpenCoreEstimate e;
    e.core = CoreType::Rod;
    e.demagnetisingFactor = spheroidDemagnetisingFactor(lengthMm / diameterMm);
    e.effectivePermeability = permeability / (1 + e.demagnetisingFactor * (permeability - 1));
    const CheckedNumber diameter = diameterMm;
    const CheckedNumber area = squared(diameter / 2) * kPi;
    e.alNh = (area * e.effectivePermeability * kMu0NhPerMm / lengthMm).value();
    e.lowerAlNh = e.upperAlNh = e.alNh;
    return completed(e, alOf(permeabilityTimesArea(permeability, diameter), lengthMm), kRodBand,
                     wantedUh);
}

} // namespace

double spheroidDemagnetisingFactor(double m) {
    if (m == 1) {
        return 1.0 / 3;
    }
    if (m > 1) {
        const double mSquaredLessOne = m * m - 1;
        return (m / std::sqrt(mSquaredLessOne) * portable::acosh(m) - 1) / mSquaredLessOne;
    }
    const double oneLessMSquared = 1 - m * m;
    return (1 - m / std::sqrt(oneLessMSquared) * inverseCosine(m)) / oneLessMSquared;
}

DrumModelFigures drumModel(double aMm, double bMm, double dMm, double fMm, double permeability) {
    const CheckedNumber mu0Mu = CheckedNumber(kMu0NhPerMm) * permeability;
    const CheckedNumber envelope = squared(CheckedNumber(aMm) / 2) * kPi;
    const CheckedNumber post = squared(CheckedNumber(bMm) / 2) * kPi;
    const CheckedNumber flange = (CheckedNumber(dMm) - fMm) / 2;
    // Up the post between the flanges and half way into each; out through both flanges.
    CheckedNumber ferrite = (CheckedNumber(fMm) + flange) / (mu0Mu * post);
    if (aMm > bMm) {
        ferrite = ferrite + CheckedNumber(portable::log(aMm / bMm)) / (mu0Mu * kPi * flange);
    }
    DrumModelFigures figures;
    figures.demagnetisingFactor = spheroidDemagnetisingFactor(dMm / aMm);
    const double n = figures.demagnetisingFactor;
    // F (D/F)^p (2B/A)^q (D/A)^s, each power as exp(k ln x).
    const CheckedNumber airLength =
        CheckedNumber(fMm) * portable::exp(kDrumLengthExponent * portable::log(dMm / fMm) +
                                           kDrumPostExponent * portable::log(2 * bMm / aMm) +
                                           kDrumAspectExponent * portable::log(dMm / aMm));
    const CheckedNumber air = airLength * n / (envelope * kMu0NhPerMm);
    const auto apparent = [&](double factor) {
        return CheckedNumber(permeability) / (1 + factor * (permeability - 1)) * kMu0NhPerMm;
    };
    figures.lowerAlNh = (apparent(spheroidDemagnetisingFactor(dMm / bMm)) * post / dMm).value();
    figures.upperAlNh = (apparent(n) * envelope / fMm).value();
    figures.alNh = std::clamp((1 / (ferrite + air)).value(), figures.lowerAlNh,
                              std::max(figures.lowerAlNh, figures.upperAlNh));
    return figures;
}

std::string describeGap(CoreType core, const OpenCoreGap& gap) {
    const std::string model = modelName(core);
    switch (gap.kind) {
    case OpenCoreGap::Kind::NoShape:
        return model + (core == CoreType::Rod
                            ? " needs a diameter, a length and a permeability above zero"
                            : " needs A, B, D, F and a permeability above zero");
    case OpenCoreGap::Kind::FlangeNotAbovePost:
        return model + " needs flanges wider than the post (A above B) and a length D above the "
                       "winding width F";
    case OpenCoreGap::Kind::BeyondDoubleRange:
        return model + "'s figures for this core lie beyond the range of a double";
    case OpenCoreGap::Kind::BelowRange:
    case OpenCoreGap::Kind::AboveRange:
        break;
    }
    const ModelLimit limit = gap.limit.value_or(ModelLimit{"?", 0, 0});
    // The value to three decimals, without the zeros a whole µ would trail: "0.438", "3000".
    const double shown = std::round(gap.value * 1000) / 1000;
    return model + " holds for " + std::string(limit.quantity) + " from " +
           shortestText(limit.low) + " to " + shortestText(limit.high) + "; this core: " +
           shortestText(std::isfinite(shown) ? shown : gap.value);
}

OpenCoreOpinion rodSecondOpinion(double diameterMm, double lengthMm, double permeability,
                                 double wantedUh) {
    const auto without = [](OpenCoreGap gap) {
        return OpenCoreOpinion{CoreType::Rod, std::nullopt, gap};
    };
    if (!positiveNumber(diameterMm) || !positiveNumber(lengthMm) || !positiveNumber(permeability)) {
        return without({});
    }
    for (const auto& [limit, value] : {std::pair{kRodLengthPerDiameter, lengthMm / diameterMm},
                                       std::pair{kRodPermeability, permeability}}) {
        if (const auto gap = outside(limit, value)) {
            return without(*gap);
        }
    }
    try {
        return {CoreType::Rod, rodEstimate(diameterMm, lengthMm, permeability, wantedUh),
                std::nullopt};
    } catch (const CalculationFault&) {
        return without({OpenCoreGap::Kind::BeyondDoubleRange, std::nullopt, 0});
    }
}

OpenCoreOpinion drumSecondOpinion(double aMm, double bMm, double dMm, double fMm,
                                  double permeability, double wantedUh) {
    const auto without = [](OpenCoreGap gap) {
        return OpenCoreOpinion{CoreType::Drum, std::nullopt, gap};
    };
    if (!positiveNumber(aMm) || !positiveNumber(bMm) || !positiveNumber(dMm) ||
        !positiveNumber(fMm) || !positiveNumber(permeability)) {
        return without({});
    }
    if (!(aMm > bMm) || !(dMm > fMm)) {
        return without({OpenCoreGap::Kind::FlangeNotAbovePost, std::nullopt, 0});
    }
    for (const auto& [limit, value] :
         {std::pair{kDrumPostPerFlange, bMm / aMm}, std::pair{kDrumLengthPerFlange, dMm / aMm},
          std::pair{kDrumWidthPerLength, fMm / dMm}, std::pair{kDrumPermeability, permeability}}) {
        if (const auto gap = outside(limit, value)) {
            return without(*gap);
        }
    }
    try {
        const DrumModelFigures figures = drumModel(aMm, bMm, dMm, fMm, permeability);
        OpenCoreEstimate e;
        e.core = CoreType::Drum;
        e.demagnetisingFactor = figures.demagnetisingFactor;
        e.alNh = figures.alNh;
        e.lowerAlNh = figures.lowerAlNh;
        e.upperAlNh = figures.upperAlNh;
        e.effectivePermeability = (CheckedNumber(figures.alNh) * fMm /
                                   (squared(CheckedNumber(bMm) / 2) * kPi * kMu0NhPerMm))
                                      .value();
        const CheckedNumber quick =
            alOf(permeabilityTimesArea(permeability, bMm), drumPathLengthMm(aMm, dMm, bMm));
        return {CoreType::Drum, completed(e, quick, kDrumBand, wantedUh), std::nullopt};
    } catch (const CalculationFault&) {
        return without({OpenCoreGap::Kind::BeyondDoubleRange, std::nullopt, 0});
    }
}

bool alFiguresDisagree(const OpenCoreEstimate& estimate) {
    const double larger = std::max(estimate.alNh, estimate.quickAlNh);
    const double smaller = std::min(estimate.alNh, estimate.quickAlNh);
    return larger > smaller * (1 + kDisagreementLimit);
}

std::string bandText(const ValidationBand& band) {
    const auto percent = [](double error) {
        // A no-break space keeps the number and its sign together with the per cent.
        return (error < 0 ? "−" : "+") + std::to_string(std::lround(std::fabs(error) * 100)) +
               "\u00a0%";
    };
    return percent(band.lowError) + "…" + percent(band.highError);
}

std::optional<std::string> openCoreNote(const OpenCoreOpinion& opinion) {
    if (opinion.gap) {
        return describeGap(opinion.core, *opinion.gap);
    }
    if (opinion.estimate && alFiguresDisagree(*opinion.estimate)) {
        return modelName(opinion.core) + "'s AL and the quick formula's differ by more than " +
               shortestText(kDisagreementLimit * 100) + " %";
    }
    return std::nullopt;
}

} // namespace coilwind
