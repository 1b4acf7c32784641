#include "calc/failure.hpp"
#include "calc/stages.hpp"
#include "field_texts.hpp"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace coilwind {
namespace {

struct CoreCase {
    std::string coreType;
    Texts afterAl, afterTurns, afterWinding;
    friend void PrintTo(const CoreCase& c, std::ostream* os) { *os << '"' << c.coreType << '"'; }
};

class StagesFromStartupTexts : public testing::TestWithParam<CoreCase> {};

TEST_P(StagesFromStartupTexts, EachStageWritesItsFieldsFromTheDisplayedResults) {
    const CoreCase& c = GetParam();
    MemoryFieldSet fields;
    Texts expected = resultsOf(fields);

    runAlStage(fields, c.coreType);
    expected.insert_or_assign(field::kAl, c.afterAl.at(field::kAl));
    EXPECT_EQ(resultsOf(fields), expected);

    runTurnsStage(fields, c.coreType);
    for (const auto& [index, text] : c.afterTurns) {
        expected.insert_or_assign(index, text);
    }
    EXPECT_EQ(resultsOf(fields), expected);

    runWindingStage(fields, c.coreType);
    for (const auto& [index, text] : c.afterWinding) {
        expected.insert_or_assign(index, text);
    }
    EXPECT_EQ(resultsOf(fields), expected);
}

const Texts kDrumAl{{18, "41.7"}};
const Texts kDrumTurns{{20, "10.6"}, {21, "0.761"}};
const Texts kDrumWinding{{23, "0.0075"}, {24, "0.779\n\r"}};

INSTANTIATE_TEST_SUITE_P(CoreTypes, StagesFromStartupTexts,
                         testing::Values(CoreCase{"KQ CORE", kDrumAl, kDrumTurns, kDrumWinding},
                                         CoreCase{"R CORE",
                                                  {{18, "902.2"}},
                                                  {{20, "2.3"}, {21, "1.323"}},
                                                  {{23, "0.0008"}, {24, "0.710\n\r"}}},
                                         // only the exact list text is the rod core
                                         CoreCase{"r core", kDrumAl, kDrumTurns, kDrumWinding},
                                         CoreCase{"R CORE ", kDrumAl, kDrumTurns, kDrumWinding},
                                         CoreCase{" R CORE", kDrumAl, kDrumTurns, kDrumWinding},
                                         CoreCase{"", kDrumAl, kDrumTurns, kDrumWinding}));

TEST(Stages, ReferenceDimensionsAndDesignTextsChangeNoResult) {
    for (const char* core : {"KQ CORE", "R CORE"}) {
        MemoryFieldSet plain;
        MemoryFieldSet edited = fieldsWith({{field::kC, "99"},
                                            {field::kE, "-7"},
                                            {field::kPinLength, "1e300"},
                                            {field::kPinPitch, "0"},
                                            {field::kCoreModel, "1e400"},
                                            {field::kMaker, "5"}});
        for (FieldSet* fields : {static_cast<FieldSet*>(&plain), static_cast<FieldSet*>(&edited)}) {
            runAlStage(*fields, core);
            runTurnsStage(*fields, core);
            runWindingStage(*fields, core);
        }
        EXPECT_EQ(resultsOf(edited), resultsOf(plain)) << core;
    }
}

TEST(Stages, RodCoreIgnoresLengthAndWindingWidth) {
    MemoryFieldSet fields = fieldsWith({{field::kD, "0"}, {field::kF, "abc"}});
    runAlStage(fields, "R CORE");
    runTurnsStage(fields, "R CORE");
    EXPECT_EQ(fields.text(field::kWireDiameter), "1.323");
}

enum class Stage { Al, Turns, Winding };

struct FaultCase {
    std::string name;
    std::string coreType;
    Texts texts;
    Stage stage;
    Texts writtenBeforeFault; // fields the stage changed before it faulted
    friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

class StageFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(StageFaults, TheFaultingStepWritesNothing) {
    const FaultCase& c = GetParam();
    MemoryFieldSet fields = fieldsWith(c.texts);
    Texts expected = resultsOf(fields);
    for (const auto& [index, text] : c.writtenBeforeFault) {
        expected.insert_or_assign(index, text);
    }
    switch (c.stage) {
    case Stage::Al:
        EXPECT_THROW(runAlStage(fields, c.coreType), CalculationFault);
        break;
    case Stage::Turns:
        EXPECT_THROW(runTurnsStage(fields, c.coreType), CalculationFault);
        break;
    case Stage::Winding:
        EXPECT_THROW(runWindingStage(fields, c.coreType), CalculationFault);
        break;
    }
    EXPECT_EQ(resultsOf(fields), expected);
}

// Result fields start with marker texts so that an unwanted write shows.
const Texts kMarkers{{18, "al"}, {20, "n"}, {21, "d"}, {23, "r"}, {24, "w"}};

Texts withMarkers(Texts texts) {
    for (const auto& [index, text] : kMarkers) {
        texts.try_emplace(index, text);
    }
    return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Table, StageFaults,
    testing::Values(
        FaultCase{
            "DrumPathLengthZero", "KQ CORE", withMarkers({{1, "1"}, {4, "2.5"}}), Stage::Al, {}},
        FaultCase{"RodLengthZero", "R CORE", withMarkers({{2, "0"}}), Stage::Al, {}},
        FaultCase{"RodLengthEmpty", "R CORE", withMarkers({{2, ""}}), Stage::Al, {}},
        FaultCase{
            "PermeabilityBeyondRange", "KQ CORE", withMarkers({{17, "1e400"}}), Stage::Al, {}},
        FaultCase{"AlOverflowsInTheSquare", "R CORE", withMarkers({{1, "1e200"}}), Stage::Al, {}},
        FaultCase{"AlEmpty", "KQ CORE", withMarkers({{18, ""}}), Stage::Turns, {}},
        FaultCase{"AlShownAsZero", "KQ CORE", withMarkers({{18, "0.0"}}), Stage::Turns, {}},
        FaultCase{"NegativeInductance",
                  "KQ CORE",
                  withMarkers({{18, "41.7"}, {19, "-4.7"}}),
                  Stage::Turns,
                  {}},
        FaultCase{"ZeroInductanceGivesZeroTurns",
                  "KQ CORE",
                  withMarkers({{18, "41.7"}, {19, "0"}}),
                  Stage::Turns,
                  {{20, "0.0"}}},
        FaultCase{"DrumPostWiderThanFlange",
                  "KQ CORE",
                  withMarkers({{1, "3"}, {18, "41.7"}}),
                  Stage::Turns,
                  {{20, "10.6"}}},
        FaultCase{"TurnsShownAsZero",
                  "R CORE",
                  withMarkers({{18, "902.2"}, {19, "0.00001"}}),
                  Stage::Turns,
                  {{20, "0.0"}}},
        FaultCase{"WireShownAsZero",
                  "KQ CORE",
                  withMarkers({{20, "10.6"}, {21, "0.000"}}),
                  Stage::Winding,
                  {}},
        // (d/2)² overflows; dividing by it would hide the overflow as a DCR of 0.0000
        FaultCase{"WireSquareOverflows",
                  "KQ CORE",
                  withMarkers({{20, "10.6"}, {21, "1e200"}}),
                  Stage::Winding,
                  {}},
        // the DCR is fine, the copper weight overflows
        FaultCase{"WeightOverflows",
                  "R CORE",
                  withMarkers({{1, "1"}, {20, "1"}, {21, "1e154"}}),
                  Stage::Winding,
                  {{23, "0.0000"}}}),
    [](const testing::TestParamInfo<FaultCase>& param) { return param.param.name; });

} // namespace
} // namespace coilwind
