#include "calc/commands.hpp"
#include "calc/input_check.hpp"
#include "calc/winding_details.hpp"
#include "field_texts.hpp"

#include <algorithm>
#include <gtest/gtest.h>

namespace coilwind {
namespace {

// The texts, the core type and the calculate button; then what the check says about it.
struct TrapCase {
    std::string name;
    std::string core;
    Texts texts;
    FindingKey key;
    std::string message;
};

class InputTraps : public testing::TestWithParam<TrapCase> {};

std::vector<InputFinding> afterCalculate(const Texts& texts, const std::string& core) {
    MemoryFieldSet fields = fieldsWith(texts);
    CalculationRecord record;
    record.note(calculate(fields, core), fields, core);
    return checkInputs(fields, core, record);
}

TEST_P(InputTraps, AreNamedWithWhatWasRead) {
    const TrapCase& c = GetParam();
    const std::vector<InputFinding> findings = afterCalculate(c.texts, c.core);
    const auto found = std::find_if(findings.begin(), findings.end(),
                                    [&](const InputFinding& f) { return f.key == c.key; });
    ASSERT_NE(found, findings.end()) << keyName(c.key);
    EXPECT_EQ(found->message, c.message);
    // Errors come first.
    EXPECT_TRUE(std::is_partitioned(findings.begin(), findings.end(), [](const InputFinding& f) {
        return severityOf(f.key) == Severity::Error;
    }));
}

const std::string kDrum = "KQ CORE";
const std::string kRod = "R CORE";
const std::string kNotRod = " was computed as the drum core (KQ CORE): only \"R CORE\" exactly, in "
                            "capitals and without blanks around it, selects the rod core";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, InputTraps, testing::Values(
    // The leading-number rule, both core types.
    TrapCase{"DrumDecimalComma", kDrum, {{19, "4,7"}}, FindingKey::DecimalComma,
             "L \"4,7\" was read as 4 (a comma is not a decimal point: type \".\")"},
    TrapCase{"RodDecimalComma", kRod, {{17, "2,5e2"}}, FindingKey::DecimalComma,
             "mu \"2,5e2\" was read as 2 (a comma is not a decimal point: type \".\")"},
    TrapCase{"DrumFullWidthDigit", kDrum, {{19, "５"}}, FindingKey::FullWidthDigit,
             "L \"５\" was read as 0 (full-width digits such as \"５\" are no digits here: type "
             "the number with the input method in half-width)"},
    TrapCase{"RodFullWidthPoint", kRod, {{19, "4．7"}}, FindingKey::FullWidthDigit,
             "L \"4．7\" was read as 4 (reading stops at the full-width \"．\": type the number "
             "with the input method in half-width)"},
    TrapCase{"DrumUnitIsANote", kDrum, {{19, "4.7uH"}}, FindingKey::UnitAfterNumber,
             "L \"4.7uH\" was read as 4.7: the unit after the number is only a note; the field is "
             "in uH"},
    TrapCase{"RodMillimetresAreANote", kRod, {{1, "8 mm"}}, FindingKey::UnitAfterNumber,
             "A \"8 mm\" was read as 8: the unit after the number is only a note; the field is in "
             "mm"},
    TrapCase{"DrumOtherUnit", kDrum, {{19, "4.7mH"}}, FindingKey::ReadInPart,
             "L \"4.7mH\" was read as 4.7 (reading stops at \"mH\", which it ignores; the field is "
             "in uH)"},
    TrapCase{"RodNoDigit", kRod, {{17, "abc"}}, FindingKey::NoDigit,
             "mu \"abc\" was read as 0 (it does not start with a number)"},
    TrapCase{"DrumEmptyLength", kDrum, {{4, ""}}, FindingKey::EmptyInput,
             "D is empty and was read as 0"},
    TrapCase{"RodEmptyLength", kRod, {{2, " "}}, FindingKey::EmptyInput,
             "B is empty and was read as 0"},
    // The core-type text.
    TrapCase{"LowerCase", "r core", {}, FindingKey::CoreTypeNotRod,
             "core type \"r core\"" + kNotRod},
    TrapCase{"TrailingBlank", "R CORE ", {}, FindingKey::CoreTypeNotRod,
             "core type \"R CORE \"" + kNotRod},
    TrapCase{"Rod", "rod", {}, FindingKey::CoreTypeNotRod,
             "core type \"rod\"" + kNotRod},
    TrapCase{"R", "R", {}, FindingKey::CoreTypeNotRod,
             "core type \"R\"" + kNotRod},
    TrapCase{"OtherText", "KQ", {}, FindingKey::CoreTypeDefault,
             "core type \"KQ\" was computed as the drum core (KQ CORE): every text but \"R "
             "CORE\" selects the drum core"},
    // Shapes no core can have.
    TrapCase{"RodNegativeDiameter", kRod, {{1, "-5"}}, FindingKey::NotPositive,
             "A = -5: a rod's diameter must be above 0"},
    TrapCase{"RodZeroLength", kRod, {{2, "0"}}, FindingKey::NotPositive,
             "B = 0: a rod's length must be above 0"},
    TrapCase{"DrumNegativePost", kDrum, {{2, "-5"}}, FindingKey::NotPositive,
             "B = -5: a centre post's diameter must be above 0"},
    TrapCase{"DrumEmptyLengthIsZero", kDrum, {{4, ""}}, FindingKey::NotPositive,
             "D = 0: a core's length must be above 0"},
    TrapCase{"DrumPostAsWideAsFlange", kDrum, {{1, "3.5"}}, FindingKey::PostNotNarrower,
             "B = 3.5 is not narrower than A = 3.5: a drum's centre post must be narrower than "
             "its flanges, or no winding fits between them"},
    TrapCase{"DrumWidthAboveLength", kDrum, {{6, "12"}}, FindingKey::WidthAboveLength,
             "F = 12 is above D = 10: the winding width between the flanges cannot exceed the "
             "core's length"},
    TrapCase{"RodZeroPermeability", kRod, {{17, "0"}}, FindingKey::NotPositive,
             "mu = 0: a permeability must be above 0"},
    // AL as displayed: 0.3334 shows as 0.3.
    TrapCase{"DrumAlRounded", kDrum, {{17, "4"}}, FindingKey::AlRounding,
             "AL shows 0.3 for 0.3335, and the turns step reads it as shown: the turns are 5.4 % "
             "more than the unrounded AL needs, and the inductance comes out about 11.2 % high"},
    // 0.2763 shows as 0.3: fewer turns.
    TrapCase{"RodAlRounded", kRod, {{1, "2"}, {2, "10"}, {17, "7"}}, FindingKey::AlRounding,
             "AL shows 0.3 for 0.2763, and the turns step reads it as shown: the turns are 4.0 % "
             "fewer than the unrounded AL needs, and the inductance comes out about 7.9 % low"},
    // Stops, with the step table's words.
    TrapCase{"DrumStopsAtZeroInductance", kDrum, {{19, "0"}}, FindingKey::Stopped,
             "stopped at wire_max: division by zero (turns is 0); wire_max, dcr, copper_g keep "
             "what they held before"},
    TrapCase{"RodStopsAtZeroLength", kRod, {{2, "0"}}, FindingKey::Stopped,
             "stopped at AL: division by zero (B is 0); AL, turns, wire_max, dcr, copper_g keep "
             "what they held before"}),
    [](const testing::TestParamInfo<TrapCase>& param) { return param.param.name; });
// clang-format on

TEST(InputCheck, SaysNothingOfTheStartUpDesignsOrBeforeACalculation) {
    for (const std::string& core : {kDrum, kRod}) {
        EXPECT_TRUE(afterCalculate({}, core).empty()) << core;
        MemoryFieldSet fields = fieldsWith({{19, "4,7"}});
        EXPECT_TRUE(checkInputs(fields, core, CalculationRecord{}).empty());
    }
}

// Enter in µ as a drum, the core switched to the rod, Enter in L: the turns come from the drum's
// AL, which the record knows; and the fields read are those of that calculation, not of edits
// made since.
TEST(InputCheck, FollowsTheRecordAcrossAWalk) {
    MemoryFieldSet fields;
    CalculationRecord record;
    record.note(handleKeyDown(fields, kDrum, field::kPermeability, kEnterKey, 0), fields, kDrum);
    record.note(handleKeyDown(fields, kRod, field::kInductance, kEnterKey, 0), fields, kRod);
    const std::vector<InputFinding> findings = checkInputs(fields, kRod, record);
    ASSERT_EQ(findings.size(), 1U);
    EXPECT_EQ(findings[0].key, FindingKey::EarlierDesign);
    EXPECT_EQ(findings[0].message.substr(0, 31), "AL, turns, wire_max hold result");

    fields.setText(field::kInductance, "4,7"); // typed since: the next calculation will say so
    EXPECT_EQ(checkInputs(fields, kRod, record).size(), 1U);
}

TEST(InputCheck, NamesTheResultsAStopLeftBehind) {
    MemoryFieldSet fields;
    CalculationRecord record;
    record.note(calculate(fields, kRod), fields, kRod);
    fields.setText(field::kPermeability, "0");
    record.note(calculate(fields, kRod), fields, kRod);
    const std::vector<InputFinding> findings = checkInputs(fields, kRod, record);
    ASSERT_EQ(findings.size(), 3U); // mu = 0, the stop at turns, and this
    EXPECT_EQ(findings[2].message,
              "turns, wire_max, dcr, copper_g hold results of an earlier design (other inputs, "
              "another core type, or a stopped calculation): 计算 computes them anew");
}

// Every figure of the details comes from AL or the winding space, both from the shape.
TEST(InputCheck, ImpossibleShapesGiveNoDependentFigure) {
    for (const auto& [core, texts] :
         std::vector<std::pair<std::string, Texts>>{{kRod, {{1, "-5"}}},
                                                    {kDrum, {{2, "-5"}}},
                                                    {kDrum, {{4, ""}}},
                                                    {kDrum, {{1, "3"}}},
                                                    {kDrum, {{6, "12"}}}}) {
        MemoryFieldSet fields = fieldsWith(texts);
        calculate(fields, core);
        const WindingDetails details = computeDetails(fields, core, {});
        EXPECT_FALSE(details.wholeTurns || details.standardWire || details.standard ||
                     details.inductance || details.saturationCurrentA || details.availableWidthMm)
            << core << " " << texts.begin()->second;
        ASSERT_FALSE(details.reasons.empty());
        EXPECT_EQ(details.reasons.front().substr(0, 12), "Core shape: ");
    }
}

} // namespace
} // namespace coilwind
