#include "details_lines.hpp"

#include "calc/constants.hpp"
#include "text.hpp"

#include <algorithm>
#include <cmath>

namespace coilwind {
namespace {

// Beyond this magnitude fixed decimals would spell out hundreds of digits.
constexpr double kFixedDecimalsLimit = 1e15;

std::optional<std::string> mmText(double value) {
    return figureText(value, Pattern::ThreeDecimals);
}

std::string diametersText(const WireSize& wire) {
    return mmText(wire.bareMm).value_or("?") + " / " + mmText(wire.overallMaxMm).value_or("?");
}

template <typename T, typename Format>
std::optional<std::string> textOf(const std::optional<T>& figure, Format format) {
    if (!figure) {
        return std::nullopt;
    }
    return format(*figure);
}

std::string largestFittingText(const WindingDetails& details) {
    const WoundWire& wire = *details.largestFitting;
    return filled(translate("Details", "%1, %2/层 × %3 层"),
                  {wire.wire.designation, std::to_string(wire.plan.perLayer),
                   std::to_string(wire.plan.layers)});
}

} // namespace

std::vector<DetailsLine> inputLines(const std::optional<DesignInputs>& design,
                                    std::span<const FieldIndex> earlierDesign) {
    const auto number = [&](double DesignInputs::*member, FieldIndex field = -1) {
        if (!design) {
            return std::optional<std::string>();
        }
        std::string text = shortestText((*design).*member);
        if (std::find(earlierDesign.begin(), earlierDesign.end(), field) != earlierDesign.end()) {
            text += translate("Details", " (旧设计 earlier design)");
        }
        return std::optional(text);
    };
    std::optional<std::string> core;
    if (design) {
        core = design->core == CoreType::Drum ? translate("Details", "工字 (drum)")
                                              : translate("Details", "棒型 (rod)");
    }
    return {
        {"core-type", translate("Details", "磁心类型"), translate("Details", "R CORE: rod core; any other text: drum core"), core},
        {"a", translate("Details", "外径A (mm)"), translate("Details", "drum: flange diameter; rod: rod diameter"), number(&DesignInputs::aMm)},
        {"b", translate("Details", "中柱B (mm)"), translate("Details", "drum: centre-post diameter; rod: rod length"),
         number(&DesignInputs::bMm)},
        {"f", translate("Details", "幅宽F (mm)"), translate("Details", "drum: winding width between the flanges; rod: not used"),
         number(&DesignInputs::fMm)},
        {"al", translate("Details", "AL (nH/N2)"), translate("Details", "inductance factor as shown"), number(&DesignInputs::alNh, field::kAl)},
        {"wanted", translate("Details", "电感量 (uH)"), translate("Details", "wanted inductance"), number(&DesignInputs::wantedUh)},
        {"turns", translate("Details", "圈数"), translate("Details", "turns as shown, not whole"), number(&DesignInputs::turns, field::kTurns)},
        {"wire-max", translate("Details", "最大线径 (mm)"), translate("Details", "largest wire diameter that fits, as shown"),
         number(&DesignInputs::wireMaxMm, field::kWireDiameter)},
    };
}

std::vector<DetailsLine> figureLines(const std::optional<DesignInputs>& design,
                                     const WindingDetails& details) {
    const std::optional<WoundWire>& standard = details.standard;
    const auto ofStandard = [&](double WoundWire::*figure, Pattern pattern) {
        return textOf(standard, [&](const WoundWire& w) {
            return figureText(w.*figure, pattern).value_or("?");
        });
    };
    // One figure of the inductance, or two joined by `separator`.
    const auto ofInductance = [&](double InductanceFigures::*first,
                                  double InductanceFigures::*second, Pattern pattern,
                                  std::string_view separator = {}) {
        return textOf(details.inductance, [&](const InductanceFigures& l) {
            std::string text = figureText(l.*first, pattern).value_or("?");
            if (second != nullptr) {
                text += separator;
                text += figureText(l.*second, pattern).value_or("?");
            }
            return text;
        });
    };
    const auto ofPlan = [&](auto format) {
        return textOf(standard, [&](const WoundWire& w) { return format(w.plan); });
    };
    const auto count = [](long long value) { return std::to_string(value); };

    std::optional<std::string> depth = textOf(details.availableDepthMm, mmText);
    if (!depth && design && design->core == CoreType::Rod) {
        depth = translate("Details", "不限 (rod)");
    }
    const std::string yes = translate("Details", "是 (yes)");
    const std::string no = translate("Details", "否 (no)");
    std::optional<std::string> fits;
    if (standard) {
        fits = standard->plan.fits ? yes : no;
    } else if (details.standardWire) {
        fits = no; // too wide for a single turn
    }
    std::optional<std::string> seriesEnd;
    if (const auto note = seriesEndNote(details)) {
        seriesEnd = yes + ": " + *note;
    } else if (details.standardWire) {
        seriesEnd = no;
    }
    std::optional<std::string> largestFitting;
    if (details.largestFitting) {
        largestFitting = largestFittingText(details);
    } else if (standard && standard->plan.fits) {
        largestFitting = translate("Details", "不需要 (not needed)");
    }
    return {
        {"whole-turns", translate("Details", "整数圈数"), translate("Details", "turns of field 20 rounded up"),
         textOf(details.wholeTurns, count)},
        {"standard-wire", translate("Details", "标准线规"),
         translate("Details", "largest size of the series with overall diameter <= field 21"),
         textOf(details.standardWire,
                [](const WireSize& w) { return std::string(w.designation); })},
        {"series-end", translate("Details", "系列最大规格"),
         translate("Details", "the standard wire is the thickest size of the series, and field 21 allows more"),
         seriesEnd},
        {"wire-diameters", translate("Details", "裸径/外径 (mm)"),
         translate("Details", "standard wire: nominal bare / maximum overall diameter"),
         textOf(details.standardWire, diametersText)},
        {"per-layer", translate("Details", "每层圈数"), translate("Details", "turns side by side in one layer"),
         ofPlan([&](const LayerPlan& plan) { return count(plan.perLayer); })},
        {"layers", translate("Details", "层数"), translate("Details", "layers, all full but the last"),
         ofPlan([&](const LayerPlan& plan) { return count(plan.layers); })},
        {"build", translate("Details", "绕组厚度 (mm)"), translate("Details", "layers x maximum overall diameter"),
         ofPlan([](const LayerPlan& plan) { return mmText(plan.buildMm).value_or("?"); })},
        {"depth", translate("Details", "可用深度 (mm)"), translate("Details", "drum: (A - B) / 2"), depth},
        {"width", translate("Details", "可用宽度 (mm)"), translate("Details", "drum: F; rod: B, along the rod"),
         textOf(details.availableWidthMm, mmText)},
        {"fits", translate("Details", "绕得下"), translate("Details", "whole layers within the available width and depth"), fits},
        {"largest-fitting", translate("Details", "可绕最大线规"),
         translate("Details", "largest size of the series that fits, when the standard wire does not: turns per "
         "layer x layers"),
         largestFitting},
        {"length", translate("Details", "线长 (m)"), translate("Details", "standard wire: turns x pi x mean diameter, layer by layer"),
         ofStandard(&WoundWire::lengthM, Pattern::ThreeDecimals)},
        {"r20", translate("Details", "R20 (Ω)"),
         filled(translate("Details", "resistance at %1 °C, 1/%2 ohm mm²/m"),
                {shortestText(physics::kCopperReferenceTemperatureC),
                 shortestText(physics::kCopperConductivity)}),
         ofStandard(&WoundWire::r20Ohm, Pattern::FourDecimals)},
        {"r-hot", translate("Details", "R(T) (Ω)"),
         filled(translate("Details", "resistance at the temperature set above, %1 /K"),
                {shortestText(physics::kCopperTemperatureCoefficient)}),
         ofStandard(&WoundWire::rHotOhm, Pattern::FourDecimals)},
        {"mass", translate("Details", "铜重 (g)"),
         filled(translate("Details", "copper mass, %1 g/cm³"),
                {shortestText(physics::kCopperDensity)}),
         ofStandard(&WoundWire::massG, Pattern::ThreeDecimals)},
        {"l-whole", translate("Details", "整数圈电感 (uH)"), translate("Details", "AL x whole turns² / 1000"),
         ofInductance(&InductanceFigures::wholeTurnsUh, {}, Pattern::ThreeDecimals)},
        {"l-range", translate("Details", "电感范围 (uH)"), translate("Details", "L at whole turns for AL at the low and the high end"),
         ofInductance(&InductanceFigures::minUh, &InductanceFigures::maxUh, Pattern::ThreeDecimals,
                      " – ")},
        {"turns-range", translate("Details", "圈数 AL低/高"), translate("Details", "turns the wanted L needs at the low / high end of AL"),
         ofInductance(&InductanceFigures::turnsAtAlMinimum, &InductanceFigures::turnsAtAlMaximum,
                      Pattern::OneDecimal, " / ")},
        {"isat", translate("Details", "饱和电流 (A)"),
         translate("Details", "saturation current Isat = Bs x whole turns x Ae / L at whole turns"),
         textOf(details.saturationCurrentA,
                [](double a) { return figureText(a, Pattern::ThreeDecimals).value_or("?"); })},
    };
}

std::vector<DetailsLine> rodShapeLines(const RodSecondOpinion& opinion) {
    const std::optional<RodShapeEstimate>& estimate = opinion.estimate;
    const auto figure = [&](double RodShapeEstimate::*member, Pattern pattern) {
        return textOf(estimate, [&](const RodShapeEstimate& e) {
            return figureText(e.*member, pattern).value_or("?");
        });
    };
    std::optional<std::string> turns;
    if (estimate && estimate->turns) {
        turns = figureText(*estimate->turns, Pattern::OneDecimal);
    }
    return {
        {"rod-permeability", translate("Details", "棒有效磁导率"),
         translate("Details", "µrod = µ / (1 + N (µ - 1)), N of the spheroid of the rod's length / diameter"),
         figure(&RodShapeEstimate::effectivePermeability, Pattern::OneDecimal)},
        {"rod-al", translate("Details", "棒形 AL (nH/N2)"), translate("Details", "µ0 µrod π (A/2)² / B: winding spread over the whole rod"),
         figure(&RodShapeEstimate::alNh, Pattern::OneDecimal)},
        {"rod-turns", translate("Details", "棒形圈数"), translate("Details", "turns the wanted inductance needs with that AL"), turns},
        {"rod-ratio", translate("Details", "AL 比 (棒形/快速)"),
         translate("Details", "the shape's AL over the main window's formula (unrounded) for the same rod"),
         figure(&RodShapeEstimate::ratioToQuick, Pattern::ThreeDecimals)},
    };
}

// Why the model gives no figures, or the warning when its AL and the quick formula's disagree.
std::optional<std::string> rodShapeNoteOf(const RodSecondOpinion& opinion,
                                          const DesignInputs& design) {
    if (opinion.gap) {
        std::string note =
            filled(translate("Details", "超出模型范围 (outside the rod model's range): %1"),
                   {describeRodModelGap(*opinion.gap)});
        if (design.aMm > 0 && design.bMm > 0) {
            note += filled(
                translate("Details", "; this rod: length / diameter %1, µ %2"),
                {figureText(design.bMm / design.aMm, Pattern::ThreeDecimals).value_or("?"),
                 shortestText(design.permeability)});
        }
        return note;
    }
    if (opinion.estimate && alFiguresDisagree(*opinion.estimate)) {
        const double ratio = opinion.estimate->ratioToQuick;
        const bool quickHigher = ratio < 1;
        const std::string times =
            figureText(quickHigher ? 1 / ratio : ratio, Pattern::OneDecimal).value_or("?");
        const std::string limit = shortestText(kRodDisagreementLimit * 100);
        // "%1": the limit in per cent; "%2": how many times the one AL is the other.
        return filled(quickHigher
                          ? translate("Details",
                                      "⚠ 两个 AL 相差超过 %1 %: 主窗口公式的 AL 是棒形估计的 %2 倍 "
                                      "(the two AL figures differ by more than %1 %: the main "
                                      "window's AL is %2 times the rod model's; the main window's "
                                      "formula treats the rod as a closed ring of the material, "
                                      "while a rod's flux returns through air)")
                          : translate("Details",
                                      "⚠ 两个 AL 相差超过 %1 %: 棒形估计是主窗口公式 AL 的 %2 倍 "
                                      "(the two AL figures differ by more than %1 %: the rod "
                                      "model's AL is %2 times the main window's; the main "
                                      "window's formula treats the rod as a closed ring of the "
                                      "material, while a rod's flux returns through air)"),
                      {limit, times});
    }
    return std::nullopt;
}

std::optional<std::string> figureText(double value, Pattern pattern) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    if (std::fabs(value) >= kFixedDecimalsLimit) {
        return shortestText(value);
    }
    return formatFixed(value, pattern);
}


std::string rodShapeExplanation() {
    return filled(translate("Details",
                            "A rod's flux returns through air: its effective permeability µrod "
                            "depends on its length over its diameter (demagnetising factor of a "
                            "prolate spheroid, J. A. Osborn 1945, as in Fair-Rite's rod chart; "
                            "valid for length/diameter %1 to %2 and µ %3 to %4). The main "
                            "window's formula is not changed by it."),
                  {shortestText(kRodModelMinLengthPerDiameter),
                   shortestText(kRodModelMaxLengthPerDiameter),
                   shortestText(kRodModelMinPermeability), shortestText(kRodModelMaxPermeability)});
}

} // namespace coilwind
