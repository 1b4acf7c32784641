#include "input_check_lines.hpp"

#include "details_lines.hpp"
#include "window_description.hpp"

#include "calc/text.hpp"

#include <algorithm>

namespace coilwind {
namespace {

// A field as its caption names it, without the unit: "电感量" for "电感量 (uH)".
std::string captionLabel(FieldIndex index) {
    if (index == kCoreTypeBox) {
        return translate("Details", kCoreTypeCaption.data());
    }
    const auto controls = windowDescription();
    const auto caption = std::find_if(controls.begin(), controls.end(), [&](const auto& control) {
        return control.kind == ControlKind::Caption && control.captionOf == index;
    });
    if (caption == controls.end()) {
        return shortFieldLabel(index);
    }
    const std::string shown = captionText(*caption);
    std::string_view text = shown;
    text = text.substr(0, text.find('('));
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

} // namespace

std::vector<CheckLine> inputCheckLines(const FieldSet& fields, std::string_view coreTypeText,
                                       const CalculationRecord& record) {
    std::vector<CheckLine> lines;
    for (const InputFinding& finding : checkInputs(fields, coreTypeText, record, captionLabel)) {
        lines.push_back({keyName(finding.key), severityOf(finding.key) == Severity::Error,
                         isShapeFinding(finding.key),
                         translate("InputCheck", findingCaption(finding.key).data()) + ": " +
                             finding.message});
    }
    return lines;
}

} // namespace coilwind
