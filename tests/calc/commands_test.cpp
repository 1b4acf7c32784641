#include "calc/calculation_record.hpp"
#include "calc/commands.hpp"
#include "field_texts.hpp"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string_view>
#include <tuple>
#include <vector>

namespace coilwind {
namespace {

TEST(Calculate, RecomputesAlLeavesTheFocusAndReturnsTheSummary) {
    MemoryFieldSet fields;
    fields.setText(field::kAl, "40"); // replaced before the turns read it
    fields.focus(field::kInductance);
    for (int click = 0; click < 2; ++click) { // a second click writes the same texts
        EXPECT_EQ(calculate(fields, "KQ CORE").summary.value_or("none"),
                  "\n\r        TURNS=10.6Ts    WIRE=0.761mm  \n\r"
                  "\n\r        INDUCTANCE:4.7uH 1kHZ @ 1V\n\r"
                  "\n\r        CORE:KQ8*10  KQ CORE  \\\n\r");
        EXPECT_EQ(resultsOf(fields), kDrumResults);
        EXPECT_EQ(fields.focused(), field::kInductance);
    }
}

// One Enter after another from the start-up texts: the field, the fields its stage writes, and
// where the focus goes.
struct EnterStep {
    FieldIndex field;
    std::vector<FieldIndex> written;
    FieldIndex focusAfter;
};

TEST(EnterKey, WalksTheFieldsAndRunsEachStageInItsTriggerField) {
    const std::vector<EnterStep> walk{
        {0, {}, 1},     {1, {}, 2},   {2, {}, 3},         {3, {}, 4},   {4, {}, 5},
        {5, {}, 6},     {6, {}, 7},   {7, {}, 8},         {8, {}, 9},   {9, {}, 9},
        {17, {18}, 18}, {18, {}, 19}, {19, {20, 21}, 20}, {20, {}, 21}, {21, {23, 24}, 21},
        {23, {}, 24},   {24, {}, 24}};
    MemoryFieldSet fields;
    Texts expected = resultsOf(fields);
    for (const EnterStep& step : walk) {
        fields.focus(step.field);
        const auto summary = handleKeyDown(fields, "KQ CORE", step.field, kEnterKey, 0).summary;
        for (const FieldIndex index : step.written) {
            expected[index] = kDrumResults.at(index);
        }
        EXPECT_EQ(resultsOf(fields), expected) << "Enter in " << step.field;
        EXPECT_EQ(fields.focused(), step.focusAfter) << "Enter in " << step.field;
        EXPECT_EQ(summary.has_value(), step.field == field::kWireDiameter) << step.field;
    }
}

TEST(EnterKey, UsesTypedOverValues) {
    // 1000 turns make the winding results long enough to show pi/2 to three digits
    for (const auto& [turns, dcr, weight] :
         {std::tuple{"11", "0.0081", "0.785\n\r"}, std::tuple{"1000", "0.7319", "71.353\n\r"}}) {
        MemoryFieldSet fields =
            fieldsWith({{field::kTurns, turns}, {field::kWireDiameter, "0.75"}});
        handleKeyDown(fields, "KQ CORE", 21, kEnterKey, 0);
        EXPECT_EQ(fields.text(field::kDcr), dcr);
        EXPECT_EQ(fields.text(field::kCopperWeight), weight);
    }
    MemoryFieldSet fields;
    fields.setText(field::kAl, "40");
    handleKeyDown(fields, "KQ CORE", 19, kEnterKey, 0);
    EXPECT_EQ(fields.text(field::kTurns), "10.8");
    EXPECT_EQ(fields.text(field::kWireDiameter), "0.754");
}

// After a completed calculation for one core type: texts typed over, then one command, for the
// same core type or the other. Which results still hold what an earlier design wrote, and which
// inputs differ from what the last calculation read.
struct RecordCase {
    std::string name;
    std::string_view firstCore;
    Texts typed;
    std::string_view core;
    FieldIndex enterIn; // or -1: the calculate button
    std::vector<FieldIndex> earlier;
    std::vector<FieldIndex> changed;
};

class Record : public testing::TestWithParam<RecordCase> {};

TEST_P(Record, KnowsWhichResultsAnEarlierDesignWrote) {
    const RecordCase& c = GetParam();
    MemoryFieldSet fields;
    CalculationRecord record;
    record.note(calculate(fields, c.firstCore), fields, c.firstCore);
    for (const auto& [index, text] : c.typed) {
        fields.setText(index, text);
    }
    record.note(c.enterIn < 0 ? calculate(fields, c.core)
                              : handleKeyDown(fields, c.core, c.enterIn, kEnterKey, 0),
                fields, c.core);
    EXPECT_EQ(record.earlierDesignResults(fields), c.earlier);
    std::vector<FieldIndex> changed;
    for (const ChangedInput& input : record.changedInputs(fields, c.core)) {
        changed.push_back(input.field);
    }
    EXPECT_EQ(changed, c.changed);
}

constexpr std::string_view kDrum = "KQ CORE";
constexpr std::string_view kRod = "R CORE";
const std::vector<FieldIndex> kAllResults{18, 20, 21, 23, 24};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, Record,
    testing::Values(
        // A stop at each step: its result and every later one are the earlier design's.
        // Drum: A + D - B = 0 stops AL; a rod of length 0 does.
        RecordCase{"DrumStopAtAl", kDrum, {{1, "3.5"}, {4, "0"}}, kDrum, -1, kAllResults, {}},
        RecordCase{"RodStopAtAl", kRod, {{2, "0"}}, kRod, -1, kAllResults, {}},
        // mu "abc" reads as 0: AL 0.0 is new, the turns divide by it and stop
        RecordCase{"DrumStopAtTurns", kDrum, {{17, "abc"}}, kDrum, -1, {20, 21, 23, 24}, {}},
        RecordCase{"RodStopAtTurns", kRod, {{17, "abc"}}, kRod, -1, {20, 21, 23, 24}, {}},
        RecordCase{"DrumStopAtWireMax", kDrum, {{19, "0"}}, kDrum, 19, {21, 23, 24}, {}},
        RecordCase{"RodStopAtWireMax", kRod, {{19, "0"}}, kRod, 19, {21, 23, 24}, {}},
        // a wire typed as 0 stops the DCR; one of 1e154 lets the DCR through, and its copper
        // weight overflows
        RecordCase{"DrumStopAtDcr", kDrum, {{21, "0"}}, kDrum, 21, {23, 24}, {}},
        RecordCase{"RodStopAtDcr", kRod, {{21, "0"}}, kRod, 21, {23, 24}, {}},
        RecordCase{"DrumStopAtCopperWeight", kDrum, {{21, "1e154"}}, kDrum, 21, {24}, {}},
        RecordCase{"RodStopAtCopperWeight", kRod, {{21, "1e154"}}, kRod, 21, {24}, {}},
        // The core type changed and only the turns stage ran: AL is the other core's, and the
        // steps after it read it.
        RecordCase{"DrumThenRodTurnsStage", kDrum, {}, kRod, 19, kAllResults, {}},
        RecordCase{"RodThenDrumTurnsStage", kRod, {}, kDrum, 19, kAllResults, {}},
        RecordCase{"DrumThenRodCalculated", kDrum, {}, kRod, -1, {}, {}},
        // Enter in a field of no stage notes nothing: the box differs from the last calculation.
        RecordCase{"DrumThenRodFieldOfNoStage", kDrum, {}, kRod, 1, {}, {kCoreTypeBox}},
        // a new AL leaves the turns, wire and winding of the old one until their Enter
        RecordCase{"DrumNewAlByEnter", kDrum, {{17, "600"}}, kDrum, 17, {20, 21, 23, 24}, {}},
        RecordCase{"RodNewAlByEnter", kRod, {{17, "600"}}, kRod, 17, {20, 21, 23, 24}, {}},
        RecordCase{"DrumSameAlByEnter", kDrum, {}, kDrum, 17, {}, {}},
        // A changed, but only the turns stage ran: AL is still that of the old A
        RecordCase{"DrumTurnsStageAfterANewA", kDrum, {{1, "9"}}, kDrum, 19, kAllResults, {}},
        RecordCase{"RodTurnsStageAfterANewB", kRod, {{2, "9"}}, kRod, 19, kAllResults, {}},
        // D is no input of a rod: changing it changes nothing
        RecordCase{"RodTurnsStageAfterANewD", kRod, {{4, "9"}}, kRod, 19, {}, {}},
        RecordCase{"DrumEnterInAFieldOfNoStage", kDrum, {{1, "9"}}, kDrum, 1, {}, {1}},
        RecordCase{"DrumTypedOverAResult", kDrum, {{20, "12"}}, kDrum, 21, {}, {}},
        RecordCase{"RodTypedOverAResult", kRod, {{20, "12"}}, kRod, 21, {}, {}}),
    [](const testing::TestParamInfo<RecordCase>& param) { return param.param.name; });
// clang-format on

} // namespace
} // namespace coilwind
