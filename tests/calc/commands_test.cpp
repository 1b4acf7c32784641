#include "calc/commands.hpp"
#include "field_texts.hpp"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace coilwind {
namespace {

const Texts kDrumResults{
    {18, "41.7"}, {20, "10.6"}, {21, "0.761"}, {23, "0.0075"}, {24, "0.779\n\r"}};
const Texts kRodResults{
    {18, "902.2"}, {20, "2.3"}, {21, "1.323"}, {23, "0.0008"}, {24, "0.710\n\r"}};

TEST(Calculate, RunsAllStagesFromTheStartupTexts) {
    for (const auto& [core, expected] : std::vector<std::pair<std::string, Texts>>{
             {"KQ CORE", kDrumResults}, {"R CORE", kRodResults}}) {
        MemoryFieldSet fields;
        EXPECT_TRUE(calculate(fields, core).has_value());
        EXPECT_EQ(resultsOf(fields), expected) << core;
        EXPECT_EQ(fields.focused(), 0) << "the command does not move the focus";
        // a second click on unchanged fields writes the same texts
        calculate(fields, core);
        EXPECT_EQ(resultsOf(fields), expected) << core;
    }
}

TEST(Calculate, RecomputesAlOverATypedValue) {
    MemoryFieldSet fields;
    fields.setText(field::kAl, "40");
    calculate(fields, "KQ CORE");
    EXPECT_EQ(resultsOf(fields), kDrumResults);
}

struct StopCase {
    std::string name;
    Texts inputs;
    Texts expected; // results after the click; unlisted ones keep their "old" marker
    friend void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }
};

class CalculateStops : public testing::TestWithParam<StopCase> {};

TEST_P(CalculateStops, AtTheFirstFaultKeepingWhatWasWritten) {
    const StopCase& c = GetParam();
    MemoryFieldSet fields;
    for (const FieldIndex index : kResultFields) {
        fields.setText(index, "old");
    }
    for (const auto& [index, text] : c.inputs) {
        fields.setText(index, text);
    }
    Texts expected = resultsOf(fields);
    for (const auto& [index, text] : c.expected) {
        expected.insert_or_assign(index, text);
    }
    EXPECT_FALSE(calculate(fields, "KQ CORE").has_value());
    EXPECT_EQ(resultsOf(fields), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalculateStops,
    testing::Values(StopCase{"AlFaults", {{1, "1"}, {4, "2.5"}}, {}},
                    StopCase{"AlShownAsZero", {{17, "0"}}, {{18, "0.0"}}},
                    StopCase{"InductanceEmpty", {{19, ""}}, {{18, "41.7"}, {20, "0.0"}}},
                    StopCase{"PostWiderThanFlange", {{1, "3"}}, {{18, "63.6"}, {20, "8.6"}}},
                    StopCase{"InductanceBeyondRange", {{19, "1e999"}}, {{18, "41.7"}}}),
    [](const testing::TestParamInfo<StopCase>& param) { return param.param.name; });

TEST(Calculate, AFaultForTheOtherCoreKeepsEarlierResults) {
    MemoryFieldSet fields;
    calculate(fields, "KQ CORE");
    fields.setText(field::kB, "0");
    EXPECT_FALSE(calculate(fields, "R CORE").has_value());
    EXPECT_EQ(resultsOf(fields), kDrumResults);
}

TEST(Summary, QuotesTheDisplayedFieldsAndTheCoreType) {
    MemoryFieldSet fields;
    const auto summary = calculate(fields, "KQ CORE");
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(*summary, "\n\r        TURNS=10.6Ts    WIRE=0.761mm  \n\r"
                        "\n\r        INDUCTANCE:4.7uH 1kHZ @ 1V\n\r"
                        "\n\r        CORE:KQ8*10  KQ CORE  \\\n\r");
}

// One Enter after another, from the start-up texts: {field, fields written, focus afterwards}.
struct EnterStep {
    FieldIndex field;
    Texts written;
    FieldIndex focusAfter;
    bool summary = false;
};

TEST(EnterKey, WalksTheFieldsAndRunsEachStageInItsTriggerField) {
    const std::vector<EnterStep> walk{{0, {}, 1},
                                      {1, {}, 2},
                                      {2, {}, 3},
                                      {3, {}, 4},
                                      {4, {}, 5},
                                      {5, {}, 6},
                                      {6, {}, 7},
                                      {7, {}, 8},
                                      {8, {}, 9},
                                      {9, {}, 9},
                                      {17, {{18, "41.7"}}, 18},
                                      {18, {}, 19},
                                      {19, {{20, "10.6"}, {21, "0.761"}}, 20},
                                      {20, {}, 21},
                                      {21, {{23, "0.0075"}, {24, "0.779\n\r"}}, 21, true},
                                      {23, {}, 24},
                                      {24, {}, 24}};
    MemoryFieldSet fields;
    Texts expected = resultsOf(fields);
    for (const EnterStep& step : walk) {
        fields.focus(step.field);
        const auto summary = handleKeyDown(fields, "KQ CORE", step.field, kEnterKey, 0);
        for (const auto& [index, text] : step.written) {
            expected.insert_or_assign(index, text);
        }
        EXPECT_EQ(resultsOf(fields), expected) << "Enter in " << step.field;
        EXPECT_EQ(fields.focused(), step.focusAfter) << "Enter in " << step.field;
        EXPECT_EQ(summary.has_value(), step.summary) << "Enter in " << step.field;
    }
}

TEST(EnterKey, ModifiersAreIgnoredAndOtherKeysDoNothing) {
    for (const int modifiers : {0, 1, 2, 4, 7}) {
        MemoryFieldSet fields;
        fields.focus(17);
        handleKeyDown(fields, "R CORE", 17, kEnterKey, modifiers);
        EXPECT_EQ(fields.text(field::kAl), "902.2");
        EXPECT_EQ(fields.focused(), 18);
    }
    for (const int key : {0, 9, 10, 27, 32, 65, 0x1000004 /* Qt's Key_Return, not a VK code */}) {
        MemoryFieldSet fields;
        fields.focus(17);
        handleKeyDown(fields, "KQ CORE", 17, key, 0);
        EXPECT_EQ(fields.text(field::kAl), "");
        EXPECT_EQ(fields.focused(), 17);
    }
}

TEST(EnterKey, UsesTypedOverValues) {
    MemoryFieldSet fields;
    fields.setText(field::kTurns, "11");
    fields.setText(field::kWireDiameter, "0.75");
    fields.focus(21);
    handleKeyDown(fields, "KQ CORE", 21, kEnterKey, 0);
    EXPECT_EQ(fields.text(field::kDcr), "0.0081");
    EXPECT_EQ(fields.text(field::kCopperWeight), "0.785\n\r");

    fields.setText(field::kAl, "40");
    fields.focus(18);
    handleKeyDown(fields, "KQ CORE", 18, kEnterKey, 0);
    EXPECT_EQ(fields.focused(), 19);
    handleKeyDown(fields, "KQ CORE", 19, kEnterKey, 0);
    EXPECT_EQ(fields.text(field::kTurns), "10.8");
    EXPECT_EQ(fields.text(field::kWireDiameter), "0.754");
}

struct EnterFault {
    std::string name;
    std::string coreType;
    Texts inputs;
    FieldIndex field;
    Texts written;
    friend void PrintTo(const EnterFault& c, std::ostream* os) { *os << c.name; }
};

class EnterKeyFaults : public testing::TestWithParam<EnterFault> {};

TEST_P(EnterKeyFaults, LeaveTheFocusInPlace) {
    const EnterFault& c = GetParam();
    MemoryFieldSet fields;
    for (const auto& [index, text] : c.inputs) {
        fields.setText(index, text);
    }
    Texts expected = resultsOf(fields);
    for (const auto& [index, text] : c.written) {
        expected.insert_or_assign(index, text);
    }
    fields.focus(c.field);
    EXPECT_FALSE(handleKeyDown(fields, c.coreType, c.field, kEnterKey, 0).has_value());
    EXPECT_EQ(resultsOf(fields), expected);
    EXPECT_EQ(fields.focused(), c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EnterKeyFaults,
    testing::Values(
        EnterFault{"RodLengthEmpty", "R CORE", {{2, ""}, {18, "x"}}, 17, {}},
        EnterFault{"AlEmptyAfterStartup", "KQ CORE", {}, 19, {}},
        EnterFault{
            "ZeroInductance", "KQ CORE", {{18, "41.7"}, {19, "0"}, {21, "x"}}, 19, {{20, "0.0"}}},
        EnterFault{"WireShownAsZero",
                   "KQ CORE",
                   {{20, "10.6"}, {21, "0.000"}, {23, "r"}, {24, "w"}},
                   21,
                   {}}),
    [](const testing::TestParamInfo<EnterFault>& param) { return param.param.name; });

} // namespace
} // namespace coilwind
