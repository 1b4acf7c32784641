#include "current_rating.hpp"

#include "text.hpp"

#include "constants.hpp"
#include "failure.hpp"
#include "number_text.hpp"
#include "portable_math.hpp"
#include "settings_limits.hpp"
#include "winding_details.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string_view>

namespace coilwind {
namespace {

using physics::kCopperConductivity;
using physics::kCopperReferenceTemperatureC;
using physics::kCopperTemperatureCoefficient;
using physics::kPi;

constexpr double kHzPerKhz = 1000;
constexpr double kMmPerM = 1000;
// Below this penetration ratio Dowell's closed form loses digits to cancellation (cosh 2Δ −
// cos 2Δ ≈ 4Δ²); its series, 1 + (5M² − 1) Δ⁴ / 45, is exact there to Δ⁸.
constexpr double kSeriesBelow = 0.01;
// Beyond this ratio the hyperbolic terms equal 1 to the last bit, and exp(2Δ) would overflow for
// ratios in the hundreds.
constexpr double kAsymptoticAbove = 20;
// For the harmonics above the fundamental the asymptote serves from a lower ratio: there the
// proximity term differs from 1 by 2 (sin Δ + cos Δ) e^-Δ < 2e-5, on a harmonic that carries at
// most 1/81 of the power: below 3e-7 of the factor.
constexpr double kHarmonicAsymptoteAbove = 12;
// The triangle's odd harmonics carry 1/n⁴ of the fundamental's power; the sum stops when a
// harmonic adds less than this share, or at the last harmonic counted.
constexpr double kHarmonicShare = 1e-6;
constexpr std::size_t kLastHarmonic = 199;
// The heat balance: a step below this is the fixed point; the iteration from the ambient rises
// monotonically to the lowest fixed point, so a cap is only a guard.
constexpr double kBalanceTolerance = 1e-7;
constexpr int kBalanceSteps = 500;
// The thickest wire that keeps the AC resistance near the DC one: two skin depths.
constexpr double kSkinDepthsPerWire = 2;
// Room for the longest strand warning in either language, so that it is built in one allocation.
constexpr std::size_t kStrandWarningSize = 400;

[[noreturn]] void refuse(const std::string& reason) {
    throw CalculationFault(FaultKind::OutOfDomain, reason);
}


double power(double base, double exponent) {
    return portable::exp(exponent * portable::log(base));
}

double resistanceFactor(double temperatureC) {
    return 1 + kCopperTemperatureCoefficient * (temperatureC - kCopperReferenceTemperatureC);
}

std::string fixed(double value, Pattern pattern) {
    return formatFixed(value, pattern).value_or("?");
}

// Dowell's ratio for round wire laid as the layer plan lays it: the wire as the square of the
// same area, spread over the layer's pitch (porosity d / pitch), Δ = (π/4)^¾ (d/δ) √(d/pitch).
struct LayerGeometry {
    double bareMm = 0;
    double pitchMm = 0;
    double layers = 1;

    double ratio(double skinMm) const {
        static const double kSquareOfRoundArea = power(kPi / 4, 0.75);
        return kSquareOfRoundArea * bareMm / skinMm * std::sqrt(bareMm / pitchMm);
    }
};

// The odd harmonics n = 1, 3, 5 ... of the triangle: their power weights 1/n⁴, √n, and the
// sums from each n on of 1/m⁴ and of √m/m⁴ over the odd m up to the last harmonic counted.
struct Harmonics {
    static constexpr std::size_t kCount = (kLastHarmonic + 1) / 2;
    std::array<double, kCount> weight{};
    std::array<double, kCount> root{};
    std::array<double, kCount + 1> weightTail{};
    std::array<double, kCount + 1> rootTail{};

    Harmonics() {
        for (std::size_t i = 0; i < kCount; ++i) {
            const double n = 2.0 * static_cast<double>(i) + 1;
            weight[i] = 1 / (n * n * n * n);
            root[i] = std::sqrt(n);
        }
        for (std::size_t i = kCount; i-- > 0;) {
            weightTail[i] = weightTail[i + 1] + weight[i];
            rootTail[i] = rootTail[i + 1] + weight[i] * root[i];
        }
    }
};

const Harmonics& harmonics() {
    static const Harmonics kHarmonics;
    return kHarmonics;
}

// AC over DC resistance for the symmetric triangle of the ripple: its odd harmonics n carry
// amplitudes ∝ 1/n², so powers ∝ 1/n⁴, each at the skin depth δ/√n. Once a harmonic's ratio is
// in Dowell's asymptote (Fr = Δ (2M² + 1) / 3) the rest of the sum is that line's, in closed form.
double triangleFactor(const LayerGeometry& geometry, double skinMm) {
    const Harmonics& h = harmonics();
    const double first = geometry.ratio(skinMm);
    double weighted = 0;
    double weights = 0;
    for (std::size_t i = 0; i < Harmonics::kCount; ++i) {
        const double delta = first * h.root[i];
        if (delta > (i == 0 ? kAsymptoticAbove : kHarmonicAsymptoteAbove)) {
            const double slope = first * (2 * geometry.layers * geometry.layers + 1) / 3;
            weighted += slope * h.rootTail[i];
            weights += h.weightTail[i];
            break;
        }
        const double term = h.weight[i] * dowellFactor(delta, geometry.layers);
        weighted += term;
        weights += h.weight[i];
        if (i > 0 && term < kHarmonicShare * weighted) {
            break;
        }
    }
    return weighted / weights;
}

// A triangle of peak-to-peak ΔI has the RMS value ΔI / √12.
double rippleSquaredOf(const CurrentSettings& settings) {
    return settings.rippleCurrentA * settings.rippleCurrentA / 12;
}

// The AC factor near a temperature, as a line.
struct FactorLine {
    double temperatureC;
    double factor;
    double slope; // per kelvin

    double at(double temperature) const { return factor + slope * (temperature - temperatureC); }
};

// T = g(T) = Ta + ΔT((I² + ΔI²/12 · F(T)) R(T)). g rises with T but ever more slowly (the loss
// grows linearly, the rise as its 0.833th power), so there is one balance above the ambient, and
// none in the wire's working range exactly when g there already lies above that range: thermal
// runaway. Newton's steps on g(T) − T reach it in a few steps; where a step would leave the
// range, the plain step T ← g(T), which never passes the balance from below, is taken instead.
struct Balance {
    double ambientC;
    double dcSquared;
    double rippleSquared;
    double r20Ohm;
    double surfaceCm2;

    std::optional<double> solve(double start, const FactorLine& line) const {
        const double limit = kTemperatureLimit.highest;
        double temperature = start;
        for (int step = 0; step < kBalanceSteps; ++step) {
            const double squared = dcSquared + rippleSquared * line.at(temperature);
            const double resistance = r20Ohm * resistanceFactor(temperature);
            const double loss = squared * resistance;
            const double rise = temperatureRiseK(loss, surfaceCm2);
            const double balanced = ambientC + rise;
            if (!(balanced <= limit)) {
                return std::nullopt;
            }
            double next = balanced;
            if (loss > 0) {
                const double lossSlope = rippleSquared * line.slope * resistance +
                                         squared * r20Ohm * kCopperTemperatureCoefficient;
                const double slope = physics::kRiseExponent * rise / loss * lossSlope;
                const double newton = temperature + (balanced - temperature) / (1 - slope);
                if (slope < 1 && newton <= limit) {
                    next = newton;
                }
            }
            const bool settled = std::fabs(next - temperature) < kBalanceTolerance;
            temperature = next;
            if (settled) {
                break;
            }
        }
        return temperature;
    }
};

struct Losses {
    double resistanceOhm = 0;
    double skinMm = 0;
    double acFactor = 1;
    double dcW = 0;
    double acW = 0;
};

Losses lossesAt(double temperatureC, const RatedWinding& winding,
                const CurrentSettings& settings, const LayerGeometry& geometry) {
    Losses losses;
    losses.resistanceOhm = winding.r20Ohm * resistanceFactor(temperatureC);
    losses.skinMm = skinDepthMm(settings.frequencyKhz, temperatureC);
    losses.acFactor = triangleFactor(geometry, losses.skinMm);
    const double dc = *settings.dcCurrentA;
    losses.dcW = dc * dc * losses.resistanceOhm;
    losses.acW = rippleSquaredOf(settings) * losses.resistanceOhm * losses.acFactor;
    return losses;
}

std::optional<StrandSuggestion> strandsFor(const RatedWinding& winding, double skinMm) {
    const double thickest = kSkinDepthsPerWire * skinMm;
    const auto sizes = wireSizes(winding.series);
    const auto below = std::find_if(sizes.rbegin(), sizes.rend(), [&](const WireSize& size) {
        return size.bareMm <= thickest;
    });
    if (below == sizes.rend()) {
        return std::nullopt;
    }
    StrandSuggestion suggestion;
    suggestion.strand = *below;
    const double areaRatio =
        (winding.wire.bareMm * winding.wire.bareMm) / (below->bareMm * below->bareMm);
    // The same copper area, rounded up; a ratio a hair above a whole number from the decimal
    // diameters counts as that number.
    suggestion.strands = static_cast<long long>(std::ceil(areaRatio - 1e-9));
    suggestion.bundleMm = physics::kBundlePacking * below->overallMaxMm *
                          std::sqrt(static_cast<double>(suggestion.strands));
    suggestion.fits = planLayers(winding.turns, winding.widthMm, winding.depthMm,
                                 suggestion.bundleMm)
                          .fits;
    return suggestion;
}

// The warnings, marked for the catalogue with the context "Current"; a table run fills them into
// most of its rows, so they are looked up with translateOften().
constexpr const char* kRunawayWarning =
    QT_TRANSLATE_NOOP("Current", "⚠ 热失控: %1 °C 以下无热平衡 (thermal runaway: the loss outgrows "
                                 "what the surface sheds, no heat balance below %1 °C)");
constexpr const char* kEnamelWarning =
    QT_TRANSLATE_NOOP("Current", "⚠ 线圈温度 %1 °C 超过漆包线耐热等级 %2 (the winding's %1 °C "
                                 "exceeds the enamel's thermal class %2)");
constexpr const char* kSaturationWarning =
    QT_TRANSLATE_NOOP("Current", "⚠ 峰值电流 %1 A 超过饱和电流估计 %2 A (the peak current %1 A "
                                 "exceeds the saturation estimate %2 A)");
constexpr const char* kSkinWarning =
    QT_TRANSLATE_NOOP("Current", "⚠ 线径 %1 mm 大于两倍集肤深度 (2 × %2 mm): the wire is thicker "
                                 "than two skin depths");
// "%1": the strands; "%2": the strand's size; "%3": the bundle's diameter in mm.
constexpr const char* kStrandsFit =
    QT_TRANSLATE_NOOP("Current", "; 建议 %1 股 %2 绞线, 外径约 %3 mm, 绕得下 (use %1 strands of %2 "
                                 "for the same copper area: a bundle about %3 mm thick that fits "
                                 "the winding space)");
constexpr const char* kStrandsDoNotFit =
    QT_TRANSLATE_NOOP("Current", "; 建议 %1 股 %2 绞线, 外径约 %3 mm, 绕不下 (use %1 strands of %2 "
                                 "for the same copper area: a bundle about %3 mm thick that does "
                                 "not fit the winding space)");
constexpr const char* kNoThinnerSize =
    QT_TRANSLATE_NOOP("Current", "; the series has no size that thin");

void addWarnings(CurrentRating& rating, const RatedWinding& winding,
                 const CurrentSettings& settings) {
    const auto text = [](const char* source) { return translateOften("Current", source); };
    if (rating.runaway) {
        rating.warnings.push_back(
            filled(text(kRunawayWarning), {shortestText(kTemperatureLimit.highest)}));
    } else if (*rating.hotC > settings.enamelClassC) {
        rating.warnings.push_back(
            filled(text(kEnamelWarning),
                   {fixed(*rating.hotC, Pattern::OneDecimal), shortestText(settings.enamelClassC)}));
    }
    if (winding.saturationCurrentA && rating.peakCurrentA > *winding.saturationCurrentA) {
        rating.warnings.push_back(filled(text(kSaturationWarning),
                                         {fixed(rating.peakCurrentA, Pattern::ThreeDecimals),
                                          fixed(*winding.saturationCurrentA, Pattern::ThreeDecimals)}));
    }
    if (winding.wire.bareMm > kSkinDepthsPerWire * rating.skinDepthMm) {
        // The common warning of a table run at a switching frequency: built in one string.
        std::string warning;
        warning.reserve(kStrandWarningSize);
        appendFilled(warning, text(kSkinWarning),
                     {fixed(winding.wire.bareMm, Pattern::ThreeDecimals),
                      fixed(rating.skinDepthMm, Pattern::ThreeDecimals)});
        if (rating.strands) {
            const StrandSuggestion& s = *rating.strands;
            appendFilled(warning, text(s.fits ? kStrandsFit : kStrandsDoNotFit),
                         {std::to_string(s.strands), s.strand.designation,
                          fixed(s.bundleMm, Pattern::ThreeDecimals)});
        } else {
            warning += text(kNoThinnerSize);
        }
        rating.warnings.push_back(std::move(warning));
    }
}

} // namespace

double skinDepthMm(double frequencyKhz, double temperatureC) {
    // δ = √(ρ / (π f µ0)); ρ in Ω·m from the conductivity in m/(Ω·mm²).
    const double resistivityOhmM = resistanceFactor(temperatureC) / kCopperConductivity / 1e6;
    return std::sqrt(resistivityOhmM / (kPi * frequencyKhz * kHzPerKhz * physics::kMu0HPerM)) *
           kMmPerM;
}

// P. L. Dowell, "Effects of eddy currents in transformer windings", Proc. IEE 113 (8), 1966,
// pp. 1387–1394: for m layers
//   Fr = Δ [ (sinh 2Δ + sin 2Δ) / (cosh 2Δ − cos 2Δ) + (2 (m² − 1) / 3) (sinh Δ − sin Δ) /
//            (cosh Δ + cos Δ) ].
double dowellFactor(double delta, double layers) {
    const double proximity = 2 * (layers * layers - 1) / 3;
    if (delta < kSeriesBelow) {
        const double d2 = delta * delta;
        return 1 + (5 * layers * layers - 1) / 45 * d2 * d2;
    }
    if (delta > kAsymptoticAbove) {
        return delta * (1 + proximity);
    }
    const double e = portable::exp(delta);
    const double sinhD = (e - 1 / e) / 2;
    const double coshD = (e + 1 / e) / 2;
    const auto [sinD, cosD] = portable::sinCos(delta);
    const double sinh2 = 2 * sinhD * coshD;
    const double cosh2 = coshD * coshD + sinhD * sinhD;
    const double sin2 = 2 * sinD * cosD;
    const double cos2 = cosD * cosD - sinD * sinD;
    return delta * ((sinh2 + sin2) / (cosh2 - cos2) + proximity * (sinhD - sinD) / (coshD + cosD));
}

double temperatureRiseK(double powerW, double surfaceCm2) {
    if (!(powerW > 0)) {
        return 0;
    }
    return power(powerW * physics::kMilliwattPerWatt / surfaceCm2, physics::kRiseExponent);
}

double powerForRiseW(double riseK, double surfaceCm2) {
    if (!(riseK > 0)) {
        return 0;
    }
    return power(riseK, 1 / physics::kRiseExponent) * surfaceCm2 / physics::kMilliwattPerWatt;
}

CurrentRating rateCurrent(const RatedWinding& winding, const CurrentSettings& settings) {
    if (!settings.dcCurrentA) {
        refuse("no DC current given");
    }
    requireWithin(kDcCurrentLimit, *settings.dcCurrentA);
    requireWithin(kRippleCurrentLimit, settings.rippleCurrentA);
    requireWithin(kFrequencyLimit, settings.frequencyKhz);
    requireWithin(kAmbientLimit, settings.ambientC);
    requireWithin(kEnamelClassLimit, settings.enamelClassC);
    if (!(winding.r20Ohm > 0 && winding.surfaceMm2 > 0 && winding.perLayer > 0 &&
          winding.layers > 0 && winding.widthMm > 0 && winding.wire.bareMm > 0)) {
        refuse("the wound standard wire gives no resistance or surface");
    }
    const LayerGeometry geometry{
        winding.wire.bareMm,
        std::max(winding.widthMm / static_cast<double>(winding.perLayer), winding.wire.bareMm),
        static_cast<double>(winding.layers)};

    CurrentRating rating;
    rating.surfaceCm2 = winding.surfaceMm2 / physics::kSquareMmPerSquareCm;
    rating.peakCurrentA = *settings.dcCurrentA + settings.rippleCurrentA / 2;

    // The heat balance T = Ta + ΔT(P(T)). The AC factor moves with the temperature only through
    // the skin depth, and slowly: each pass balances with the factor as the line through its
    // last two values (a secant), takes it again at that temperature and stops when the line
    // already gave it.
    Balance balance{settings.ambientC, *settings.dcCurrentA * *settings.dcCurrentA,
                    rippleSquaredOf(settings), winding.r20Ohm, rating.surfaceCm2};
    double temperature = settings.ambientC;
    Losses losses = lossesAt(temperature, winding, settings, geometry);
    FactorLine line{temperature, losses.acFactor, 0};
    for (int pass = 0; pass < kBalanceSteps; ++pass) {
        const std::optional<double> balanced = balance.solve(temperature, line);
        if (!balanced) {
            rating.runaway = true;
            break;
        }
        const double predicted = line.at(*balanced);
        const double previous = temperature;
        temperature = *balanced;
        losses = lossesAt(temperature, winding, settings, geometry);
        // A factor off by a share ε moves the balance by about 0.833 × rise × (AC share of the
        // loss) × ε: once that is below the balance's own tolerance, the line was good enough.
        const double acShare = losses.acW / (losses.dcW + losses.acW);
        const double moved = physics::kRiseExponent * (temperature - settings.ambientC) *
                             acShare * std::fabs(losses.acFactor - predicted) / losses.acFactor;
        if (balance.rippleSquared == 0 || !(moved >= kBalanceTolerance)) {
            break;
        }
        const double slope = temperature != previous ? (losses.acFactor - line.at(previous)) /
                                                           (temperature - previous)
                                                     : 0;
        line = {temperature, losses.acFactor, slope};
    }
    rating.skinDepthMm = losses.skinMm;
    rating.acFactor = losses.acFactor;
    rating.dcLossW = losses.dcW;
    rating.acLossW = losses.acW;
    rating.lossW = losses.dcW + losses.acW;
    if (!rating.runaway) {
        rating.hotC = temperature;
        rating.riseK = temperature - settings.ambientC;
        rating.hotResistanceOhm = losses.resistanceOhm;
    }

    // Data sheets' rated current: the DC current alone that warms the part by 40 K.
    static const double kRatedPowerPerCm2 = powerForRiseW(kRatedRiseK, 1);
    const double ratedHot = winding.r20Ohm * resistanceFactor(settings.ambientC + kRatedRiseK);
    rating.ratedCurrentA = std::sqrt(kRatedPowerPerCm2 * rating.surfaceCm2 / ratedHot);

    if (winding.wire.bareMm > kSkinDepthsPerWire * rating.skinDepthMm) {
        rating.strands = strandsFor(winding, rating.skinDepthMm);
    }
    addWarnings(rating, winding, settings);
    return rating;
}

} // namespace coilwind
