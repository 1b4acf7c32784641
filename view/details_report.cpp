#include "details_report.hpp"

#include "view/current_lines.hpp"
#include "view/details_description.hpp"

#include "calc/failure.hpp"
#include "calc/step_table.hpp"
#include "shown_text.hpp"
#include "calc/text.hpp"

#include <algorithm>
#include <span>

namespace coilwind {
namespace {

// The fields as shown, inputs or results: "  A, mm (field 1): 8", the name and unit from the
// field table.
void appendFields(std::string& report, const FieldSet& fields, bool results,
                  std::span<const FieldIndex> earlierDesign = {}) {
    for (const FieldInfo& info : kFields) {
        if (isResultField(info.index) != results) {
            continue;
        }
        std::string name(info.name);
        if (!info.plainUnit.empty()) {
            name += ", ";
            name += info.plainUnit;
        }
        // "%1": what the field holds, with its unit; "%2": its number.
        report += "  " + filled(translate("Report", "%1 (field %2): "),
                                {name, std::to_string(info.index)});
        report += shownOnOneLine(fields.text(info.index));
        if (std::find(earlierDesign.begin(), earlierDesign.end(), info.index) !=
            earlierDesign.end()) {
            report += translate("Report", "   [results of an earlier design]");
        }
        report += '\n';
    }
}

void appendLines(std::string& report, const std::vector<DetailsLine>& lines) {
    for (const DetailsLine& line : lines) {
        report += "  ";
        report += line.caption;
        report += mark::kCaptioned;
        report += line.value.value_or(std::string(mark::kNoValue));
        report += "   [";
        report += line.english;
        report += "]\n";
    }
}

} // namespace

DetailsView viewDetails(const FieldSet& fields, std::string_view coreTypeText,
                        const DetailsSettings& settings, const CalculationRecord& record) {
    DetailsView view;
    view.status = calculationStatus(record, fields, coreTypeText);
    view.checks = inputCheckLines(fields, coreTypeText, record);
    // The calculation completed, but on a shape no core has: the figures below say why not.
    if (!view.status.stopped && std::any_of(view.checks.begin(), view.checks.end(),
                                            [](const CheckLine& line) { return line.shape; })) {
        view.status.outcome +=
            translate("Details", " — 但尺寸不可能 (but the core's shape is impossible: no figure)");
    }
    view.earlierDesign = record.earlierDesignResults(fields);
    const MemoryFieldSet calculated = record.inputsAsCalculated(fields);
    const std::string core = record.coreTypeAsCalculated(coreTypeText);
    // a read fault is a reason
    view.details = computeDetails(calculated, core, settings, view.earlierDesign);
    try {
        view.design = readDesign(calculated, core);
    } catch (const CommandFailure&) {
        view.design = std::nullopt;
    }
    view.inputs = inputLines(view.design, view.earlierDesign);
    view.figures = figureLines(view.design, view.details);
    view.shapeOpinion = viewShapeOpinion(view.design, view.details.shapeOpinion);
    view.current = currentLines(view.details.currentRating);
    view.currentApplies = settings.current.dcCurrentA.has_value();
    if (view.details.currentRating) {
        view.currentWarnings = view.details.currentRating->warnings;
    }
    return view;
}

std::string composeDesignReport(const FieldSet& fields, std::string_view coreTypeText,
                                const DetailsSettings& settings, const CalculationRecord& record) {
    const DetailsView view = viewDetails(fields, coreTypeText, settings, record);
    std::string report = translate("Report", "coilwind winding design\n\nLast calculation\n") +
                         "  " + view.status.outcome + '\n';
    if (view.status.changed) {
        report += "  " + *view.status.changed + '\n';
    }
    if (!view.checks.empty()) {
        report += translate("Report", "\nInput check (the main window's fields as that "
                                      "calculation read them)\n");
        for (const CheckLine& line : view.checks) {
            report += "  " +
                      filled(line.error ? translate("Report", "error: %1")
                                        : translate("Report", "note: %1"),
                             {line.text}) +
                      '\n';
        }
    }
    report += translate("Report", "\nMain window, fields as shown\n");
    report += "  " +
              filled(translate("Report", "core type: %1"),
                     {shownOnOneLine(std::string(coreTypeText))}) +
              '\n';
    appendFields(report, fields, false);
    report += translate("Report", "\nMain window, results as shown\n");
    appendFields(report, fields, true, view.earlierDesign);
    report += translate("Report",
                        "\nWinding details (figures of their own, from the inputs as read below)\n");
    // The details' groups in the order every front end shows them.
    for (const DetailsPart& part : detailsParts()) {
        switch (part.kind) {
        case DetailsPartKind::Settings:
            report += "  " +
                      filled(translate("Report", "settings: %1; %2; %3; %4"),
                             {seriesTitle(settings.series),
                              settingSummary(kTemperatureLimit, settings.temperatureC, ""),
                              settingSummary(kSaturationFluxLimit, settings.saturationFluxMt, "Bs "),
                              settingSummary(kAlToleranceLimit, settings.alTolerancePercent,
                                             translate("Report", "AL tolerance ±"))});
            if (const std::string current = currentSettingsSummary(settings.current);
                !current.empty()) {
                report += "; " + current;
            }
            report += '\n';
            break;
        case DetailsPartKind::Inputs:
            report += translate("Report", " inputs read\n");
            appendLines(report, view.inputs);
            break;
        case DetailsPartKind::Figures:
            report += translate("Report", " figures\n");
            appendLines(report, view.figures);
            for (const std::string& reason : view.details.reasons) {
                report +=
                    "  " + filled(translate("Report", "why a figure is missing: %1"), {reason}) + '\n';
            }
            break;
        case DetailsPartKind::ShapeOpinion:
            if (view.design && view.details.shapeOpinion) {
                report += "\n" + view.shapeOpinion.title + "\n";
                appendLines(report, view.shapeOpinion.lines);
                for (const auto& text : {view.shapeOpinion.validation, view.shapeOpinion.note}) {
                    if (text) {
                        report += "  " + *text + '\n';
                    }
                }
            }
            break;
        case DetailsPartKind::Current:
            if (view.currentApplies) {
                report += "\n" +
                          filled(translate("Report", "Current rating (%1)"), {currentExplanation()}) +
                          "\n";
                appendLines(report, view.current);
                for (const std::string& warning : view.currentWarnings) {
                    report += "  " + warning + '\n';
                }
            }
            break;
        default: // above (the status and the input check), drawn, or controls: no text of their own
            break;
        }
    }
    return report;
}

} // namespace coilwind
