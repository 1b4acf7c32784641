#include "current_lines.hpp"

#include "calc/constants.hpp"
#include "calc/number_text.hpp"
#include "calc/settings_limits.hpp"
#include "calc/text.hpp"

#include <cmath>
#include <cstdlib>
#include "view/details_settings.hpp"

namespace coilwind {
namespace {

std::string riseLaw() {
    return "ΔT = (P mW / A cm²)^" + shortestText(physics::kRiseExponent);
}

// A share as whole percent with its sign: "+17", "−28".
std::string percentText(double share) {
    const long long percent = std::llround(share * 100);
    return (percent > 0 ? "+" : percent < 0 ? "−" : "") + std::to_string(std::llabs(percent));
}

std::string ratedRise() {
    return shortestText(kRatedRiseK) + " K";
}

std::string ratedCaption() {
    return filled(translate("Current", "额定电流 ΔT=%1K (A)"), {shortestText(kRatedRiseK)});
}

} // namespace

std::vector<DetailsLine> currentLines(const std::optional<CurrentRating>& rating) {
    const RatingValidation& v = kRatedCurrentValidation;
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
            return std::optional<std::string>(translate("Current", "热失控 (runaway)"));
        }
        return figureText(*((*rating).*member), pattern);
    };
    std::optional<std::string> strands;
    if (rating) {
        if (const auto& s = rating->strands) {
            strands = std::to_string(s->strands) + " × " + std::string(s->strand.designation) +
                      ", Ø " + figureText(s->bundleMm, Pattern::ThreeDecimals).value_or("?") +
                      " mm, " +
                      (s->fits ? translate("Current", "绕得下 (fits)")
                               : translate("Current", "绕不下 (does not fit)"));
        } else {
            strands = translate("Details", "不需要 (not needed)");
        }
    }
    return {
        {"skin-depth", translate("Current", "集肤深度 (mm)"), translate("Current", "copper's skin depth at the switching frequency and the winding's temperature"),
         figure(&CurrentRating::skinDepthMm, Pattern::ThreeDecimals)},
        {"ac-factor", translate("Current", "交流电阻系数"), translate("Current", "AC over DC resistance for the triangular ripple: Dowell's layer model, odd harmonics"),
         figure(&CurrentRating::acFactor, Pattern::ThreeDecimals)},
        {"dc-loss", translate("Current", "直流铜损 (W)"), translate("Current", "DC current² × hot resistance"),
         figure(&CurrentRating::dcLossW, Pattern::FourDecimals)},
        {"ac-loss", translate("Current", "交流铜损 (W)"), translate("Current", "ripple RMS² × hot resistance × AC factor"),
         figure(&CurrentRating::acLossW, Pattern::FourDecimals)},
        {"loss", translate("Current", "总铜损 (W)"), translate("Current", "DC plus AC copper loss"),
         figure(&CurrentRating::lossW, Pattern::FourDecimals)},
        {"surface", translate("Current", "散热面积 (cm²)"), translate("Current", "outer surface of the wound part that sheds the heat"),
         figure(&CurrentRating::surfaceCm2, Pattern::ThreeDecimals)},
        {"rise", translate("Current", "温升 (K)"),
         filled(translate("Current", "estimate: %1, still air (the Amidon formula)"), {riseLaw()}),
         balance(&CurrentRating::riseK, Pattern::OneDecimal)},
        {"hot-temperature", translate("Current", "线圈温度 (°C)"), translate("Current", "ambient plus rise: the heat balance's fixed point"),
         balance(&CurrentRating::hotC, Pattern::OneDecimal)},
        {"hot-resistance", translate("Current", "热态电阻 (Ω)"), translate("Current", "DC resistance at the winding's temperature"),
         balance(&CurrentRating::hotResistanceOhm, Pattern::FourDecimals)},
        {"rated-current", ratedCaption(),
         filled(translate("Current",
                          "estimate: the DC current that warms the part by %1, as data sheets rate "
                          "it; checked against %2 drum inductors of %3 makers: %4 within "
                          "±%5 %, from %6 % to %7 %"),
                {ratedRise(), std::to_string(v.parts), std::to_string(v.makers),
                 std::to_string(v.withinTolerance), std::to_string(std::llround(v.tolerance * 100)),
                 percentText(v.lowestError), percentText(v.highestError)}),
         figure(&CurrentRating::ratedCurrentA, Pattern::ThreeDecimals)},
        {"peak-current", translate("Current", "峰值电流 (A)"), translate("Current", "DC + ripple / 2, against the saturation estimate"),
         figure(&CurrentRating::peakCurrentA, Pattern::ThreeDecimals)},
        {"strands", translate("Current", "建议绞线"), translate("Current", "when the wire is thicker than two skin depths: strands of the thickest size under two "
         "skin depths with the same copper area, bundle diameter, whether it fits"),
         strands},
    };
}

std::string currentExplanation() {
    // "%1": the rise law; "%2": the rated current's rise.
    return filled(translate("Current",
                            "With a DC current set above: skin depth, the ripple's AC resistance "
                            "factor (Dowell's layer model), copper losses, the still-air "
                            "temperature rise %1 and its heat balance, the rated current for a %2 "
                            "rise. Estimates of the details, not the main window's results."),
                  {riseLaw(), ratedRise()});
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
           translate("Current", " °C, 热平衡 heat balance)");
}

} // namespace coilwind
