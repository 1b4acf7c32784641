// The calculate command and the Enter key on arbitrary field texts, core-type texts and sequences
// of key presses.
//
// Input: pieces separated by '|':
//   operations | 17 field texts in index order (0-9, 17-21, 23, 24) | core-type text
// Missing pieces leave a field at its start-up text and the core type at "KQ CORE". Each byte of
// the operations is one command: 'c' calculate; 'a', 't', 'w' Enter in 17, 19, 21; any other byte
// b a key going down in field (b % 32) - 2 (-2 to 29, so non-fields too) with the Enter key when
// bit 6 is set, else key code b.
//
// Every command runs on a MemoryFieldSet and, in step, on a field set that logs each write and
// focus change. Checked after every command:
//  - both field sets agree (texts, focus, returned summary);
//  - only the fields of the command's stages are written, in order, and a fault only cuts the
//    sequence short: calculate 18 20 21 23 24, Enter in 17: 18, in 19: 20 21, in 21: 23 24,
//    anything else nothing; every other field keeps its text byte for byte;
//  - a written text has its field's pattern: 18 and 20 one decimal, 21 three, 23 four, 24 three
//    followed by line feed and carriage return;
//  - a summary comes back exactly when calculate or Enter in 21 wrote all its fields, and it
//    quotes the fields and the core type whole, whatever bytes they hold;
//  - the focus moves only on Enter, to the next index when that names a field and the stage
//    (if any) completed.

#include "calc/commands.hpp"
#include "calc/core_type.hpp"
#include "calc/field_set.hpp"
#include "calc/stages.hpp"
#include "fuzz/check.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace coilwind;
using coilwind::fuzz::isFixedText;

constexpr std::size_t kMaxOperations = 16;

class LoggingFieldSet final : public FieldSet {
public:
    LoggingFieldSet() {
        for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
            texts_[slot] = kFields[slot].startupText;
        }
    }

    std::vector<FieldIndex> writes;
    std::vector<FieldIndex> focusChanges;
    FieldIndex focused = kFields.front().index;

protected:
    std::string fieldText(FieldIndex index) const override { return texts_[slot(index)]; }
    void setFieldText(FieldIndex index, std::string_view text) override {
        texts_[slot(index)] = text;
        writes.push_back(index);
    }
    void focusField(FieldIndex index) override {
        focused = index;
        focusChanges.push_back(index);
    }

private:
    static std::size_t slot(FieldIndex index) {
        if (!isField(index)) {
            fuzz::fail("the field set was called with an index that names no field");
        }
        return static_cast<std::size_t>(slotOf(index));
    }

    std::array<std::string, kFields.size()> texts_;
};

bool hasPattern(FieldIndex index, std::string_view text) {
    switch (index) {
    case field::kAl:
    case field::kTurns:
        return isFixedText(text, 1);
    case field::kWireDiameter:
        return isFixedText(text, 3);
    case field::kDcr:
        return isFixedText(text, 4);
    case field::kCopperWeight:
        return text.size() >= kCopperWeightSuffix.size() &&
               text.substr(text.size() - kCopperWeightSuffix.size()) == kCopperWeightSuffix &&
               isFixedText(text.substr(0, text.size() - kCopperWeightSuffix.size()), 3);
    default:
        return false;
    }
}

struct Operation {
    bool calculate = false;
    FieldIndex index = 0;
    int keyCode = 0;
    int modifiers = 0;
};

Operation decode(std::uint8_t b) {
    switch (b) {
    case 'c':
        return {true, 0, 0, 0};
    case 'a':
        return {false, field::kPermeability, kEnterKey, 0};
    case 't':
        return {false, field::kInductance, kEnterKey, 0};
    case 'w':
        return {false, field::kWireDiameter, kEnterKey, 0};
    default:
        return {false, static_cast<FieldIndex>(b % 32) - 2, (b & 0x40) != 0 ? kEnterKey : b,
                b >> 5};
    }
}

// The fields the command writes, in order, when nothing faults.
std::vector<FieldIndex> writesOf(const Operation& op) {
    if (op.calculate) {
        return {field::kAl, field::kTurns, field::kWireDiameter, field::kDcr,
                field::kCopperWeight};
    }
    if (op.keyCode != kEnterKey) {
        return {};
    }
    switch (op.index) {
    case field::kPermeability:
        return {field::kAl};
    case field::kInductance:
        return {field::kTurns, field::kWireDiameter};
    case field::kWireDiameter:
        return {field::kDcr, field::kCopperWeight};
    default:
        return {};
    }
}

std::array<std::string, kFields.size()> textsOf(const FieldSet& fields) {
    std::array<std::string, kFields.size()> texts;
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        texts[slot] = fields.text(kFields[slot].index);
    }
    return texts;
}

void describe(const Operation& op, const std::array<std::string, kFields.size()>& before,
              const std::array<std::string, kFields.size()>& after) {
    if (op.calculate) {
        std::fprintf(stderr, "command: calculate\n");
    } else {
        std::fprintf(stderr, "command: key %d in field %d\n", op.keyCode, op.index);
    }
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        std::fprintf(stderr, "field %2d: \"%.60s\" -> \"%.60s\"\n", kFields[slot].index,
                     before[slot].c_str(), after[slot].c_str());
    }
}

// The three summary lines, each framed by line feed + carriage return and indented by eight blanks.
std::string expectedSummary(const FieldSet& fields, std::string_view coreType) {
    const auto line = [](const std::string& content) { return "\n\r        " + content + "\n\r"; };
    return line("TURNS=" + fields.text(field::kTurns) + "Ts    WIRE=" +
                fields.text(field::kWireDiameter) + "mm  ") +
           line("INDUCTANCE:" + fields.text(field::kInductance) + "uH 1kHZ @ 1V") +
           line("CORE:" + fields.text(field::kCoreModel) + "  " + std::string(coreType) + "  " +
                fields.text(field::kMaker));
}

std::vector<std::string_view> split(std::string_view input, char separator) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const std::size_t end = input.find(separator);
        pieces.push_back(input.substr(0, end));
        if (end == std::string_view::npos) {
            return pieces;
        }
        input.remove_prefix(end + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> pieces =
        split(std::string_view(reinterpret_cast<const char*>(data), size), '|');

    MemoryFieldSet memory;
    LoggingFieldSet logged;
    for (std::size_t slot = 0; slot < kFields.size() && slot + 1 < pieces.size(); ++slot) {
        memory.setText(kFields[slot].index, pieces[slot + 1]);
        logged.setText(kFields[slot].index, pieces[slot + 1]);
    }
    const std::string coreType(pieces.size() > kFields.size() + 1 ? pieces[kFields.size() + 1]
                                                                  : kDrumCoreText);

    const std::string_view operations = pieces[0].substr(0, kMaxOperations);
    for (const char byte : operations) {
        const Operation op = decode(static_cast<std::uint8_t>(byte));
        const auto before = textsOf(memory);
        const FieldIndex focusBefore = memory.focused();
        logged.writes.clear();
        logged.focusChanges.clear();

        std::optional<std::string> summary;
        std::optional<std::string> loggedSummary;
        if (op.calculate) {
            summary = calculate(memory, coreType);
            loggedSummary = calculate(logged, coreType);
        } else {
            summary = handleKeyDown(memory, coreType, op.index, op.keyCode, op.modifiers);
            loggedSummary = handleKeyDown(logged, coreType, op.index, op.keyCode, op.modifiers);
        }
        const auto after = textsOf(memory);
        const auto violated = [&](const char* what) {
            describe(op, before, after);
            fuzz::fail(what);
        };

        if (after != textsOf(logged) || memory.focused() != logged.focused ||
            summary != loggedSummary) {
            violated("MemoryFieldSet and the logging field set disagree");
        }

        const std::vector<FieldIndex> planned = writesOf(op);
        const std::vector<FieldIndex>& done = logged.writes;
        if (done.size() > planned.size() ||
            !std::equal(done.begin(), done.end(), planned.begin())) {
            violated("the command wrote fields outside its stages or out of order");
        }
        for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
            const FieldIndex index = kFields[slot].index;
            const bool written = std::find(done.begin(), done.end(), index) != done.end();
            if (!written && after[slot] != before[slot]) {
                violated("a field the command did not write changed its text");
            }
            if (written && !hasPattern(index, after[slot])) {
                violated("a written field does not have its pattern");
            }
        }

        const bool completed = done.size() == planned.size();
        const bool summarises = op.calculate || (op.keyCode == kEnterKey &&
                                                 op.index == field::kWireDiameter);
        if (summary.has_value() != (summarises && completed)) {
            violated("a summary came back without a completed winding stage, or none after one");
        }
        if (summary && *summary != expectedSummary(memory, coreType)) {
            violated("the summary does not quote the fields as they stand");
        }

        std::vector<FieldIndex> expectedFocus;
        if (!op.calculate && op.keyCode == kEnterKey && completed && isField(op.index + 1)) {
            expectedFocus.push_back(op.index + 1);
        }
        if (logged.focusChanges != expectedFocus ||
            memory.focused() != (expectedFocus.empty() ? focusBefore : expectedFocus.back())) {
            violated("the focus moved where the Enter key does not move it");
        }
    }
    return 0;
}
