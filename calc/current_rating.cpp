#include "current_rating.hpp"

#include "constants.hpp"
#include "failure.hpp"
#include "number_text.hpp"
#include "portable_math.hpp"
#include "settings_limits.hpp"
#include "winding_details.hpp"

#include <algorithm>
#include <cmath>

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
// The triangle's odd harmonics carry 1/n⁴ of the fundamental's power; the sum stops when a
// harmonic adds less than this share, or at the last harmonic counted.
constexpr double kHarmonicShare = 1e-7;
constexpr int kLastHarmonic = 199;
// The heat balance: a step below this is the fixed point; the iteration from the ambient rises
// monotonically to the lowest fixed point, so a cap is only a guard.
constexpr double kBalanceTolerance = 1e-7;
constexpr int kBalanceSteps = 500;
// The thickest wire that keeps the AC resistance near the DC one: two skin depths.
constexpr double kSkinDepthsPerWire = 2;

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

// AC over DC resistance for the symmetric triangle of the ripple: its odd harmonics n carry
// amplitudes ∝ 1/n², so powers ∝ 1/n⁴, each at the skin depth δ/√n.
double triangleFactor(const LayerGeometry& geometry, double skinMm) {
    const double first = geometry.ratio(skinMm);
    double weighted = 0;
    double weights = 0;
    for (int n = 1; n <= kLastHarmonic; n += 2) {
        const double weight = 1 / (static_cast<double>(n) * n * n * n);
        const double term = weight * dowellFactor(first * std::sqrt(n), geometry.layers);
        weighted += term;
        weights += weight;
        if (n > 1 && term < kHarmonicShare * weighted) {
            break;
        }
    }
    return weighted / weights;
}

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
    // A triangle of peak-to-peak ΔI has the RMS value ΔI / √12.
    const double rippleSquared = settings.rippleCurrentA * settings.rippleCurrentA / 12;
    losses.dcW = dc * dc * losses.resistanceOhm;
    losses.acW = rippleSquared * losses.resistanceOhm * losses.acFactor;
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

void addWarnings(CurrentRating& rating, const RatedWinding& winding,
                 const CurrentSettings& settings) {
    if (rating.runaway) {
        rating.warnings.push_back(
            "⚠ 热失控: " + shortestText(kTemperatureLimit.highest) +
            " °C 以下无热平衡 (thermal runaway: the loss outgrows what the surface sheds, no heat "
            "balance below " +
            shortestText(kTemperatureLimit.highest) + " °C)");
    } else if (*rating.hotC > settings.enamelClassC) {
        const std::string hot = fixed(*rating.hotC, Pattern::OneDecimal);
        const std::string enamel = shortestText(settings.enamelClassC);
        rating.warnings.push_back("⚠ 线圈温度 " + hot + " °C 超过漆包线耐热等级 " + enamel +
                                  " (the winding's " + hot +
                                  " °C exceeds the enamel's thermal class " + enamel + ")");
    }
    if (winding.saturationCurrentA && rating.peakCurrentA > *winding.saturationCurrentA) {
        const std::string peak = fixed(rating.peakCurrentA, Pattern::ThreeDecimals);
        const std::string isat = fixed(*winding.saturationCurrentA, Pattern::ThreeDecimals);
        rating.warnings.push_back("⚠ 峰值电流 " + peak + " A 超过饱和电流估计 " + isat +
                                  " A (the peak current " + peak +
                                  " A exceeds the saturation estimate " + isat + " A)");
    }
    if (winding.wire.bareMm > kSkinDepthsPerWire * rating.skinDepthMm) {
        const std::string wire = fixed(winding.wire.bareMm, Pattern::ThreeDecimals);
        const std::string skin = fixed(rating.skinDepthMm, Pattern::ThreeDecimals);
        std::string warning = "⚠ 线径 " + wire + " mm 大于两倍集肤深度 (2 × " + skin +
                              " mm): the wire is thicker than two skin depths";
        if (rating.strands) {
            const StrandSuggestion& s = *rating.strands;
            const std::string count = std::to_string(s.strands);
            const std::string bundle = fixed(s.bundleMm, Pattern::ThreeDecimals);
            warning += "; 建议 " + count + " 股 " + std::string(s.strand.designation) +
                       " 绞线, 外径约 " + bundle + " mm, " + (s.fits ? "绕得下" : "绕不下") +
                       " (use " + count + " strands of " + std::string(s.strand.designation) +
                       " for the same copper area: a bundle about " + bundle + " mm thick that " +
                       (s.fits ? "fits" : "does not fit") + " the winding space)";
        } else {
            warning += "; the series has no size that thin";
        }
        rating.warnings.push_back(warning);
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
    const double sinD = portable::sin(delta);
    const double cosD = portable::cos(delta);
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

    // The heat balance T = Ta + ΔT(P(T)): the loss grows with the copper's resistance, so the
    // iteration from the ambient climbs to the lowest temperature where the surface sheds it.
    double temperature = settings.ambientC;
    Losses losses = lossesAt(temperature, winding, settings, geometry);
    for (int step = 0; step < kBalanceSteps; ++step) {
        const double next =
            settings.ambientC + temperatureRiseK(losses.dcW + losses.acW, rating.surfaceCm2);
        if (!(next <= kTemperatureLimit.highest)) {
            rating.runaway = true;
            break;
        }
        const bool settled = std::fabs(next - temperature) < kBalanceTolerance;
        temperature = next;
        losses = lossesAt(temperature, winding, settings, geometry);
        if (settled) {
            break;
        }
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
    const double ratedHot = winding.r20Ohm * resistanceFactor(settings.ambientC + kRatedRiseK);
    rating.ratedCurrentA = std::sqrt(powerForRiseW(kRatedRiseK, rating.surfaceCm2) / ratedHot);

    if (winding.wire.bareMm > kSkinDepthsPerWire * rating.skinDepthMm) {
        rating.strands = strandsFor(winding, rating.skinDepthMm);
    }
    addWarnings(rating, winding, settings);
    return rating;
}

} // namespace coilwind
