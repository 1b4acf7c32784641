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
// Every command runs on the in-memory field set, with each write and focus change logged. Checked
// after every command:
//  - only the fields of the command's stages are written, in order, and a fault only cuts the
//    sequence short: calculate 18 20 21 23 24, Enter in 17: 18, in 19: 20 21, in 21: 23 24,
//    anything else nothing; every other field keeps its text byte for byte;
//  - a written text has its field's pattern: 18 and 20 one decimal, 21 three, 23 four, 24 three
//    followed by line feed and carriage return;
//  - a summary comes back exactly when calculate or Enter in 21 wrote all its fields;
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
#include <vector>

namespace {

using namespace coilwind;
using coilwind::fuzz::isFixedText;

constexpr std::size_t kMaxOperations = 16;

// The in-memory field set, with a record of every write and focus change.
class LoggingFieldSet final : public FieldSet {
public:
    MemoryFieldSet fields;
    std::vector<FieldIndex> writes;
    std::vector<FieldIndex> focusChanges;

protected:
    std::string fieldText(FieldIndex index) const override { return fields.text(index); }
    void setFieldText(FieldIndex index, std::string_view text) override {
        fields.setText(index, text);
        writes.push_back(index);
    }
    void focusField(FieldIndex index) override {
        fields.focus(index);
        focusChanges.push_back(index);
    }
};

bool hasPattern(FieldIndex index, std::string_view text) {
    if (index == field::kCopperWeight) {
        if (!text.ends_with(kCopperWeightSuffix)) {
            return false;
        }
        text.remove_suffix(kCopperWeightSuffix.size());
    }
    const bool threeDecimals = index == field::kWireDiameter || index == field::kCopperWeight;
    return isFixedText(text, threeDecimals ? 3 : index == field::kDcr ? 4 : 1);
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
    const bool enter = op.keyCode == kEnterKey;
    if (op.calculate) {
        return {field::kAl, field::kTurns, field::kWireDiameter, field::kDcr, field::kCopperWeight};
    }
    if (enter && op.index == field::kPermeability) {
        return {field::kAl};
    }
    if (enter && op.index == field::kInductance) {
        return {field::kTurns, field::kWireDiameter};
    }
    if (enter && op.index == field::kWireDiameter) {
        return {field::kDcr, field::kCopperWeight};
    }
    return {};
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
    std::fprintf(stderr, "command: %s key %d in field %d\n", op.calculate ? "calculate" : "",
                 op.keyCode, op.index);
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        std::fprintf(stderr, "field %2d: \"%.60s\" -> \"%.60s\"\n", kFields[slot].index,
                     before[slot].c_str(), after[slot].c_str());
    }
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

    LoggingFieldSet logged;
    const MemoryFieldSet& memory = logged.fields;
    for (std::size_t slot = 0; slot < kFields.size() && slot + 1 < pieces.size(); ++slot) {
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

        const std::optional<std::string> summary =
            (op.calculate ? calculate(logged, coreType)
                          : handleKeyDown(logged, coreType, op.index, op.keyCode, op.modifiers))
                .summary;
        const auto after = textsOf(memory);
        const auto violated = [&](const char* what) {
            describe(op, before, after);
            fuzz::fail(what);
        };

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
        const bool summarises =
            op.calculate || (op.keyCode == kEnterKey && op.index == field::kWireDiameter);
        if (summary.has_value() != (summarises && completed)) {
            violated("a summary came back without a completed winding stage, or none after one");
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
