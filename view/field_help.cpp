#include "field_help.hpp"

#include "calc/step_table.hpp"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace coilwind {
namespace {

struct FieldMeaning {
    FieldIndex field;
    std::string_view drumCore; // "KQ CORE"
    std::string_view rodCore;  // "R CORE"; empty where the drum core's text holds for both
    std::string_view note = {};
};

constexpr std::string_view kSummaryOnly =
    "It only goes into the winding summary, the tooltip of the result group.";

// What each caption means and its unit, one row a field, so that a translator finds every text
// here. How the calculation uses a field is not written here but read from the step table.
// clang-format off
constexpr std::array kMeanings{
    FieldMeaning{field::kCoreModel, "Core model designation, text without a unit.", {}, kSummaryOnly},
    FieldMeaning{field::kA, "A: outer (flange) diameter of the drum core, mm", "A: rod diameter, mm"},
    FieldMeaning{field::kB, "B: centre-post diameter of the drum core, mm", "B: rod length, mm"},
    FieldMeaning{field::kC, "C: core dimension C, mm, for reference.", {}},
    FieldMeaning{field::kD, "D: length of the drum core, mm", "D: length of a drum core, mm"},
    FieldMeaning{field::kE, "E: core dimension E, mm, for reference.", {}},
    FieldMeaning{field::kF, "F: winding width of the drum core, between the flanges, mm",
                 "F: winding width of a drum core, mm"},
    FieldMeaning{field::kPinLength, "Pin length H, mm, for reference.", {}},
    FieldMeaning{field::kPinPitch, "Pin pitch P, mm, for reference.", {}},
    FieldMeaning{field::kMaker, "Maker of the core, text without a unit.", {}, kSummaryOnly},
    FieldMeaning{field::kPermeability, "Ue: relative permeability of the core material, no unit", {}},
    FieldMeaning{field::kAl, "AL: inductance factor, nH per turn squared (nH/N²)", {},
                 "A value typed in here takes the computed one's place."},
    FieldMeaning{field::kInductance, "Wanted inductance L, µH", {}},
    FieldMeaning{field::kTurns, "Number of turns N, in turns, not rounded to whole turns", {}},
    FieldMeaning{field::kWireDiameter, "Largest wire diameter d that fits the winding space, mm",
                 "Largest wire diameter d for one layer of turns along the rod, mm"},
    FieldMeaning{field::kDcr, "DC resistance of the winding, Ω", {}},
    FieldMeaning{field::kCopperWeight, "Copper weight of the winding, g", {}},
};
// clang-format on

constexpr bool oneRowEachFieldInIndexOrder() {
    if (kMeanings.size() != kFields.size()) {
        return false;
    }
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        if (kMeanings[slot].field != kFields[slot].index) {
            return false;
        }
    }
    return true;
}
static_assert(oneRowEachFieldInIndexOrder());

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
    const auto* row =
        std::find_if(kMeanings.begin(), kMeanings.end(),
                     [&](const FieldMeaning& meaning) { return meaning.field == index; });
    if (row == kMeanings.end()) {
        return {};
    }
    std::string help(coreType == CoreType::Rod && !row->rodCore.empty() ? row->rodCore
                                                                        : row->drumCore);
    help += '\n';
    help += wrapped(usage(index, coreType));
    if (!row->note.empty()) {
        help += '\n';
        help += row->note;
    }
    return help;
}

} // namespace coilwind
