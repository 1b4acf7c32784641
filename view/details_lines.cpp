#include "details_lines.hpp"

#include "view/current_lines.hpp"

#include "calc/constants.hpp"
#include "calc/core_type.hpp"
#include "calc/step_table.hpp"
#include "calc/text.hpp"

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
           translate("Details", "/层 × ") + std::to_string(wire.plan.layers) +
           translate("Details", " 层");
}

} // namespace

std::vector<DetailsLine> inputLines(const std::optional<DesignInputs>& design,
                                    std::span<const FieldIndex> earlierDesign) {
    // A field's line: its caption with the unit, its meaning on either core from the field table.
    const auto line = [&](std::string_view key, FieldIndex index, double DesignInputs::*member) {
        const FieldInfo& info = fieldInfo(index);
        std::string caption = translate("Window", info.caption.data());
        if (caption.find('(') == std::string::npos && !info.plainUnit.empty()) {
            caption += " (" + std::string(info.plainUnit) + ")";
        }
        const std::string asShown =
            isResultField(index) ? translate("Details", ", as shown") : std::string();
        std::string english;
        if (!readsField(index, CoreType::Rod)) {
            english = filled(translate("Details", "drum: %1; rod: not used"), {info.drumMeaning});
        } else if (info.drumMeaning == info.rodMeaning) {
            english = std::string(info.drumMeaning) + asShown;
        } else {
            english = filled(translate("Details", "drum: %1; rod: %2"),
                             {info.drumMeaning, info.rodMeaning}) +
                      asShown;
        }
        std::optional<std::string> value;
        if (design) {
            value = shortestText((*design).*member);
            if (std::find(earlierDesign.begin(), earlierDesign.end(), index) !=
                earlierDesign.end()) {
                *value += translate("Details", " (旧设计 earlier design)");
            }
        }
        return DetailsLine{key, caption, english, value};
    };
    std::optional<std::string> core;
    if (design) {
        core = design->core == CoreType::Drum ? translate("Details", "工字 (drum)")
                                              : translate("Details", "棒型 (rod)");
    }
    return {
        {"core-type", translate("Details", kCoreTypeCaption.data()),
         filled(translate("Details", "%1: rod core; any other text: drum core"), {kRodCoreText}),
         core},
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
         ifPresent(details.wholeTurns, count)},
        {"standard-wire", translate("Details", "标准线规"), translate("Details", "largest size of the series with overall diameter <= field 21"),
         ifPresent(details.standardWire,
                   [](const WireSize& w) { return std::string(w.designation); })},
        {"series-end", translate("Details", "系列最大规格"), translate("Details", "the standard wire is the thickest size of the series, and field 21 allows more"),
         seriesEnd},
        {"wire-diameters", translate("Details", "裸径/外径 (mm)"), translate("Details", "standard wire: nominal bare / maximum overall diameter"),
         ifPresent(details.standardWire, diametersText)},
        {"per-layer", translate("Details", "每层圈数"), translate("Details", "turns side by side in one layer"),
         ofPlan([&](const LayerPlan& plan) { return count(plan.perLayer); })},
        {"layers", translate("Details", "层数"), translate("Details", "layers, all full but the last"),
         ofPlan([&](const LayerPlan& plan) { return count(plan.layers); })},
        {"build", translate("Details", "绕组厚度 (mm)"), translate("Details", "layers x maximum overall diameter"),
         ofPlan([](const LayerPlan& plan) { return mmText(plan.buildMm).value_or("?"); })},
        {"depth", translate("Details", "可用深度 (mm)"), translate("Details", "drum: (A - B) / 2"), depth},
        {"width", translate("Details", "可用宽度 (mm)"), translate("Details", "drum: F; rod: B, along the rod"),
         ifPresent(details.availableWidthMm, mmText)},
        {"fits", translate("Details", "绕得下"), translate("Details", "whole layers within the available width and depth"), fits},
        {"largest-fitting", translate("Details", "可绕最大线规"), translate("Details", "largest size of the series that fits, when the standard wire does not: turns per "
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
         filled(translate("Details", "resistance at the temperature set above, or with a current "
                                     "at the heat balance's, %1 /K"),
                {shortestText(physics::kCopperTemperatureCoefficient)}),
         ifPresent(ofStandard(&WoundWire::rHotOhm, Pattern::FourDecimals),
                [&](const std::string& text) { return text + heatBalanceNote(details); })},
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
        {"isat", translate("Details", "饱和电流 (A)"), translate("Details", "saturation current Isat = Bs x whole turns x Ae / L at whole turns"),
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
