#include "details_report.hpp"

#include "calc/failure.hpp"
#include "window_description.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>

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

std::string largestFittingText(const WindingDetails& details) {
    const WoundWire& wire = *details.largestFitting;
    return std::string(wire.wire.designation) + ", " + std::to_string(wire.plan.perLayer) +
           "/层 × " + std::to_string(wire.plan.layers) + " 层";
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
        {"r20", "R20 (Ω)", "resistance at 20 °C, 1/58 ohm mm²/m",
         ofStandard(&WoundWire::r20Ohm, Pattern::FourDecimals)},
        {"r-hot", "R(T) (Ω)", "resistance at the temperature set above, 0.00393 /K",
         ofStandard(&WoundWire::rHotOhm, Pattern::FourDecimals)},
        {"mass", "铜重 (g)", "copper mass, 8.89 g/cm³",
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
        return std::string("⚠ 两个 AL 相差超过 25 %: ") +
               (quickHigher ? "主窗口公式的 AL 是棒形估计的 " : "棒形估计是主窗口公式 AL 的 ") +
               times + " 倍 (the two AL figures differ by more than 25 %: " +
               (quickHigher ? "the main window's AL is " + times + " times the rod model's"
                            : "the rod model's AL is " + times + " times the main window's") +
               "; the main window's formula treats the rod as a closed ring of the material, "
               "while a rod's flux returns through air)";
    }
    return std::nullopt;
}

// A field's text on one line: a control character (the copper weight's line end) shows as a
// blank, and trailing blanks go.
std::string shownOnOneLine(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// At most `limit` characters of a UTF-8 text, an ellipsis marking a cut; a field's text can be
// as long as the user likes.
std::string shortened(const std::string& text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t byte = 0; byte < text.size(); ++byte) {
        const bool startsACharacter = (static_cast<unsigned char>(text[byte]) & 0xC0U) != 0x80U;
        if (startsACharacter && characters++ == limit) {
            return text.substr(0, byte) + "…";
        }
    }
    return text;
}

constexpr std::size_t kShownTextLimit = 24;

std::string quoted(const std::string& text) {
    return "\"" + shortened(shownOnOneLine(text), kShownTextLimit) + "\"";
}

// "field 19, 电感量 (uH)": the field's number and the caption above it in the main window.
std::string fieldWithCaption(FieldIndex index) {
    std::string text = "field " + std::to_string(index);
    const auto controls = windowDescription();
    const auto caption = std::find_if(controls.begin(), controls.end(), [&](const auto& control) {
        return control.kind == ControlKind::Caption && control.captionOf == index;
    });
    if (caption != controls.end()) {
        text += ", " + std::string(caption->caption);
    }
    return text;
}

std::string stepsOf(const CalculationOutcome& outcome) {
    std::string steps;
    for (const StageRow& stage : outcome.stages) {
        for (const StepId step : stage.stepIds()) {
            steps += (steps.empty() ? "" : ", ") + std::string(stepName(step));
        }
    }
    return steps;
}

CalculationStatus statusOf(const CalculationRecord& record, const FieldSet& fields,
                           std::string_view coreTypeText) {
    CalculationStatus status;
    const std::optional<CalculationOutcome>& last = record.last();
    if (!last) {
        status.outcome =
            "尚未计算 (no calculation yet: the figures follow the fields as they stand)";
        return status;
    }
    const std::string how = last->enteredIn ? "Enter in " + fieldWithCaption(*last->enteredIn)
                                            : std::string("计算 button");
    if (last->stop) {
        status.stopped = true;
        status.outcome = "计算中止 at " + std::string(stepName(last->stop->step)) + ": " +
                         last->stop->description + " — " + how;
    } else {
        status.outcome = "计算完成 (completed): " + how + " — " + stepsOf(*last);
    }
    std::string changes;
    for (const ChangedInput& input : record.changedInputs(fields, coreTypeText)) {
        changes += changes.empty() ? "" : "; ";
        changes += input.field == kCoreTypeBox ? std::string("core type")
                                               : std::string(fieldName(input.field));
        changes += " " + quoted(input.then) + " → " + quoted(input.now);
    }
    if (!changes.empty()) {
        status.changed = "输入已改 (changed since the last calculation): " + changes +
                         ". 以下数字属于上次计算时的字段 (the figures belong to the fields as "
                         "they were at that calculation; 计算 recomputes them)";
    }
    return status;
}

// A field as its caption names it, without the unit: "电感量" for "电感量 (uH)".
std::string captionLabel(FieldIndex index) {
    if (index == kCoreTypeBox) {
        return "磁心类型";
    }
    const auto controls = windowDescription();
    const auto caption = std::find_if(controls.begin(), controls.end(), [&](const auto& control) {
        return control.kind == ControlKind::Caption && control.captionOf == index;
    });
    if (caption == controls.end()) {
        return shortFieldLabel(index);
    }
    std::string_view text = caption->caption;
    text = text.substr(0, text.find('('));
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

struct ReportField {
    FieldIndex index;
    std::string_view name;
};

constexpr std::array<ReportField, 12> kReportInputs{{
    {field::kCoreModel, "core model"},
    {field::kA, "A, mm"},
    {field::kB, "B, mm"},
    {field::kC, "C, mm"},
    {field::kD, "D, mm"},
    {field::kE, "E, mm"},
    {field::kF, "F, mm"},
    {field::kPinLength, "pin length, mm"},
    {field::kPinPitch, "pin pitch, mm"},
    {field::kMaker, "maker"},
    {field::kPermeability, "permeability ue"},
    {field::kInductance, "wanted inductance, uH"},
}};

constexpr std::array<ReportField, 5> kReportResults{{
    {field::kAl, "AL, nH/N2"},
    {field::kTurns, "turns"},
    {field::kWireDiameter, "largest wire diameter, mm"},
    {field::kDcr, "DCR-max., ohm"},
    {field::kCopperWeight, "copper weight, g"},
}};

void appendFields(std::string& report, const FieldSet& fields, std::span<const ReportField> list,
                  std::span<const FieldIndex> earlierDesign = {}) {
    for (const ReportField& entry : list) {
        report += "  ";
        report += entry.name;
        report += " (field " + std::to_string(entry.index) + "): ";
        report += shownOnOneLine(fields.text(entry.index));
        if (std::find(earlierDesign.begin(), earlierDesign.end(), entry.index) !=
            earlierDesign.end()) {
            report += "   [results of an earlier design]";
        }
        report += '\n';
    }
}

// "Bs 300 mT" (with the label "Bs "), or "Bs refused (from 1 to 2000 mT)".
std::string settingText(const SettingLimit& limit, double value, std::string_view label) {
    return limit.admits(value)
               ? std::string(label) + shortestText(value) + " " + std::string(limit.unit)
               : std::string(limit.name) + " refused (" + rangeText(limit) + ")";
}

void appendLines(std::string& report, const std::vector<DetailsLine>& lines) {
    for (const DetailsLine& line : lines) {
        report += "  ";
        report += line.caption;
        report += ": ";
        report += line.value.value_or("—");
        report += "   [";
        report += line.english;
        report += "]\n";
    }
}

// A plain decimal number above zero, blanks around it allowed; nothing else.
std::optional<double> positiveNumber(std::string_view text) {
    const std::optional<double> value = readPlainNumber(text);
    return value && *value > 0 ? value : std::nullopt;
}

} // namespace

std::optional<std::string> figureText(double value, Pattern pattern) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    if (std::fabs(value) >= kFixedDecimalsLimit) {
        return shortestText(value);
    }
    return formatFixed(value, pattern);
}

std::vector<CheckLine> inputCheckLines(const FieldSet& fields, std::string_view coreTypeText,
                                       const CalculationRecord& record) {
    std::vector<CheckLine> lines;
    for (const InputFinding& finding : checkInputs(fields, coreTypeText, record, captionLabel)) {
        lines.push_back({keyName(finding.key), severityOf(finding.key) == Severity::Error,
                         isShapeFinding(finding.key),
                         std::string(findingCaption(finding.key)) + ": " + finding.message});
    }
    return lines;
}

DetailsView viewDetails(const FieldSet& fields, std::string_view coreTypeText,
                        const DetailsSettings& settings, const CalculationRecord& record) {
    DetailsView view;
    view.status = statusOf(record, fields, coreTypeText);
    view.checks = inputCheckLines(fields, coreTypeText, record);
    // The calculation completed, but on a shape no core has: the figures below say why not.
    if (!view.status.stopped && std::any_of(view.checks.begin(), view.checks.end(),
                                            [](const CheckLine& line) { return line.shape; })) {
        view.status.outcome += " — 但尺寸不可能 (but the core's shape is impossible: no figure)";
    }
    view.earlierDesign = record.earlierDesignResults(fields);
    const MemoryFieldSet calculated = record.inputsAsCalculated(fields);
    const std::string core = record.coreTypeAsCalculated(coreTypeText);
    // a read fault is a reason
    view.details = computeDetails(calculated, core, settings, view.earlierDesign);
    try {
        view.design = readDesign(calculated, core);
    } catch (const CalcFailure&) {
        view.design = std::nullopt;
    }
    view.inputs = inputLines(view.design, view.earlierDesign);
    view.figures = figureLines(view.design, view.details);
    view.rodShape = rodShapeLines(view.details.rodShape.value_or(RodSecondOpinion{}));
    if (view.design && view.details.rodShape) {
        view.rodShapeApplies = true;
        view.rodShapeNote = rodShapeNoteOf(*view.details.rodShape, *view.design);
        view.rodShapeWarns = view.details.rodShape->estimate.has_value() && view.rodShapeNote;
    }
    return view;
}

std::string composeDesignReport(const FieldSet& fields, std::string_view coreTypeText,
                                const DetailsSettings& settings, const CalculationRecord& record) {
    const DetailsView view = viewDetails(fields, coreTypeText, settings, record);
    std::string report =
        "coilwind winding design\n\nLast calculation\n  " + view.status.outcome + '\n';
    if (view.status.changed) {
        report += "  " + *view.status.changed + '\n';
    }
    if (!view.checks.empty()) {
        report += "\nInput check (the main window's fields as that calculation read them)\n";
        for (const CheckLine& line : view.checks) {
            report += std::string(line.error ? "  error: " : "  note: ") + line.text + '\n';
        }
    }
    report += "\nMain window, fields as shown\n";
    report += "  core type: " + shownOnOneLine(std::string(coreTypeText)) + '\n';
    appendFields(report, fields, kReportInputs);
    report += "\nMain window, results as shown\n";
    appendFields(report, fields, kReportResults, view.earlierDesign);
    report += "\nWinding details (figures of their own, from the inputs as read below)\n";
    report += "  settings: " + std::string(seriesTitle(settings.series)) + "; " +
              settingText(kTemperatureLimit, settings.temperatureC, "") + "; " +
              settingText(kSaturationFluxLimit, settings.saturationFluxMt, "Bs ") + "; " +
              settingText(kAlToleranceLimit, settings.alTolerancePercent, "AL tolerance ±") + '\n';
    report += " inputs read\n";
    appendLines(report, view.inputs);
    report += " figures\n";
    appendLines(report, view.figures);
    for (const std::string& reason : view.details.reasons) {
        report += "  why a figure is missing: " + reason + '\n';
    }
    if (view.rodShapeApplies) {
        report +=
            "\nSecond opinion from the rod's shape (rod permeability, Osborn 1945; Fair-Rite's "
            "rod chart)\n";
        appendLines(report, view.rodShape);
        if (view.rodShapeNote) {
            report += "  " + *view.rodShapeNote + '\n';
        }
    }
    return report;
}

std::optional<double> readSetting(const SettingLimit& limit, std::string_view text) {
    const std::optional<double> value = readPlainNumber(text);
    return value && limit.admits(*value) ? value : std::nullopt;
}

std::string settingRefusal(const SettingLimit& limit, std::string_view text) {
    return std::string(limit.name) + " " + rangeText(limit) + ", not " + quoted(std::string(text));
}

CalibrationOutcome applyCalibration(FieldSet& fields, std::string_view measuredUhText,
                                    std::string_view turnsText) {
    const std::optional<double> measured = positiveNumber(measuredUhText);
    if (!measured) {
        return {false, "实测电感须为大于 0 的数 (measured L: a number above 0, in uH, e.g. 12.5)"};
    }
    const std::optional<double> turns = positiveNumber(turnsText);
    if (!turns) {
        return {false, "圈数须为大于 0 的数 (turns of the test coil: a number above 0, e.g. 20)"};
    }
    try {
        const double al = calibratedAl(*measured, *turns);
        if (formatFixed(al, Pattern::OneDecimal) == "0.0") {
            return {false, "AL = " + shortestText(al) +
                               " nH/N2 显示为 0.0, 未写入 (would show as 0.0; check the entries)"};
        }
        writeCalibratedAl(fields, *measured, *turns);
    } catch (const CalcFailure&) {
        return {false, "AL 超出范围, 未写入 (AL beyond the range of a number; check the entries)"};
    }
    return {true, "AL = " + fields.text(field::kAl) +
                      " nH/N2 已写入 (written to AL). Enter in 电感量 recomputes the turns; "
                      "计算 recomputes AL from 磁导率Ue."};
}

} // namespace coilwind
