#include "input_check.hpp"

#include "text.hpp"

#include "failure.hpp"
#include "number_text.hpp"
#include "stages.hpp"
#include "step_table.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace coilwind {
namespace {

// Every finding's key, severity and caption; the English messages are composed below, one
// function each, and nowhere else.
struct FindingText {
    FindingKey key;
    std::string_view name;
    Severity severity;
    std::string_view caption;
};

// clang-format off
constexpr std::array<FindingText, 14> kFindingTexts{{
    {FindingKey::EmptyInput,       "empty-input",        Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "空白读作 0")},
    {FindingKey::NoDigit,          "no-digit",           Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "不是数字, 读作 0")},
    {FindingKey::FullWidthDigit,   "full-width-digit",   Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "全角字符")},
    {FindingKey::DecimalComma,     "decimal-comma",      Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "逗号不是小数点")},
    {FindingKey::ReadInPart,       "read-in-part",       Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "只读了一部分")},
    {FindingKey::UnitAfterNumber,  "unit-after-number",  Severity::Note,  QT_TRANSLATE_NOOP("InputCheck", "单位只是注释")},
    {FindingKey::CoreTypeNotRod,   "core-type-not-rod",  Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "不是 R CORE")},
    {FindingKey::CoreTypeDefault,  "core-type-default",  Severity::Note,  QT_TRANSLATE_NOOP("InputCheck", "按工字磁心计算")},
    {FindingKey::NotPositive,      "not-positive",       Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "须大于 0")},
    {FindingKey::PostNotNarrower,  "post-not-narrower",  Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "不可能的尺寸")},
    {FindingKey::WidthAboveLength, "width-above-length", Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "不可能的尺寸")},
    {FindingKey::AlRounding,       "al-rounding",        Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "AL 取整")},
    {FindingKey::Stopped,          "stopped",            Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "计算中止")},
    {FindingKey::EarlierDesign,    "earlier-design",     Severity::Error, QT_TRANSLATE_NOOP("InputCheck", "旧设计的结果")},
}};
// clang-format on

const FindingText& textOf(FindingKey key) {
    return *std::find_if(kFindingTexts.begin(), kFindingTexts.end(),
                         [&](const FindingText& text) { return text.key == key; });
}

// Turns off by more than this share are a different coil.
constexpr double kTurnsShiftLimit = 0.01;
// Beyond this many characters a quoted text is cut: a field holds whatever was pasted.
constexpr std::size_t kQuotedLimit = 24;

std::string quoted(std::string_view text) {
    std::string shown;
    std::size_t characters = 0;
    for (const char c : text) {
        const bool starts = (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
        if (starts && characters++ == kQuotedLimit) {
            shown += "…";
            break;
        }
        shown += static_cast<unsigned char>(c) < 0x20 ? ' ' : c; // the copper weight's line end
    }
    return "\"" + shown + "\"";
}

std::string number(double value) {
    return shortestText(value);
}

std::string percent(double share) {
    return formatFixed(std::fabs(share) * 100, Pattern::OneDecimal).value_or("?") + " %";
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string_view withoutBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Full-width digits, point and comma (U+FF10..FF19, U+FF0E, U+FF0C) and the ideographic full
// stop (U+3002), as a Chinese input method types them.
bool startsFullWidthNumberCharacter(std::string_view text) {
    if (text.size() >= 3 && text[0] == '\xEF' && text[1] == '\xBC') {
        const auto third = static_cast<unsigned char>(text[2]);
        return (third >= 0x90 && third <= 0x99) || third == 0x8E || third == 0x8C;
    }
    return text.starts_with("\xE3\x80\x82");
}

bool holdsFullWidthNumberCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (startsFullWidthNumberCharacter(text.substr(i))) {
            return true;
        }
    }
    return false;
}

// The unit a field is in, as people type it after the number; the captions show it.
struct FieldUnit {
    FieldIndex field;
    std::string_view shown;
    std::array<std::string_view, 3> spellings; // lower case
};
constexpr std::array<FieldUnit, 7> kFieldUnits{{
    {field::kA, "mm", {"mm"}},
    {field::kB, "mm", {"mm"}},
    {field::kD, "mm", {"mm"}},
    {field::kF, "mm", {"mm"}},
    {field::kAl, "nH/N2", {"nh/n2", "nh/n²", "nh"}},
    {field::kInductance, "uH", {"uh", "\xC2\xB5h", "\xCE\xBCh"}}, // u, micro sign, Greek mu
    {field::kWireDiameter, "mm", {"mm"}},
}};

std::optional<std::string_view> unitOf(FieldIndex index) {
    const auto* found = std::find_if(kFieldUnits.begin(), kFieldUnits.end(),
                                     [&](const FieldUnit& unit) { return unit.field == index; });
    if (found == kFieldUnits.end()) {
        return std::nullopt;
    }
    return found->shown;
}

bool isUnitOf(FieldIndex index, std::string_view rest) {
    const auto* found = std::find_if(kFieldUnits.begin(), kFieldUnits.end(),
                                     [&](const FieldUnit& unit) { return unit.field == index; });
    if (found == kFieldUnits.end()) {
        return false;
    }
    std::string folded;
    for (const char c : rest) {
        folded += lower(c);
    }
    return std::any_of(
        found->spellings.begin(), found->spellings.end(),
        [&](std::string_view spelling) { return !spelling.empty() && folded == spelling; });
}

// What a dimension or value stands for, in English, for the core type.
std::string_view meaningOf(FieldIndex index, CoreType core) {
    const bool rod = core == CoreType::Rod;
    switch (index) {
    case field::kA:
        return rod ? "a rod's diameter" : "a flange's diameter";
    case field::kB:
        return rod ? "a rod's length" : "a centre post's diameter";
    case field::kD:
        return "a core's length";
    case field::kF:
        return "a winding width";
    case field::kPermeability:
        return "a permeability";
    case field::kInductance:
        return "the wanted inductance";
    default:
        return "the value";
    }
}

InputFinding finding(FindingKey key, FieldIndex field, std::string message) {
    return {key, field, std::move(message)};
}

// The traps of one field's text as the leading-number rule read it.
std::optional<InputFinding> checkText(FieldIndex index, const std::string& text, FieldLabel label) {
    const std::optional<double> value = readLeadingNumber(text);
    if (!value) {
        return std::nullopt; // beyond a double: the step faulted, and its stop says so
    }
    const LeadingNumberExtent extent = leadingNumberExtent(text);
    const std::string name = label(index);
    const std::string readAs = name + " " + quoted(text) + " was read as " + number(*value);
    if (!extent.sawDigit) {
        if (withoutBlanks(text).empty()) {
            return finding(FindingKey::EmptyInput, index, name + " is empty and was read as 0");
        }
        if (holdsFullWidthNumberCharacter(text)) {
            return finding(FindingKey::FullWidthDigit, index,
                           readAs + " (full-width digits such as \"５\" are no digits here: "
                                    "type the number with the input method in half-width)");
        }
        return finding(FindingKey::NoDigit, index, readAs + " (it does not start with a number)");
    }
    const std::string_view rest = withoutBlanks(std::string_view(text).substr(extent.length));
    if (rest.empty()) {
        return std::nullopt;
    }
    if (rest.front() == ',' && rest.size() > 1 && rest[1] >= '0' && rest[1] <= '9') {
        return finding(FindingKey::DecimalComma, index,
                       readAs + " (a comma is not a decimal point: type \".\")");
    }
    if (startsFullWidthNumberCharacter(rest)) {
        return finding(FindingKey::FullWidthDigit, index,
                       readAs + " (reading stops at the full-width " + quoted(rest.substr(0, 3)) +
                           ": type the number with the input method in half-width)");
    }
    const std::optional<std::string_view> unit = unitOf(index);
    if (isUnitOf(index, rest)) {
        return finding(FindingKey::UnitAfterNumber, index,
                       readAs + ": the unit after the number is only a note; the field is in " +
                           std::string(*unit));
    }
    std::string message = readAs + " (reading stops at " + quoted(rest) + ", which it ignores";
    if (unit) {
        message += "; the field is in " + std::string(*unit);
    }
    return finding(FindingKey::ReadInPart, index, message + ")");
}

// A core-type text that means the rod but is not the list's text: any case, blanks and
// separators aside, "r core", "rod", "r", or one with "rod" or 棒 (rod) in it.
bool meansTheRod(std::string_view text) {
    std::string folded;
    for (const char c : text) {
        if (!isBlank(c) && c != '-' && c != '_' && c != '.') {
            folded += lower(c);
        }
    }
    return folded == "r" || folded == "rc" || folded.starts_with("rcore") ||
           folded.find("rod") != std::string::npos || folded.find("棒") != std::string::npos;
}

std::optional<InputFinding> checkCoreType(std::string_view text, FieldLabel label) {
    if (coreTypeOf(text) == CoreType::Rod || text == kDrumCoreText) {
        return std::nullopt;
    }
    const std::string name = label(kCoreTypeBox) + " " + quoted(text);
    if (meansTheRod(text)) {
        return finding(FindingKey::CoreTypeNotRod, kCoreTypeBox,
                       name + " was computed as the drum core (KQ CORE): only \"R CORE\" "
                              "exactly, in capitals and without blanks around it, selects the "
                              "rod core");
    }
    return finding(FindingKey::CoreTypeDefault, kCoreTypeBox,
                   name + " was computed as the drum core (KQ CORE): every text but \"R CORE\" "
                          "selects the drum core");
}

// The AL field holds the AL stage's result for these inputs, rounded to one decimal; the turns
// step read it so. Says so when that moved the turns by more than kTurnsShiftLimit.
std::optional<InputFinding> checkAlRounding(const FieldSet& calculated, CoreType core,
                                            FieldLabel label) {
    double exact = 0;
    try {
        exact = stepResult(calculated, StepId::Al, core);
    } catch (const CommandFailure&) {
        return std::nullopt;
    }
    const StepRow& row = stepRow(StepId::Al, core);
    const std::optional<std::string> shownText = formatFixed(exact, row.pattern);
    if (!shownText || calculated.text(field::kAl) != *shownText) {
        return std::nullopt; // typed over, or the AL stage did not run on these inputs
    }
    const double shown = calculated.number(field::kAl);
    if (!(shown > 0 && exact > 0)) {
        return std::nullopt; // "0.0" faults the turns step, and its stop says so
    }
    const double turnsShift = std::sqrt(exact / shown) - 1;
    if (!(std::fabs(turnsShift) > kTurnsShiftLimit)) {
        return std::nullopt;
    }
    const bool more = turnsShift > 0;
    return finding(FindingKey::AlRounding, field::kAl,
                   label(field::kAl) + " shows " + *shownText + " for " +
                       (formatFixed(exact, Pattern::FourDecimals).value_or("?")) +
                       ", and the turns step reads it as shown: the turns are " +
                       percent(turnsShift) + (more ? " more" : " fewer") +
                       " than the unrounded AL needs, and the inductance comes out about " +
                       percent(exact / shown - 1) + (more ? " high" : " low"));
}

std::string labels(const std::vector<FieldIndex>& fields, FieldLabel label) {
    std::string text;
    for (const FieldIndex index : fields) {
        text += (text.empty() ? "" : ", ") + label(index);
    }
    return text;
}

// The result fields from the stopped step's on.
std::vector<FieldIndex> resultsFrom(StepId step) {
    std::vector<FieldIndex> results;
    bool from = false;
    for (const StepId each : kStepOrder) {
        from = from || each == step;
        if (from) {
            results.push_back(stepRow(each, CoreType::Drum).writes);
        }
    }
    return results;
}

// The fields the steps of the last calculation took from the field set: the core type's inputs,
// and a result read before this calculation wrote it (typed into AL, say).
std::vector<FieldIndex> fieldsRead(const CalculationOutcome& outcome, CoreType core) {
    std::vector<FieldIndex> read;
    const auto add = [&](FieldIndex index) {
        if (std::find(read.begin(), read.end(), index) == read.end()) {
            read.push_back(index);
        }
    };
    for (const FieldInfo& info : kFields) {
        if (isCalculationInput(info.index, core)) {
            add(info.index);
        }
    }
    std::vector<FieldIndex> written;
    for (const StageRow& stage : outcome.stages) {
        for (const StepId step : stage.stepIds()) {
            const StepRow& row = stepRow(step, core);
            for (const FieldIndex index : row.readFields()) {
                if (std::find(written.begin(), written.end(), index) == written.end()) {
                    add(index);
                }
            }
            if (outcome.stop && outcome.stop->step == step) {
                return read;
            }
            written.push_back(row.writes);
        }
    }
    return read;
}

} // namespace

std::string_view keyName(FindingKey key) {
    return textOf(key).name;
}

Severity severityOf(FindingKey key) {
    return textOf(key).severity;
}

std::string_view findingCaption(FindingKey key) {
    return textOf(key).caption;
}

bool isShapeFinding(FindingKey key) {
    return key == FindingKey::NotPositive || key == FindingKey::PostNotNarrower ||
           key == FindingKey::WidthAboveLength;
}

std::string shortFieldLabel(FieldIndex index) {
    if (index == kCoreTypeBox) {
        return "core type";
    }
    const std::string_view name = fieldName(index);
    return name.empty() ? "field " + std::to_string(index) : std::string(name);
}

std::vector<InputFinding> checkShape(const CoreShape& shape, FieldLabel label) {
    std::vector<InputFinding> findings;
    const auto positive = [&](FieldIndex index, double value) {
        if (!(value > 0)) {
            findings.push_back(finding(FindingKey::NotPositive, index,
                                       label(index) + " = " + number(value) + ": " +
                                           std::string(meaningOf(index, shape.core)) +
                                           " must be above 0"));
        }
    };
    positive(field::kA, shape.aMm);
    positive(field::kB, shape.bMm);
    if (shape.core == CoreType::Rod) {
        return findings;
    }
    if (shape.dMm) {
        positive(field::kD, *shape.dMm);
    }
    positive(field::kF, shape.fMm);
    if (shape.aMm > 0 && shape.bMm >= shape.aMm) {
        findings.push_back(finding(FindingKey::PostNotNarrower, field::kB,
                                   label(field::kB) + " = " + number(shape.bMm) +
                                       " is not narrower than " + label(field::kA) + " = " +
                                       number(shape.aMm) +
                                       ": a drum's centre post must be narrower than its "
                                       "flanges, or no winding fits between them"));
    }
    if (shape.dMm && *shape.dMm > 0 && shape.fMm > *shape.dMm) {
        findings.push_back(finding(FindingKey::WidthAboveLength, field::kF,
                                   label(field::kF) + " = " + number(shape.fMm) + " is above " +
                                       label(field::kD) + " = " + number(*shape.dMm) +
                                       ": the winding width between the flanges cannot exceed "
                                       "the core's length"));
    }
    return findings;
}

std::vector<InputFinding> checkInputs(const FieldSet& fields, std::string_view coreTypeText,
                                      const CalculationRecord& record, FieldLabel label) {
    std::vector<InputFinding> findings;
    const std::optional<CalculationOutcome>& last = record.last();
    if (!last) {
        return findings;
    }
    const MemoryFieldSet calculated = record.inputsAsCalculated(fields);
    const std::string coreText = record.coreTypeAsCalculated(coreTypeText);
    const CoreType core = coreTypeOf(coreText);

    if (auto coreFinding = checkCoreType(coreText, label)) {
        findings.push_back(std::move(*coreFinding));
    }
    for (const FieldIndex index : fieldsRead(*last, core)) {
        if (auto textFinding = checkText(index, calculated.text(index), label)) {
            findings.push_back(std::move(*textFinding));
        }
    }
    try {
        CoreShape shape{core, calculated.number(field::kA), calculated.number(field::kB),
                        calculated.number(field::kD), calculated.number(field::kF)};
        for (InputFinding& shapeFinding : checkShape(shape, label)) {
            findings.push_back(std::move(shapeFinding));
        }
        for (const FieldIndex index : {field::kPermeability, field::kInductance}) {
            const double value = calculated.number(index);
            if (!(value > 0)) {
                findings.push_back(finding(FindingKey::NotPositive, index,
                                           label(index) + " = " + number(value) + ": " +
                                               std::string(meaningOf(index, core)) +
                                               " must be above 0"));
            }
        }
        if (auto rounding = checkAlRounding(calculated, core, label)) {
            findings.push_back(std::move(*rounding));
        }
    } catch (const CommandFailure&) {
        // A number beyond the range of a double: the step that read it stopped, and says so.
    }
    if (last->stop) {
        const std::vector<FieldIndex> kept = resultsFrom(last->stop->step);
        findings.push_back(finding(FindingKey::Stopped, stepRow(last->stop->step, core).writes,
                                   "stopped at " + std::string(stepName(last->stop->step)) + ": " +
                                       last->stop->description + "; " + labels(kept, label) +
                                       (kept.size() > 1 ? " keep what they" : " keeps what it") +
                                       " held before"));
    }
    const std::vector<FieldIndex> earlier = record.earlierDesignResults(fields);
    if (!earlier.empty()) {
        findings.push_back(finding(
            FindingKey::EarlierDesign, earlier.front(),
            labels(earlier, label) + (earlier.size() > 1 ? " hold" : " holds") +
                filled(translate("InputCheck",
                                 " results of an earlier design (other inputs, another core type, "
                                 "or a stopped calculation): %1 computes them anew"),
                       {translate("Window", "计算")})));
    }
    std::stable_sort(
        findings.begin(), findings.end(), [](const InputFinding& a, const InputFinding& b) {
            return severityOf(a.key) == Severity::Error && severityOf(b.key) == Severity::Note;
        });
    return findings;
}

} // namespace coilwind
