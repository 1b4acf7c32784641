#include "details_report.hpp"

#include "view/current_lines.hpp"

#include "calc/failure.hpp"
#include "shown_text.hpp"

#include <algorithm>
#include <array>
#include <span>

namespace coilwind {
namespace {

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

} // namespace

DetailsView viewDetails(const FieldSet& fields, std::string_view coreTypeText,
                        const DetailsSettings& settings, const CalculationRecord& record) {
    DetailsView view;
    view.status = calculationStatus(record, fields, coreTypeText);
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
    std::string report =
        "coilwind winding design\n\nLast calculation\n  " + view.status.outcome + '\n';
    if (view.status.changed) {
        report += "  " + *view.status.changed + '\n';
    }
    report += "\nMain window, fields as shown\n";
    report += "  core type: " + shownOnOneLine(std::string(coreTypeText)) + '\n';
    appendFields(report, fields, kReportInputs);
    report += "\nMain window, results as shown\n";
    appendFields(report, fields, kReportResults, view.earlierDesign);
    report += "\nWinding details (figures of their own, from the inputs as read below)\n";
    report += "  settings: " + std::string(seriesTitle(settings.series)) + "; " +
              settingSummary(kTemperatureLimit, settings.temperatureC, "") + "; " +
              settingSummary(kSaturationFluxLimit, settings.saturationFluxMt, "Bs ") + "; " +
              settingSummary(kAlToleranceLimit, settings.alTolerancePercent, "AL tolerance ±");
    if (const std::string current = currentSettingsSummary(settings.current); !current.empty()) {
        report += "; " + current;
    }
    report += '\n';
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
    if (view.currentApplies) {
        report += "\nCurrent rating (" + currentExplanation() + ")\n";
        appendLines(report, view.current);
        for (const std::string& warning : view.currentWarnings) {
            report += "  " + warning + '\n';
        }
    }
    return report;
}

} // namespace coilwind
