#include "field_help.hpp"

#include "calc/step_table.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <vector>

namespace coilwind {
namespace {

constexpr std::string_view kSummaryOnly =
    "It only goes into the winding summary, the tooltip of the result group.";

// What a field's text is for beyond its meaning, where there is more to say.
std::string_view noteOn(FieldIndex index) {
    switch (index) {
    case field::kCoreModel:
    case field::kMaker:
        return kSummaryOnly;
    case field::kAl:
        return "A value typed in here takes the computed one's place.";
    default:
        return {};
    }
}

// "A: outer (flange) diameter, mm": the field's name where it is a symbol, its meaning for the
// core type and its unit, from the field table.
std::string meaningLine(const FieldInfo& info, CoreType core) {
    std::string text;
    if (info.name.size() <= 2) { // a letter or a symbol: "A", "AL"
        text += std::string(info.name) + ": ";
    }
    std::string meaning(core == CoreType::Rod ? info.rodMeaning : info.drumMeaning);
    if (text.empty() && !meaning.empty()) {
        meaning[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(meaning[0])));
    }
    text += meaning;
    if (info.text) {
        return text + ", text without a unit.";
    }
    return text + ", " + std::string(info.unit.empty() ? "no unit" : info.unit);
}

// "AL", "AL and turns", "AL, wire diameter and DC resistance".
std::string listed(const std::vector<std::string_view>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += i == 0 ? "" : i + 1 == words.size() ? " and " : ", ";
        text += words[i];
    }
    return text;
}

std::string patternText(const StepRow& row) {
    std::string text =
        "\"0." + std::string(static_cast<std::size_t>(decimalsOf(row.pattern)), '0') + "\"";
    if (!row.suffix.empty()) {
        text += " followed by a line break";
    }
    return text;
}

// Breaks a sentence at blanks into lines of at most this many characters, as tooltips show
// plain text unwrapped.
constexpr std::size_t kLineWidth = 72;

std::string wrapped(const std::string& sentence) {
    std::string text;
    std::size_t lineStart = 0;
    std::size_t from = 0;
    while (from < sentence.size()) {
        std::size_t end = sentence.find(' ', from);
        if (end == std::string::npos) {
            end = sentence.size();
        }
        if (end - lineStart > kLineWidth && from > lineStart) {
            text.back() = '\n';
            lineStart = text.size();
        }
        text.append(sentence, from, end - from);
        if (end < sentence.size()) {
            text += ' ';
        }
        from = end + 1;
    }
    return text;
}

// How the steps of this core type use the field, in one sentence.
std::string usage(FieldIndex index, CoreType core) {
    const std::string_view coreWords = core == CoreType::Drum ? "the drum core" : "the rod core";
    std::vector<std::string_view> readers;
    const StepRow* writer = nullptr;
    for (const StepId step : kStepOrder) {
        const StepRow& row = stepRow(step, core);
        const auto reads = row.readFields();
        if (std::find(reads.begin(), reads.end(), index) != reads.end()) {
            readers.push_back(stepWords(step));
        }
        if (row.writes == index) {
            writer = &row;
        }
    }
    if (writer != nullptr) {
        std::string text = "Written by the " + std::string(stepWords(writer->id)) +
                           " step of the calculation for " + std::string(coreWords) +
                           ", shown as " + patternText(*writer);
        return text + (readers.empty() ? "." : "; read as shown for the " + listed(readers) + ".");
    }
    if (!readers.empty()) {
        return "Read by the calculation for " + std::string(coreWords) + ": " + listed(readers) +
               ".";
    }
    return "Not used in the calculation for " + std::string(coreWords) + ".";
}

} // namespace

std::string fieldHelp(FieldIndex index, CoreType coreType) {
    if (!isField(index)) {
        return {};
    }
    std::string help = meaningLine(fieldInfo(index), coreType);
    help += '\n';
    help += wrapped(usage(index, coreType));
    const std::string_view note = noteOn(index);
    if (!note.empty()) {
        help += '\n';
        help += note;
    }
    return help;
}

} // namespace coilwind
