#include "details_report.hpp"

#include "calc/failure.hpp"
#include "shown_text.hpp"
#include "text.hpp"

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
    {field::kCoreModel, QT_TRANSLATE_NOOP("Report", "core model")},
    {field::kA, QT_TRANSLATE_NOOP("Report", "A, mm")},
    {field::kB, QT_TRANSLATE_NOOP("Report", "B, mm")},
    {field::kC, QT_TRANSLATE_NOOP("Report", "C, mm")},
    {field::kD, QT_TRANSLATE_NOOP("Report", "D, mm")},
    {field::kE, QT_TRANSLATE_NOOP("Report", "E, mm")},
    {field::kF, QT_TRANSLATE_NOOP("Report", "F, mm")},
    {field::kPinLength, QT_TRANSLATE_NOOP("Report", "pin length, mm")},
    {field::kPinPitch, QT_TRANSLATE_NOOP("Report", "pin pitch, mm")},
    {field::kMaker, QT_TRANSLATE_NOOP("Report", "maker")},
    {field::kPermeability, QT_TRANSLATE_NOOP("Report", "permeability ue")},
    {field::kInductance, QT_TRANSLATE_NOOP("Report", "wanted inductance, uH")},
}};

constexpr std::array<ReportField, 5> kReportResults{{
    {field::kAl, QT_TRANSLATE_NOOP("Report", "AL, nH/N2")},
    {field::kTurns, QT_TRANSLATE_NOOP("Report", "turns")},
    {field::kWireDiameter, QT_TRANSLATE_NOOP("Report", "largest wire diameter, mm")},
    {field::kDcr, QT_TRANSLATE_NOOP("Report", "DCR-max., ohm")},
    {field::kCopperWeight, QT_TRANSLATE_NOOP("Report", "copper weight, g")},
}};

void appendFields(std::string& report, const FieldSet& fields, std::span<const ReportField> list,
                  std::span<const FieldIndex> earlierDesign = {}) {
    for (const ReportField& entry : list) {
        // "%1": what the field holds; "%2": its number.
        report += "  " + filled(translate("Report", "%1 (field %2): "),
                                {translate("Report", entry.name.data()),
                                 std::to_string(entry.index)});
        report += shownOnOneLine(fields.text(entry.index));
        if (std::find(earlierDesign.begin(), earlierDesign.end(), entry.index) !=
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
    report += translate("Report", "\nMain window, fields as shown\n");
    report += "  " +
              filled(translate("Report", "core type: %1"), {shownOnOneLine(std::string(coreTypeText))}) +
              '\n';
    appendFields(report, fields, kReportInputs);
    report += translate("Report", "\nMain window, results as shown\n");
    appendFields(report, fields, kReportResults, view.earlierDesign);
    report += translate("Report",
                        "\nWinding details (figures of their own, from the inputs as read below)\n");
    report += "  " +
              filled(translate("Report", "settings: %1; %2; %3; %4"),
                     {seriesTitle(settings.series),
                      settingSummary(kTemperatureLimit, settings.temperatureC, ""),
                      settingSummary(kSaturationFluxLimit, settings.saturationFluxMt, "Bs "),
                      settingSummary(kAlToleranceLimit, settings.alTolerancePercent,
                                     translate("Report", "AL tolerance ±"))}) +
              '\n';
    report += translate("Report", " inputs read\n");
    appendLines(report, view.inputs);
    report += translate("Report", " figures\n");
    appendLines(report, view.figures);
    for (const std::string& reason : view.details.reasons) {
        report += "  " + filled(translate("Report", "why a figure is missing: %1"), {reason}) + '\n';
    }
    if (view.rodShapeApplies) {
        report += translate("Report", "\nSecond opinion from the rod's shape (rod permeability, "
                                      "Osborn 1945; Fair-Rite's rod chart)\n");
        appendLines(report, view.rodShape);
        if (view.rodShapeNote) {
            report += "  " + *view.rodShapeNote + '\n';
        }
    }
    return report;
}

} // namespace coilwind
