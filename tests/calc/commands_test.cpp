#include "calc/calculation_record.hpp"
#include "calc/commands.hpp"
#include "field_texts.hpp"

#include <gtest/gtest.h>
#include <initializer_list>
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

// After a completed calculation: texts typed over, then one command. Which results still hold what
// an earlier design wrote, and which inputs differ from what the last calculation read.
struct RecordCase {
    std::string name;
    Texts typed;
    FieldIndex enterIn; // or -1: the calculate button
    std::vector<FieldIndex> earlier;
    std::vector<FieldIndex> changed;
};

class Record : public testing::TestWithParam<RecordCase> {};

TEST_P(Record, KnowsWhichResultsAnEarlierDesignWrote) {
    const RecordCase& c = GetParam();
    MemoryFieldSet fields;
    CalculationRecord record;
    record.note(calculate(fields, "KQ CORE"), fields, "KQ CORE");
    for (const auto& [index, text] : c.typed) {
        fields.setText(index, text);
    }
    record.note(c.enterIn < 0 ? calculate(fields, "KQ CORE")
                              : handleKeyDown(fields, "KQ CORE", c.enterIn, kEnterKey, 0),
                fields, "KQ CORE");
    EXPECT_EQ(record.earlierDesignResults(fields), c.earlier);
    std::vector<FieldIndex> changed;
    for (const ChangedInput& input : record.changedInputs(fields, "KQ CORE")) {
        changed.push_back(input.field);
    }
    EXPECT_EQ(changed, c.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Record,
    testing::Values(
        // mu "abc" reads as 0: AL 0.0 is new, the turns divide by it and stop
        RecordCase{"StopAtTurns", {{17, "abc"}}, -1, {20, 21, 23, 24}, {}},
        RecordCase{"StopAtWireMax", {{19, "0"}}, 19, {21, 23, 24}, {}},
        // a new AL leaves the turns, wire and winding of the old one until their Enter
        RecordCase{"NewAlByEnter", {{17, "600"}}, 17, {20, 21, 23, 24}, {}},
        RecordCase{"SameAlByEnter", {}, 17, {}, {}},
        // A changed, but only the turns stage ran: AL is still that of the old A
        RecordCase{"TurnsStageAfterANewA", {{1, "9"}}, 19, {18, 20, 21, 23, 24}, {}},
        RecordCase{"EnterInAFieldOfNoStage", {{1, "9"}}, 1, {}, {1}},
        RecordCase{"TypedOverAResult", {{20, "12"}}, 21, {}, {}}),
    [](const testing::TestParamInfo<RecordCase>& param) { return param.param.name; });

} // namespace
} // namespace coilwind
