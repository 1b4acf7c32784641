#include "calc/commands.hpp"
#include "field_texts.hpp"

#include <gtest/gtest.h>
#include <string>

// The stages are driven through the calculate command and the Enter key, their two callers.
namespace coilwind {
namespace {

TEST(Stages, OnlyTheExactListTextSelectsTheRodCore) {
    for (const std::string core : {"R CORE", "KQ CORE", "r core", "R CORE ", " R CORE", ""}) {
        MemoryFieldSet fields;
        calculate(fields, core);
        EXPECT_EQ(resultsOf(fields), core == "R CORE" ? kRodResults : kDrumResults) << core;
    }
}

// The reference dimensions and design texts, and for the rod core D and F too.
TEST(Stages, FieldsNoFormulaReadsChangeNoResult) {
    const Texts neverRead{{0, "1e400"}, {3, "99"}, {5, "-7"}, {7, "1e300"}, {8, "0"}, {9, "5"}};
    MemoryFieldSet drum = fieldsWith(neverRead);
    MemoryFieldSet rod = fieldsWith(overlaid(neverRead, {{4, "0"}, {6, "abc"}}));
    calculate(drum, "KQ CORE");
    calculate(rod, "R CORE");
    EXPECT_EQ(resultsOf(drum), kDrumResults);
    EXPECT_EQ(resultsOf(rod), kRodResults);
}

constexpr FieldIndex kCalculate = -1; // the calculate button instead of Enter in a field

struct FaultCase {
    std::string name;
    std::string coreType;
    Texts inputs;       // over the start-up texts; result fields not listed hold "old"
    FieldIndex enterIn; // or kCalculate
    Texts written;      // by the steps before the one that faulted
};

class StageFaults : public testing::TestWithParam<FaultCase> {};

// The faulting step writes nothing, the handler ends silently, the focus stays.
TEST_P(StageFaults, EndTheHandlerKeepingWhatWasWritten) {
    const FaultCase& c = GetParam();
    const Texts old{{18, "old"}, {20, "old"}, {21, "old"}, {23, "old"}, {24, "old"}};
    MemoryFieldSet fields = fieldsWith(overlaid(old, c.inputs));
    const Texts expected = overlaid(resultsOf(fields), c.written);
    if (c.enterIn == kCalculate) {
        EXPECT_FALSE(calculate(fields, c.coreType).summary.has_value());
    } else {
        fields.focus(c.enterIn);
        EXPECT_FALSE(handleKeyDown(fields, c.coreType, c.enterIn, kEnterKey, 0).summary);
        EXPECT_EQ(fields.focused(), c.enterIn);
    }
    EXPECT_EQ(resultsOf(fields), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StageFaults,
    testing::Values(
        FaultCase{"DrumPathLengthZero", "KQ CORE", {{1, "1"}, {4, "2.5"}}, kCalculate, {}},
        FaultCase{"RodLengthZero", "R CORE", {{2, "0"}}, kCalculate, {}},
        FaultCase{"RodLengthEmpty", "R CORE", {{2, ""}}, 17, {}},
        FaultCase{"PermeabilityBeyondRange", "KQ CORE", {{17, "1e400"}}, 17, {}},
        FaultCase{"AlOverflowsInTheSquare", "R CORE", {{1, "1e200"}}, kCalculate, {}},
        FaultCase{"AlShownAsZero", "KQ CORE", {{17, "0"}}, kCalculate, {{18, "0.0"}}},
        FaultCase{"AlEmpty", "KQ CORE", {{18, ""}}, 19, {}},
        FaultCase{"NegativeInductance", "KQ CORE", {{19, "-4.7"}}, kCalculate, {{18, "41.7"}}},
        FaultCase{"InductanceBeyondRange", "KQ CORE", {{19, "1e999"}}, kCalculate, {{18, "41.7"}}},
        FaultCase{"ZeroTurns", "KQ CORE", {{18, "41.7"}, {19, ""}}, 19, {{20, "0.0"}}},
        FaultCase{
            "PostWiderThanFlange", "KQ CORE", {{1, "3"}}, kCalculate, {{18, "63.6"}, {20, "8.6"}}},
        FaultCase{"RodTurnsShownAsZero",
                  "R CORE",
                  {{19, "0.00001"}},
                  kCalculate,
                  {{18, "902.2"}, {20, "0.0"}}},
        FaultCase{"WireShownAsZero", "KQ CORE", {{20, "10.6"}, {21, "0.000"}}, 21, {}},
        // (d/2)² overflows; dividing by it would hide the overflow as a DCR of 0.0000
        FaultCase{"WireSquareOverflows", "KQ CORE", {{20, "10.6"}, {21, "1e200"}}, 21, {}},
        // the DCR is fine, the copper weight overflows
        FaultCase{"WeightOverflows",
                  "R CORE",
                  {{1, "1"}, {20, "1"}, {21, "1e154"}},
                  21,
                  {{23, "0.0000"}}}),
    [](const testing::TestParamInfo<FaultCase>& param) { return param.param.name; });

} // namespace
} // namespace coilwind
