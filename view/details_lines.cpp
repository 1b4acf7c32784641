#include "details_lines.hpp"

#include "view/current_lines.hpp"

#include "calc/constants.hpp"

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
    return std::string(wire.wire.designation) + ", " + std::to_string(wire.plan.perLayer) +
           "/层 × " + std::to_string(wire.plan.layers) + " 层";
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
            text += " (旧设计 earlier design)";
        }
        return std::optional(text);
    };
    std::optional<std::string> core;
    if (design) {
        core = design->core == CoreType::Drum ? "工字 (drum)" : "棒型 (rod)";
    }
    return {
        {"core-type", "磁心类型", "R CORE: rod core; any other text: drum core", core},
        {"a", "外径A (mm)", "drum: flange diameter; rod: rod diameter", number(&DesignInputs::aMm)},
        {"b", "中柱B (mm)", "drum: centre-post diameter; rod: rod length",
         number(&DesignInputs::bMm)},
        {"f", "幅宽F (mm)", "drum: winding width between the flanges; rod: not used",
         number(&DesignInputs::fMm)},
        {"al", "AL (nH/N2)", "inductance factor as shown", number(&DesignInputs::alNh, field::kAl)},
        {"wanted", "电感量 (uH)", "wanted inductance", number(&DesignInputs::wantedUh)},
        {"turns", "圈数", "turns as shown, not whole", number(&DesignInputs::turns, field::kTurns)},
        {"wire-max", "最大线径 (mm)", "largest wire diameter that fits, as shown",
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
        depth = "不限 (rod)";
    }
    std::optional<std::string> fits;
    if (standard) {
        fits = standard->plan.fits ? "是 (yes)" : "否 (no)";
    } else if (details.standardWire) {
        fits = "否 (no)"; // too wide for a single turn
    }
    std::optional<std::string> seriesEnd;
    if (const auto note = seriesEndNote(details)) {
        seriesEnd = "是 (yes): " + *note;
    } else if (details.standardWire) {
        seriesEnd = "否 (no)";
    }
    std::optional<std::string> largestFitting;
    if (details.largestFitting) {
        largestFitting = largestFittingText(details);
    } else if (standard && standard->plan.fits) {
        largestFitting = "不需要 (not needed)";
    }
    return {
        {"whole-turns", "整数圈数", "turns of field 20 rounded up",
         textOf(details.wholeTurns, count)},
        {"standard-wire", "标准线规",
         "largest size of the series with overall diameter <= field 21",
         textOf(details.standardWire,
                [](const WireSize& w) { return std::string(w.designation); })},
        {"series-end", "系列最大规格",
         "the standard wire is the thickest size of the series, and field 21 allows more",
         seriesEnd},
        {"wire-diameters", "裸径/外径 (mm)",
         "standard wire: nominal bare / maximum overall diameter",
         textOf(details.standardWire, diametersText)},
        {"per-layer", "每层圈数", "turns side by side in one layer",
         ofPlan([&](const LayerPlan& plan) { return count(plan.perLayer); })},
        {"layers", "层数", "layers, all full but the last",
         ofPlan([&](const LayerPlan& plan) { return count(plan.layers); })},
        {"build", "绕组厚度 (mm)", "layers x maximum overall diameter",
         ofPlan([](const LayerPlan& plan) { return mmText(plan.buildMm).value_or("?"); })},
        {"depth", "可用深度 (mm)", "drum: (A - B) / 2", depth},
        {"width", "可用宽度 (mm)", "drum: F; rod: B, along the rod",
         textOf(details.availableWidthMm, mmText)},
        {"fits", "绕得下", "whole layers within the available width and depth", fits},
        {"largest-fitting", "可绕最大线规",
         "largest size of the series that fits, when the standard wire does not: turns per "
         "layer x layers",
         largestFitting},
        {"length", "线长 (m)", "standard wire: turns x pi x mean diameter, layer by layer",
         ofStandard(&WoundWire::lengthM, Pattern::ThreeDecimals)},
        {"r20", "R20 (Ω)", "resistance at " + shortestText(physics::kCopperReferenceTemperatureC) + " °C, 1/" +
             shortestText(physics::kCopperConductivity) + " ohm mm²/m",
         ofStandard(&WoundWire::r20Ohm, Pattern::FourDecimals)},
        {"r-hot", "R(T) (Ω)",
         "resistance at the temperature set above, or with a current at the heat balance's, " +
             shortestText(physics::kCopperTemperatureCoefficient) + " /K",
         textOf(ofStandard(&WoundWire::rHotOhm, Pattern::FourDecimals),
                [&](const std::string& text) { return text + heatBalanceNote(details); })},
        {"mass", "铜重 (g)", "copper mass, " + shortestText(physics::kCopperDensity) + " g/cm³",
         ofStandard(&WoundWire::massG, Pattern::ThreeDecimals)},
        {"l-whole", "整数圈电感 (uH)", "AL x whole turns² / 1000",
         ofInductance(&InductanceFigures::wholeTurnsUh, {}, Pattern::ThreeDecimals)},
        {"l-range", "电感范围 (uH)", "L at whole turns for AL at the low and the high end",
         ofInductance(&InductanceFigures::minUh, &InductanceFigures::maxUh, Pattern::ThreeDecimals,
                      " – ")},
        {"turns-range", "圈数 AL低/高", "turns the wanted L needs at the low / high end of AL",
         ofInductance(&InductanceFigures::turnsAtAlMinimum, &InductanceFigures::turnsAtAlMaximum,
                      Pattern::OneDecimal, " / ")},
        {"isat", "饱和电流 (A)",
         "saturation current Isat = Bs x whole turns x Ae / L at whole turns",
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
        {"rod-permeability", "棒有效磁导率",
         "µrod = µ / (1 + N (µ - 1)), N of the spheroid of the rod's length / diameter",
         figure(&RodShapeEstimate::effectivePermeability, Pattern::OneDecimal)},
        {"rod-al", "棒形 AL (nH/N2)", "µ0 µrod π (A/2)² / B: winding spread over the whole rod",
         figure(&RodShapeEstimate::alNh, Pattern::OneDecimal)},
        {"rod-turns", "棒形圈数", "turns the wanted inductance needs with that AL", turns},
        {"rod-ratio", "AL 比 (棒形/快速)",
         "the shape's AL over the main window's formula (unrounded) for the same rod",
         figure(&RodShapeEstimate::ratioToQuick, Pattern::ThreeDecimals)},
    };
}

// Why the model gives no figures, or the warning when its AL and the quick formula's disagree.
std::optional<std::string> rodShapeNoteOf(const RodSecondOpinion& opinion,
                                          const DesignInputs& design) {
    if (opinion.gap) {
        std::string note = "超出模型范围 (outside the rod model's range): " +
                           std::string(describeRodModelGap(*opinion.gap));
        if (design.aMm > 0 && design.bMm > 0) {
            note += "; this rod: length / diameter " +
                    figureText(design.bMm / design.aMm, Pattern::ThreeDecimals).value_or("?") +
                    ", µ " + shortestText(design.permeability);
        }
        return note;
    }
    if (opinion.estimate && alFiguresDisagree(*opinion.estimate)) {
        const double ratio = opinion.estimate->ratioToQuick;
        const bool quickHigher = ratio < 1;
        const std::string times =
            figureText(quickHigher ? 1 / ratio : ratio, Pattern::OneDecimal).value_or("?");
        const std::string limit = shortestText(kRodDisagreementLimit * 100) + " %";
        return "⚠ 两个 AL 相差超过 " + limit + ": " +
               (quickHigher ? "主窗口公式的 AL 是棒形估计的 " : "棒形估计是主窗口公式 AL 的 ") +
               times + " 倍 (the two AL figures differ by more than " + limit + ": " +
               (quickHigher ? "the main window's AL is " + times + " times the rod model's"
                            : "the rod model's AL is " + times + " times the main window's") +
               "; the main window's formula treats the rod as a closed ring of the material, "
               "while a rod's flux returns through air)";
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
    return "A rod's flux returns through air: its effective permeability µrod depends on its "
           "length over its diameter (demagnetising factor of a prolate spheroid, J. A. Osborn "
           "1945, as in Fair-Rite's rod chart; valid for length/diameter " +
           shortestText(kRodModelMinLengthPerDiameter) + " to " +
           shortestText(kRodModelMaxLengthPerDiameter) + " and µ " +
           shortestText(kRodModelMinPermeability) + " to " +
           shortestText(kRodModelMaxPermeability) + "). The main window's formula is not changed "
           "by it.";
}

} // namespace coilwind
