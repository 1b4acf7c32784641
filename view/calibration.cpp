#include "calibration.hpp"

#include "calc/failure.hpp"
#include "calc/number_text.hpp"
#include "calc/winding_details.hpp"
#include "calc/text.hpp"

#include <optional>

namespace coilwind {
namespace {

// A plain decimal number above zero, blanks around it allowed; nothing else.
std::optional<double> positiveNumber(std::string_view text) {
    const std::optional<double> value = readPlainNumber(text);
    return value && *value > 0 ? value : std::nullopt;
}

} // namespace

CalibrationOutcome applyCalibration(FieldSet& fields, std::string_view measuredUhText,
                                    std::string_view turnsText) {
    const std::optional<double> measured = positiveNumber(measuredUhText);
    if (!measured) {
        return {false, translate("Calibration", "实测电感须为大于 0 的数 (measured L: a number "
                                                "above 0, in uH, e.g. 12.5)")};
    }
    const std::optional<double> turns = positiveNumber(turnsText);
    if (!turns) {
        return {false, translate("Calibration", "圈数须为大于 0 的数 (turns of the test coil: a "
                                                "number above 0, e.g. 20)")};
    }
    try {
        const double al = calibratedAl(*measured, *turns);
        if (formatFixed(al, Pattern::OneDecimal) == "0.0") {
            return {false, alShowsZeroText(al)};
        }
        writeCalibratedAl(fields, *measured, *turns);
    } catch (const CommandFailure&) {
        return {false, translate("Calibration", "AL 超出范围, 未写入 (AL beyond the range of a "
                                                "number; check the entries)")};
    }
    return {true, alWrittenText(fields, {})};
}

std::string alShowsZeroText(double al) {
    return filled(translate("Calibration", "AL = %1 nH/N2 显示为 0.0, 未写入 (would show as 0.0; "
                                           "check the entries)"),
                  {shortestText(al)});
}

std::string alWrittenText(const FieldSet& fields, std::string_view source) {
    // "%1": the AL as field 18 shows it; "%2": where it came from, or nothing.
    return filled(translate("Calibration", "AL = %1 nH/N2%2 已写入 (written to AL). Enter in 电感量 "
                                           "recomputes the turns; 计算 recomputes AL from 磁导率Ue."),
                  {fields.text(field::kAl), source});
}

} // namespace coilwind
