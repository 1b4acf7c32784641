#include "calc/commands.hpp"
#include "calc/failure.hpp"
#include "calc/winding_details.hpp"
#include "field_texts.hpp"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace coilwind {
namespace {

void expectClose(double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::abs(expected)));
}

constexpr double kPi = 3.141592653589793;

// A wire wound by hand: its layer plan and the sum over the turns of each turn's mean diameter.
struct Wound {
    std::string wire;
    double bareMm;
    LayerPlan plan;
    double diameterSumMm;
};

struct HandCase {
    std::string name;
    DesignInputs design;
    long long wholeTurns;
    Wound standard;
    std::optional<Wound> largestFitting;
    double inductanceUh, turnsAtAlMinimum, turnsAtAlMaximum, saturationA;
};

class HandWorkedDesigns : public testing::TestWithParam<HandCase> {};

// length = pi x sum / 1000 m; area = pi/4 x bare^2 mm^2; R20 = length / area / 58
// = sum x 4 / 1000 / bare^2 / 58; at 100 C x (1 + 0.00393 x 80) = x 1.3144; mass = 8.89 x
// length x area g.
void expectWound(const WoundWire& actual, const Wound& expected) {
    EXPECT_EQ(actual.wire.designation, expected.wire);
    EXPECT_EQ(actual.plan.perLayer, expected.plan.perLayer);
    EXPECT_EQ(actual.plan.layers, expected.plan.layers);
    expectClose(actual.plan.buildMm, expected.plan.buildMm);
    EXPECT_EQ(actual.plan.fits, expected.plan.fits);
    const double bareSquared = expected.bareMm * expected.bareMm;
    expectClose(actual.lengthM, kPi * expected.diameterSumMm / 1000);
    expectClose(actual.r20Ohm, expected.diameterSumMm * 4 / 1000 / bareSquared / 58);
    expectClose(actual.rHotOhm, expected.diameterSumMm * 4 / 1000 / bareSquared / 58 * 1.3144);
    expectClose(actual.massG, 8.89 * kPi * expected.diameterSumMm / 1000 * kPi / 4 * bareSquared);
}

// Default settings: IEC grade 1, 100 C, 300 mT, AL +/- 25 % (L x 0.75 and x 1.25).
TEST_P(HandWorkedDesigns, EveryFigure) {
    const HandCase& c = GetParam();
    const WindingDetails details = computeDetails(c.design, DetailsSettings{});
    EXPECT_EQ(details.reasons, std::vector<std::string>{});
    EXPECT_EQ(details.wholeTurns, c.wholeTurns);
    ASSERT_TRUE(details.standard);
    expectWound(*details.standard, c.standard);
    ASSERT_EQ(details.largestFitting.has_value(), c.largestFitting.has_value());
    if (c.largestFitting) {
        expectWound(*details.largestFitting, *c.largestFitting);
    }
    ASSERT_TRUE(details.inductance);
    expectClose(details.inductance->wholeTurnsUh, c.inductanceUh);
    expectClose(details.inductance->minUh, c.inductanceUh * 0.75);
    expectClose(details.inductance->maxUh, c.inductanceUh * 1.25);
    expectClose(details.inductance->turnsAtAlMinimum, c.turnsAtAlMinimum);
    expectClose(details.inductance->turnsAtAlMaximum, c.turnsAtAlMaximum);
    expectClose(details.saturationCurrentA.value_or(-1), c.saturationA);
}

// Drum A 8 / B 3.5 / F 6.3, AL 41.7, 4.7 uH: turns at the AL ends sqrt(4700 / (41.7 x 0.75))
// and sqrt(4700 / (41.7 x 1.25)). Isat = 300 x Nw x (pi/4 x core^2) / L / 1000.
// One hand-worked design a row:
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, HandWorkedDesigns, testing::Values(
    // 10.6 turns -> Nw 11; field 21 0.544 equals the od of 0.500 mm. 6.3 / 0.544 = 11.58 -> 11
    // per layer, 1 layer, build 0.544 <= (8 - 3.5) / 2 = 2.25. sum = 11 x (3.5 + 0.544).
    // L = 41.7 x 11^2 / 1000 = 5.0457.
    HandCase{"DrumOdEqualsField21", {CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, 10.6, 0.544}, 11,
             {"0.500 mm", 0.5, {11, 1, 0.544, true}, 11 * 4.044}, std::nullopt,
             5.0457, 12.258865207638786, 9.495676158517309, 300 * 11 * (kPi / 4 * 12.25) / 5.0457 / 1000},
    // 11.2 turns -> Nw 12, one turn more than a layer holds: 2 layers, build 1.088.
    // sum = 11 x (3.5 + 0.544) + 1 x (3.5 + 3 x 0.544). L = 41.7 x 144 / 1000 = 6.0048.
    HandCase{"DrumOneTurnIntoASecondLayer", {CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, 11.2, 0.544}, 12,
             {"0.500 mm", 0.5, {11, 2, 1.088, true}, 11 * 4.044 + 5.132}, std::nullopt,
             6.0048, 12.258865207638786, 9.495676158517309, 300 * 12 * (kPi / 4 * 12.25) / 6.0048 / 1000},
    // Shallow drum 4.5 / 3.5 (depth 0.5), F 2, 20 turns, field 21 0.300 -> 0.265 mm (0.297):
    // 6 per layer, 4 layers, build 1.188 > 0.5; sum = 6 x (3.797 + 4.391 + 4.985) + 2 x 5.579.
    // Thinner: 0.212 (0.240) 8 x 3 layers = 0.72, 0.200 (0.226) 0.678, 0.190 (0.216) 9 x 3 =
    // 0.648, 0.180 (0.204) 0.612; 0.170 (0.194) 10 x 2 = 0.388 fits:
    // sum = 10 x (3.5 + 0.194) + 10 x (3.5 + 3 x 0.194). L = 41.7 x 400 / 1000 = 16.68.
    HandCase{"DrumStandardOverfillsTheDepth", {CoreType::Drum, 4.5, 3.5, 2, 41.7, 4.7, 20, 0.3}, 20,
             {"0.265 mm", 0.265, {6, 4, 1.188, false}, 6 * (3.797 + 4.391 + 4.985) + 2 * 5.579},
             Wound{"0.170 mm", 0.17, {10, 2, 0.388, true}, 10 * 3.694 + 10 * 4.082},
             16.68, 12.258865207638786, 9.495676158517309, 300 * 20 * (kPi / 4 * 12.25) / 16.68 / 1000},
    // Rod 8 thick, 3.5 long, AL 902.2, 2.3 turns -> Nw 3, field 21 0.55 -> 0.500 mm: 3.5 / 0.544
    // = 6.4 -> 6 per layer, 1 layer, no depth limit. sum = 3 x (8 + 0.544).
    // L = 902.2 x 9 / 1000 = 8.1198; turns sqrt(4700 / (902.2 x 0.75)), sqrt(4700 / (902.2 x 1.25)).
    HandCase{"RodOneLayer", {CoreType::Rod, 8, 3.5, 0, 902.2, 4.7, 2.3, 0.55}, 3,
             {"0.500 mm", 0.5, {6, 1, 0.544, true}, 3 * 8.544}, std::nullopt,
             8.1198, 2.635523456778339, 2.0414676913283025, 300 * 3 * (kPi / 4 * 64) / 8.1198 / 1000}),
    [](const testing::TestParamInfo<HandCase>& param) { return param.param.name; });
// clang-format on

// Three turns of the 0.085 mm wire (0.100 mm overall) exactly fill a width of 0.3 mm, though 3 x
// 0.1 is a hair above 0.3 in binary: one layer, on either core.
TEST(WindingDetails, TurnsThatExactlyFillTheWidthFitInOneLayer) {
    for (const CoreType core : {CoreType::Drum, CoreType::Rod}) {
        const double width = 0.3;
        const DesignInputs design{core, 8,  core == CoreType::Rod ? width : 3.5, width, 41.7, 4.7,
                                  2.3,  0.1};
        const WindingDetails details = computeDetails(design, DetailsSettings{});
        ASSERT_TRUE(details.standard) << details.reasons.front();
        EXPECT_EQ(details.standard->wire.designation, "0.085 mm");
        EXPECT_EQ(details.standard->plan.perLayer, 3);
        EXPECT_EQ(details.standard->plan.layers, 1);
    }
}

// Annealed copper as IEC 60028 (1925) defines it: a wire 1 m long weighing 1 g has a resistance
// of 0.15328 ohm at 20 C (resistivity times density, 0.15328 ohm g/m^2). Any wound wire's
// R20 x mass / length^2 is that figure, whatever its size, to the five digits given.
TEST(WindingDetails, CopperHasTheMassResistivityOfAnnealedCopper) {
    for (const double wireMax : {0.1, 0.55, 1.2}) {
        const DesignInputs design{CoreType::Rod, 8, 60, 0, 902.2, 4.7, 20, wireMax};
        const WindingDetails details = computeDetails(design, DetailsSettings{});
        ASSERT_TRUE(details.standard);
        const WoundWire& wire = *details.standard;
        EXPECT_NEAR(wire.r20Ohm * wire.massG / (wire.lengthM * wire.lengthM), 0.15328, 0.000005)
            << wire.wire.designation;
    }
}

TEST(WindingDetails, WholeTurnsRoundUpButLeaveWholeTurnsAlone) {
    for (const auto& [turns, whole] :
         {std::pair{10.1, 11LL}, {10.6, 11LL}, {11.0, 11LL}, {11.05, 12LL}, {0.1, 1LL}}) {
        const DesignInputs design{CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, turns, 0.544};
        EXPECT_EQ(computeDetails(design, {}).wholeTurns, whole) << turns;
    }
}

struct PickCase {
    std::string name;
    WireSeries series;
    double field21Mm;
    std::string wire;
    std::optional<double> allowanceBeyondSeriesMm;
};

class StandardWirePicks : public testing::TestWithParam<PickCase> {};

TEST_P(StandardWirePicks, LargestSizeWithinField21AndWhetherTheSeriesEndedBelowIt) {
    const PickCase& c = GetParam();
    const DesignInputs design{CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, 10.6, c.field21Mm};
    const WindingDetails details = computeDetails(design, {.series = c.series});
    ASSERT_TRUE(details.standardWire);
    EXPECT_EQ(details.standardWire->designation, c.wire);
    EXPECT_EQ(details.allowanceBeyondSeriesMm, c.allowanceBeyondSeriesMm);
}

// Overall diameters: grade 1 0.475 0.519, 0.500 0.544, 1.000 1.062, 1.120 1.184, 1.250 1.316,
// 1.400 1.468, 5.000 5.093; grade 2 4.500 4.637, 5.000 5.141; AWG 24 heavy 0.577, AWG 23 0.643,
// AWG 22 0.714; AWG 13 1.923 the thickest AWG size.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, StandardWirePicks, testing::Values(
    PickCase{"JustBelowAnOverallDiameter", WireSeries::IecGrade1, 0.5439, "0.475 mm", std::nullopt},
    PickCase{"ExactlyAtANewSizesOverallDiameter", WireSeries::IecGrade1, 1.184, "1.120 mm", std::nullopt},
    PickCase{"OneMicrometreBelowIt", WireSeries::IecGrade1, 1.183, "1.000 mm", std::nullopt},
    PickCase{"RodTenByFiftyAt22uH", WireSeries::IecGrade1, 1.459, "1.250 mm", std::nullopt},
    PickCase{"ExactlyAtTheThickestSize", WireSeries::IecGrade1, 5.093, "5.000 mm", std::nullopt},
    PickCase{"BeyondTheThickestSize", WireSeries::IecGrade1, 6.0, "5.000 mm", 6.0},
    PickCase{"Grade2BetweenItsTwoThickest", WireSeries::IecGrade2, 5.1, "4.500 mm", std::nullopt},
    PickCase{"Grade2BeyondItsThickest", WireSeries::IecGrade2, 5.142, "5.000 mm", 5.142},
    PickCase{"AwgExactlyAtAwg24", WireSeries::AwgHeavy, 0.577, "AWG 24", std::nullopt},
    PickCase{"AwgJustBelowAwg22", WireSeries::AwgHeavy, 0.71, "AWG 23", std::nullopt},
    PickCase{"AwgExactlyAtItsThickest", WireSeries::AwgHeavy, 1.923, "AWG 13", std::nullopt},
    PickCase{"AwgBeyondItsThickest", WireSeries::AwgHeavy, 2.5, "AWG 13", 2.5}),
    [](const testing::TestParamInfo<PickCase>& param) { return param.param.name; });
// clang-format on

struct ReasonCase {
    std::string name;
    DesignInputs design;
    DetailsSettings settings;
    std::string reasonPart;
    std::function<bool(const WindingDetails&)> figureMissing;
};

class ImpossibleDesigns : public testing::TestWithParam<ReasonCase> {};

TEST_P(ImpossibleDesigns, GiveAReasonInsteadOfTheFigure) {
    const ReasonCase& c = GetParam();
    const WindingDetails details = computeDetails(c.design, c.settings);
    const auto& reasons = details.reasons;
    EXPECT_TRUE(std::any_of(reasons.begin(), reasons.end(), [&](const std::string& reason) {
        return reason.find(c.reasonPart) != std::string::npos;
    })) << testing::PrintToString(reasons);
    EXPECT_TRUE(c.figureMissing(details));
}

const DesignInputs kDrum{CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, 10.6, 0.761};

DesignInputs drumWith(const std::function<void(DesignInputs&)>& change) {
    DesignInputs design = kDrum;
    change(design);
    return design;
}

// One impossible design a line:
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ImpossibleDesigns, testing::Values(
    ReasonCase{"Field21Empty", drumWith([](auto& d) { d.wireMaxMm = 0; }), {},
               "Largest wire diameter (field 21)", [](auto& d) { return !d.standardWire && !d.standard; }},
    ReasonCase{"ThinnerThanTheThinnestSize", drumWith([](auto& d) { d.wireMaxMm = 0.012; }), {},
               "the thinnest is 0.010 mm, 0.013 mm overall", [](auto& d) { return !d.standardWire; }},
    ReasonCase{"PostWiderThanFlange", drumWith([](auto& d) { d.aMm = 3; }), {},
               "Core shape: B = 3.5 is not narrower than A = 3", [](auto& d) { return !d.availableDepthMm && !d.standard; }},
    ReasonCase{"ZeroTurns", drumWith([](auto& d) { d.turns = 0; }), {},
               "Turns (field 20)", [](auto& d) { return !d.wholeTurns && !d.standard && !d.inductance; }},
    ReasonCase{"TurnsBeyondWholeNumbers", drumWith([](auto& d) { d.turns = 1e19; }), {},
               "beyond the range of whole numbers", [](auto& d) { return !d.wholeTurns; }},
    ReasonCase{"TurnsPerLayerBeyondWholeNumbers", drumWith([](auto& d) { d.fMm = 1e300; d.dMm = 1e300; }), {},
               "Turns per layer beyond", [](auto& d) { return !d.standard && !d.largestFitting; }},
    // 0.500 mm (0.544) has no room on a 0.5 mm rod; 0.475 (0.519) neither, 0.450 (0.491) has
    ReasonCase{"WireWiderThanTheRod", {CoreType::Rod, 8, 0.5, 0, 902.2, 4.7, 2.3, 0.544}, {},
               "wider than the winding width of 0.500 mm", [](auto& d) {
                   return d.standardWire && !d.standard && d.largestFitting->wire.designation == "0.450 mm"; }},
    // depth (3.52 - 3.5) / 2 = 0.01 is below the thinnest overall diameter, 0.013
    ReasonCase{"NoSizeFits", drumWith([](auto& d) { d.aMm = 3.52; }), {},
               "no IEC 60317-0-1 grade 1 size fits 11 turns", [](auto& d) {
                   return d.standard && !d.standard->plan.fits && !d.largestFitting; }},
    ReasonCase{"AlZero", drumWith([](auto& d) { d.alNh = 0; }), {},
               "AL (field 18)", [](auto& d) { return !d.inductance && !d.saturationCurrentA; }},
    ReasonCase{"InductanceOverflows", drumWith([](auto& d) { d.alNh = 1e300; d.turns = 1e10; }), {},
               "Inductance: result beyond the range of a double", [](auto& d) { return !d.inductance; }},
    ReasonCase{"TemperatureBelowItsLimit", kDrum, {.temperatureC = -300},
               "Hot resistance: the temperature lies outside its range, from -55 to 250 °C",
               [](auto& d) { return !d.standard && !d.largestFitting; }},
    ReasonCase{"ToleranceAboveItsLimit", kDrum, {.alTolerancePercent = 96},
               "Inductance: the AL tolerance lies outside", [](auto& d) { return !d.inductance; }},
    ReasonCase{"BsZero", kDrum, {.saturationFluxMt = 0},
               "Bs", [](auto& d) { return !d.saturationCurrentA; }}),
    [](const testing::TestParamInfo<ReasonCase>& param) { return param.param.name; });
// clang-format on

// Start-up texts: field 21 0.761 (drum) takes 0.630 mm (od 0.679; 0.710 mm has 0.762), 1.323
// (rod) takes 1.250 mm (1.316; 1.400 mm has 1.468).
TEST(WindingDetails, FollowTheFieldsAfterACalculation) {
    for (const auto& [core, wire] : {std::pair{"KQ CORE", "0.630 mm"}, {"R CORE", "1.250 mm"}}) {
        MemoryFieldSet fields;
        ASSERT_TRUE(calculate(fields, core).summary);
        const WindingDetails details = computeDetails(fields, core, {});
        EXPECT_EQ(details.reasons, std::vector<std::string>{}) << core;
        EXPECT_EQ(details.standardWire->designation, wire);
        EXPECT_FALSE(details.allowanceBeyondSeriesMm);
    }
    const WindingDetails refused =
        computeDetails(fieldsWith({{field::kA, "1e400"}}), "KQ CORE", {});
    EXPECT_EQ(refused.reasons.size(), 1U);
    EXPECT_FALSE(refused.wholeTurns);
}

TEST(Calibration, AlFromATestCoil) {
    // 5.0457 uH at 11 turns: 1000 x 5.0457 / 121 = 41.7 nH/N^2
    MemoryFieldSet fields;
    writeCalibratedAl(fields, 5.0457, 11);
    EXPECT_EQ(fields.text(field::kAl), "41.7");
    for (const auto& [uh, turns] : {std::pair{4.7, 0.0}, {-1.0, 10.0}, {1e300, 1e-300}}) {
        EXPECT_THROW(writeCalibratedAl(fields, uh, turns), CalculationFault) << uh << " " << turns;
    }
    EXPECT_EQ(fields.text(field::kAl), "41.7");
}

// The build refuses a data file whose rows do not rise; here only what the table must cover.
TEST(WireTable, SeriesCoverTheirRangeAndAreNamed) {
    for (const WireSeries series : kWireSeries) {
        EXPECT_EQ(seriesFromKey(seriesKey(series)), series);
    }
    EXPECT_EQ(seriesFromKey("iec"), std::nullopt);
    for (const WireSeries series : {WireSeries::IecGrade1, WireSeries::IecGrade2}) {
        EXPECT_LE(wireSizes(series).front().bareMm, 0.020);
        EXPECT_GE(wireSizes(series).back().bareMm, 5.000);
    }
    EXPECT_EQ(wireSizes(WireSeries::AwgHeavy).front().designation, "AWG 44");
}

} // namespace
} // namespace coilwind
