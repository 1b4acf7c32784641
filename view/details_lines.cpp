#include "details_lines.hpp"

#include "view/current_lines.hpp"

#include "calc/constants.hpp"
#include "calc/core_type.hpp"
#include "calc/step_table.hpp"

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
// The figure written by `format`, or nothing when there is no figure.
std::optional<std::string> ifPresent(const std::optional<T>& figure, Format format) {
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
    // A field's line: its caption with the unit, its meaning on either core from the field table.
    const auto line = [&](std::string_view key, FieldIndex index, double DesignInputs::*member) {
        const FieldInfo& info = fieldInfo(index);
        std::string caption(info.caption);
        if (caption.find('(') == std::string::npos && !info.plainUnit.empty()) {
            caption += " (" + std::string(info.plainUnit) + ")";
        }
        const std::string_view asShown = isResultField(index) ? ", as shown" : "";
        std::string english;
        if (!readsField(index, CoreType::Rod)) {
            english = "drum: " + std::string(info.drumMeaning) + "; rod: not used";
        } else if (info.drumMeaning == info.rodMeaning) {
            english = std::string(info.drumMeaning) + std::string(asShown);
        } else {
            english = "drum: " + std::string(info.drumMeaning) +
                      "; rod: " + std::string(info.rodMeaning) + std::string(asShown);
        }
        std::optional<std::string> value;
        if (design) {
            value = shortestText((*design).*member);
            if (std::find(earlierDesign.begin(), earlierDesign.end(), index) !=
                earlierDesign.end()) {
                *value += " (旧设计 earlier design)";
            }
        }
        return DetailsLine{key, caption, english, value};
    };
    std::optional<std::string> core;
    if (design) {
        core = design->core == CoreType::Drum ? "工字 (drum)" : "棒型 (rod)";
    }
    return {
        {"core-type", "磁心类型",
         std::string(kRodCoreText) + ": rod core; any other text: drum core", core},
        line("a", field::kA, &DesignInputs::aMm),
        line("b", field::kB, &DesignInputs::bMm),
        line("f", field::kF, &DesignInputs::fMm),
        line("al", field::kAl, &DesignInputs::alNh),
        line("wanted", field::kInductance, &DesignInputs::wantedUh),
        line("turns", field::kTurns, &DesignInputs::turns),
        line("wire-max", field::kWireDiameter, &DesignInputs::wireMaxMm),
    };
}

std::vector<DetailsLine> figureLines(const std::optional<DesignInputs>& design,
                                     const WindingDetails& details) {
    const std::optional<WoundWire>& standard = details.standard;
    const auto ofStandard = [&](double WoundWire::*figure, Pattern pattern) {
        return ifPresent(standard, [&](const WoundWire& w) {
            return figureText(w.*figure, pattern).value_or("?");
        });
    };
    // One figure of the inductance, or two joined by `separator`.
    const auto ofInductance = [&](double InductanceFigures::*first,
                                  double InductanceFigures::*second, Pattern pattern,
                                  std::string_view separator = {}) {
        return ifPresent(details.inductance, [&](const InductanceFigures& l) {
            std::string text = figureText(l.*first, pattern).value_or("?");
            if (second != nullptr) {
                text += separator;
                text += figureText(l.*second, pattern).value_or("?");
            }
            return text;
        });
    };
    const auto ofPlan = [&](auto format) {
        return ifPresent(standard, [&](const WoundWire& w) { return format(w.plan); });
    };
    const auto count = [](long long value) { return std::to_string(value); };

    std::optional<std::string> depth = ifPresent(details.availableDepthMm, mmText);
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
         ifPresent(details.wholeTurns, count)},
        {"standard-wire", "标准线规",
         "largest size of the series with overall diameter <= field 21",
         ifPresent(details.standardWire,
                   [](const WireSize& w) { return std::string(w.designation); })},
        {"series-end", "系列最大规格",
         "the standard wire is the thickest size of the series, and field 21 allows more",
         seriesEnd},
        {"wire-diameters", "裸径/外径 (mm)",
         "standard wire: nominal bare / maximum overall diameter",
         ifPresent(details.standardWire, diametersText)},
        {"per-layer", "每层圈数", "turns side by side in one layer",
         ofPlan([&](const LayerPlan& plan) { return count(plan.perLayer); })},
        {"layers", "层数", "layers, all full but the last",
         ofPlan([&](const LayerPlan& plan) { return count(plan.layers); })},
        {"build", "绕组厚度 (mm)", "layers x maximum overall diameter",
         ofPlan([](const LayerPlan& plan) { return mmText(plan.buildMm).value_or("?"); })},
        {"depth", "可用深度 (mm)", "drum: (A - B) / 2", depth},
        {"width", "可用宽度 (mm)", "drum: F; rod: B, along the rod",
         ifPresent(details.availableWidthMm, mmText)},
        {"fits", "绕得下", "whole layers within the available width and depth", fits},
        {"largest-fitting", "可绕最大线规",
         "largest size of the series that fits, when the standard wire does not: turns per "
         "layer x layers",
         largestFitting},
        {"length", "线长 (m)", "standard wire: turns x pi x mean diameter, layer by layer",
         ofStandard(&WoundWire::lengthM, Pattern::ThreeDecimals)},
        {"r20", "R20 (Ω)",
         "resistance at " + shortestText(physics::kCopperReferenceTemperatureC) + " °C, 1/" +
             shortestText(physics::kCopperConductivity) + " ohm mm²/m",
         ofStandard(&WoundWire::r20Ohm, Pattern::FourDecimals)},
        {"r-hot", "R(T) (Ω)",
         "resistance at the temperature set above, or with a current at the heat balance's, " +
             shortestText(physics::kCopperTemperatureCoefficient) + " /K",
         ifPresent(ofStandard(&WoundWire::rHotOhm, Pattern::FourDecimals),
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
         ifPresent(details.saturationCurrentA,
                   [](double a) { return figureText(a, Pattern::ThreeDecimals).value_or("?"); })},
    };
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

} // namespace coilwind
