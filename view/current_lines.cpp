#include "current_lines.hpp"

#include "calc/constants.hpp"
#include "calc/number_text.hpp"
#include "calc/settings_limits.hpp"
#include "view/details_settings.hpp"

namespace coilwind {
namespace {

std::string riseLaw() {
    return "ΔT = (P mW / A cm²)^" + shortestText(physics::kRiseExponent);
}

std::string ratedRise() {
    return shortestText(kRatedRiseK) + " K";
}

const std::string& ratedCaption() {
    static const std::string caption = "额定电流 ΔT=" + shortestText(kRatedRiseK) + "K (A)";
    return caption;
}

} // namespace

std::vector<DetailsLine> currentLines(const std::optional<CurrentRating>& rating) {
    const auto figure = [&](double CurrentRating::*member, Pattern pattern) {
        if (!rating) {
            return std::optional<std::string>();
        }
        return std::optional(figureText((*rating).*member, pattern).value_or("?"));
    };
    // A figure of the heat balance: none without a rating, the runaway where there is no balance.
    const auto balance = [&](std::optional<double> CurrentRating::*member, Pattern pattern) {
        if (!rating) {
            return std::optional<std::string>();
        }
        if (rating->runaway) {
            return std::optional<std::string>("热失控 (runaway)");
        }
        return figureText(*((*rating).*member), pattern);
    };
    std::optional<std::string> strands;
    if (rating) {
        if (const auto& s = rating->strands) {
            strands = std::to_string(s->strands) + " × " + std::string(s->strand.designation) +
                      ", Ø " + figureText(s->bundleMm, Pattern::ThreeDecimals).value_or("?") +
                      " mm, " + (s->fits ? "绕得下 (fits)" : "绕不下 (does not fit)");
        } else {
            strands = "不需要 (not needed)";
        }
    }
    return {
        {"skin-depth", "集肤深度 (mm)",
         "copper's skin depth at the switching frequency and the winding's temperature",
         figure(&CurrentRating::skinDepthMm, Pattern::ThreeDecimals)},
        {"ac-factor", "交流电阻系数",
         "AC over DC resistance for the triangular ripple: Dowell's layer model, odd harmonics",
         figure(&CurrentRating::acFactor, Pattern::ThreeDecimals)},
        {"dc-loss", "直流铜损 (W)", "DC current² × hot resistance",
         figure(&CurrentRating::dcLossW, Pattern::FourDecimals)},
        {"ac-loss", "交流铜损 (W)", "ripple RMS² × hot resistance × AC factor",
         figure(&CurrentRating::acLossW, Pattern::FourDecimals)},
        {"loss", "总铜损 (W)", "DC plus AC copper loss",
         figure(&CurrentRating::lossW, Pattern::FourDecimals)},
        {"surface", "散热面积 (cm²)", "outer surface of the wound part that sheds the heat",
         figure(&CurrentRating::surfaceCm2, Pattern::ThreeDecimals)},
        {"rise", "温升 (K)", "estimate: " + riseLaw() + ", still air (the Amidon formula)",
         balance(&CurrentRating::riseK, Pattern::OneDecimal)},
        {"hot-temperature", "线圈温度 (°C)", "ambient plus rise: the heat balance's fixed point",
         balance(&CurrentRating::hotC, Pattern::OneDecimal)},
        {"hot-resistance", "热态电阻 (Ω)", "DC resistance at the winding's temperature",
         balance(&CurrentRating::hotResistanceOhm, Pattern::FourDecimals)},
        {"rated-current", ratedCaption(),
         "estimate: the DC current that warms the part by " + ratedRise() +
             ", as data sheets rate it",
         figure(&CurrentRating::ratedCurrentA, Pattern::ThreeDecimals)},
        {"peak-current", "峰值电流 (A)", "DC + ripple / 2, against the saturation estimate",
         figure(&CurrentRating::peakCurrentA, Pattern::ThreeDecimals)},
        {"strands", "建议绞线",
         "when the wire is thicker than two skin depths: strands of the thickest size under two "
         "skin depths with the same copper area, bundle diameter, whether it fits",
         strands},
    };
}

std::string currentExplanation() {
    return "With a DC current set above: skin depth, the ripple's AC resistance factor (Dowell's "
           "layer model), copper losses, the still-air temperature rise " +
           riseLaw() + " and its heat balance, the rated current for a " + ratedRise() +
           " rise. Estimates of the details, not the main window's results.";
}

std::string currentSettingsSummary(const CurrentSettings& settings) {
    if (!settings.dcCurrentA) {
        return {};
    }
    return settingSummary(kDcCurrentLimit, *settings.dcCurrentA, "DC ") + ", " +
           settingSummary(kRippleCurrentLimit, settings.rippleCurrentA, "ripple ") + " p-p at " +
           settingSummary(kFrequencyLimit, settings.frequencyKhz, "") + ", " +
           settingSummary(kAmbientLimit, settings.ambientC, "ambient ") + ", " +
           settingSummary(kEnamelClassLimit, settings.enamelClassC, "enamel class ");
}

std::string heatBalanceNote(const WindingDetails& details) {
    if (!details.heatBalanceC) {
        return {};
    }
    return " (" + figureText(*details.heatBalanceC, Pattern::OneDecimal).value_or("?") +
           " °C, 热平衡 heat balance)";
}

} // namespace coilwind
