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

struct Wound {
    std::string wire;
    LayerPlan plan;
    double lengthM;
};

struct HandCase {
    std::string name;
    DesignInputs design;
    long long wholeTurns;
    Wound standard;
    double r20Ohm, rHotOhm, massG;
    std::optional<Wound> largestFitting;
    InductanceFigures inductance;
    double saturationA;
    friend void PrintTo(const HandCase& c, std::ostream* os) { *os << c.name; }
};

class HandWorkedDesigns : public testing::TestWithParam<HandCase> {};

void expectWound(const WoundWire& actual, const Wound& expected) {
    EXPECT_EQ(actual.wire.designation, expected.wire);
    EXPECT_EQ(actual.plan.perLayer, expected.plan.perLayer);
    EXPECT_EQ(actual.plan.layers, expected.plan.layers);
    expectClose(actual.plan.buildMm, expected.plan.buildMm);
    EXPECT_EQ(actual.plan.fits, expected.plan.fits);
    expectClose(actual.lengthM, expected.lengthM);
}

TEST_P(HandWorkedDesigns, EveryFigure) {
    const HandCase& c = GetParam();
    const WindingDetails details = computeDetails(c.design, DetailsSettings{});
    EXPECT_EQ(details.reasons, std::vector<std::string>{});
    EXPECT_EQ(details.wholeTurns, c.wholeTurns);
    ASSERT_TRUE(details.standard);
    expectWound(*details.standard, c.standard);
    expectClose(details.standard->r20Ohm, c.r20Ohm);
    expectClose(details.standard->rHotOhm, c.rHotOhm);
    expectClose(details.standard->massG, c.massG);
    ASSERT_EQ(details.largestFitting.has_value(), c.largestFitting.has_value());
    if (c.largestFitting) {
        expectWound(*details.largestFitting, *c.largestFitting);
    }
    ASSERT_TRUE(details.inductance);
    expectClose(details.inductance->wholeTurnsUh, c.inductance.wholeTurnsUh);
    expectClose(details.inductance->minUh, c.inductance.minUh);
    expectClose(details.inductance->maxUh, c.inductance.maxUh);
    expectClose(details.inductance->turnsAtAlMinimum, c.inductance.turnsAtAlMinimum);
    expectClose(details.inductance->turnsAtAlMaximum, c.inductance.turnsAtAlMaximum);
    expectClose(details.saturationCurrentA.value_or(-1), c.saturationA);
}

constexpr double kPi = 3.141592653589793;
// Settings are the defaults: IEC grade 1, 100 C (R factor 1 + 0.00393 x 80 = 1.3144), 300 mT,
// AL +/- 25 %. R20 = length / area / 58 with length in m = pi x sum / 1000 and area =
// pi/4 x bare^2, so R20 = sum x 4 / 1000 / bare^2 / 58; mass = 8.89 x length x area.
// L uses AL x Nw^2 / 1000; Isat = 300 x Nw x (pi/4 x core^2) / L / 1000.
INSTANTIATE_TEST_SUITE_P(
    Table, HandWorkedDesigns,
    testing::Values(
        // Drum 8 / 3.5 / F 6.3, 10.6 turns -> Nw 11; field 21 0.544 equals the od of 0.500 mm.
        // 6.3 / 0.544 = 11.58 -> 11 per layer, 1 layer, build 0.544 <= (8 - 3.5) / 2 = 2.25.
        // sum = 11 x (3.5 + 0.544) = 44.484; R20 = 44.484 x 4 / 1000 / 0.25 / 58.
        // L = 41.7 x 121 / 1000 = 5.0457, x 0.75 and x 1.25; N = sqrt(4700 / (41.7 x 0.75)),
        // sqrt(4700 / (41.7 x 1.25)); Isat = 300 x 11 x (pi/4 x 3.5^2) / 5.0457 / 1000.
        HandCase{"DrumOdEqualsField21",
                 {CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, 10.6, 0.544},
                 11,
                 {"0.500 mm", {11, 1, 0.544, true}, kPi * 44.484 / 1000},
                 0.711744 / 58,
                 0.711744 / 58 * 1.3144,
                 8.89 * kPi * 44.484 / 1000 * kPi / 4 * 0.25,
                 std::nullopt,
                 {5.0457, 5.0457 * 0.75, 5.0457 * 1.25, 12.258865207638786, 9.495676158517309},
                 300 * 11 * (kPi / 4 * 12.25) / 5.0457 / 1000},
        // The same with 11.2 turns -> Nw 12: exactly one turn more than a layer holds, 2 layers,
        // build 1.088. sum = 11 x (3.5 + 0.544) + 1 x (3.5 + 3 x 0.544) = 49.616.
        HandCase{"DrumOneTurnIntoASecondLayer",
                 {CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, 11.2, 0.544},
                 12,
                 {"0.500 mm", {11, 2, 1.088, true}, kPi * 49.616 / 1000},
                 49.616 * 4 / 1000 / 0.25 / 58,
                 49.616 * 4 / 1000 / 0.25 / 58 * 1.3144,
                 8.89 * kPi * 49.616 / 1000 * kPi / 4 * 0.25,
                 std::nullopt,
                 {6.0048, 6.0048 * 0.75, 6.0048 * 1.25, 12.258865207638786, 9.495676158517309},
                 300 * 12 * (kPi / 4 * 12.25) / 6.0048 / 1000},
        // Shallow drum 4.5 / 3.5 (depth 0.5), F 2, 20 turns, field 21 0.300 -> 0.265 mm (0.297):
        // 6 per layer, 4 layers, build 1.188 > 0.5. Thinner: 0.212 (0.240) 8 x 3 = 0.72,
        // 0.200 (0.226) 0.678, 0.190 (0.216) 9 x 3 = 0.648, 0.180 (0.204) 0.612, and 0.170
        // (0.194) 10 per layer x 2 = 0.388 fits: sum = 10 x (3.5 + 0.194) + 10 x (3.5 + 0.582).
        // sum (0.265 mm) = 6 x 3.797 + 6 x 4.391 + 6 x 4.985 + 2 x 5.579 = 90.196.
        HandCase{"DrumStandardOverfillsTheDepth",
                 {CoreType::Drum, 4.5, 3.5, 2, 41.7, 4.7, 20, 0.3},
                 20,
                 {"0.265 mm", {6, 4, 1.188, false}, kPi * 90.196 / 1000},
                 90.196 * 4 / 1000 / (0.265 * 0.265) / 58,
                 90.196 * 4 / 1000 / (0.265 * 0.265) / 58 * 1.3144,
                 8.89 * kPi * 90.196 / 1000 * kPi / 4 * 0.265 * 0.265,
                 Wound{"0.170 mm", {10, 2, 0.388, true}, kPi * 77.76 / 1000},
                 {16.68, 16.68 * 0.75, 16.68 * 1.25, 12.258865207638786, 9.495676158517309},
                 300 * 20 * (kPi / 4 * 12.25) / 16.68 / 1000},
        // Rod 8 x 3.5 long, AL 902.2, 2.3 turns -> Nw 3, field 21 0.55 -> 0.500 mm:
        // 3.5 / 0.544 = 6.4 -> 6 per layer, 1 layer, no depth limit. sum = 3 x (8 + 0.544).
        // L = 902.2 x 9 / 1000 = 8.1198; Ae = pi/4 x 8^2.
        HandCase{"RodOneLayer",
                 {CoreType::Rod, 8, 3.5, 0, 902.2, 4.7, 2.3, 0.55},
                 3,
                 {"0.500 mm", {6, 1, 0.544, true}, kPi * 25.632 / 1000},
                 25.632 * 4 / 1000 / 0.25 / 58,
                 25.632 * 4 / 1000 / 0.25 / 58 * 1.3144,
                 8.89 * kPi * 25.632 / 1000 * kPi / 4 * 0.25,
                 std::nullopt,
                 {8.1198, 8.1198 * 0.75, 8.1198 * 1.25, 2.635523456778339, 2.0414676913283025},
                 300 * 3 * (kPi / 4 * 64) / 8.1198 / 1000}),
    [](const testing::TestParamInfo<HandCase>& param) { return param.param.name; });

TEST(WindingDetails, WholeTurnsRoundUpButLeaveWholeTurnsAlone) {
    for (const auto& [turns, whole] :
         {std::pair{10.1, 11LL}, {10.6, 11LL}, {11.0, 11LL}, {11.05, 12LL}, {0.1, 1LL}}) {
        const DesignInputs design{CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, turns, 0.544};
        EXPECT_EQ(computeDetails(design, {}).wholeTurns, whole) << turns;
    }
}

TEST(WindingDetails, Field21JustBelowATableOdTakesTheSizeBelow) {
    const DesignInputs design{CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, 10.6, 0.5439};
    EXPECT_EQ(computeDetails(design, {}).standardWire->designation, "0.475 mm");
}

struct ReasonCase {
    std::string name;
    DesignInputs design;
    DetailsSettings settings;
    std::string reasonPart;
    std::function<bool(const WindingDetails&)> figureMissing;
    friend void PrintTo(const ReasonCase& c, std::ostream* os) { *os << c.name; }
};

class ImpossibleDesigns : public testing::TestWithParam<ReasonCase> {};

TEST_P(ImpossibleDesigns, GiveAReasonInsteadOfTheFigure) {
    const ReasonCase& c = GetParam();
    const WindingDetails details = computeDetails(c.design, c.settings);
    EXPECT_TRUE(std::ranges::any_of(details.reasons, [&](const std::string& reason) {
        return reason.find(c.reasonPart) != std::string::npos;
    })) << testing::PrintToString(details.reasons);
    EXPECT_TRUE(c.figureMissing(details));
}

const DesignInputs kDrum{CoreType::Drum, 8, 3.5, 6.3, 41.7, 4.7, 10.6, 0.761};

DesignInputs drumWith(const std::function<void(DesignInputs&)>& change) {
    DesignInputs design = kDrum;
    change(design);
    return design;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ImpossibleDesigns,
    testing::Values(ReasonCase{"Field21Empty",
                               drumWith([](auto& d) { d.wireMaxMm = 0; }),
                               {},
                               "Field 21",
                               [](auto& d) { return !d.standardWire && !d.standard; }},
                    ReasonCase{"ThinnerThanTheThinnestSize",
                               drumWith([](auto& d) { d.wireMaxMm = 0.012; }),
                               {},
                               "the thinnest is 0.010 mm, 0.013 mm overall",
                               [](auto& d) { return !d.standardWire && !d.largestFitting; }},
                    ReasonCase{"PostWiderThanFlange",
                               drumWith([](auto& d) { d.aMm = 3; }),
                               {},
                               "Centre post",
                               [](auto& d) { return !d.availableDepthMm && !d.standard; }},
                    ReasonCase{
                        "ZeroTurns",
                        drumWith([](auto& d) { d.turns = 0; }),
                        {},
                        "Turns (field 20)",
                        [](auto& d) { return !d.wholeTurns && !d.standard && !d.inductance; }},
                    ReasonCase{"TurnsBeyondWholeNumbers",
                               drumWith([](auto& d) { d.turns = 1e19; }),
                               {},
                               "beyond the range of whole numbers",
                               [](auto& d) { return !d.wholeTurns; }},
                    ReasonCase{"TurnsPerLayerBeyondWholeNumbers",
                               drumWith([](auto& d) { d.fMm = 1e300; }),
                               {},
                               "Turns per layer beyond",
                               [](auto& d) { return !d.standard; }},
                    ReasonCase{"WireWiderThanTheRod",
                               {CoreType::Rod, 8, 0.5, 0, 902.2, 4.7, 2.3, 0.544},
                               {},
                               "wider than the winding width of 0.500 mm",
                               [](auto& d) {
                                   return d.standardWire && !d.standard &&
                                          d.largestFitting->wire.designation == "0.450 mm";
                               }},
                    ReasonCase{"AlZero",
                               drumWith([](auto& d) { d.alNh = 0; }),
                               {},
                               "AL (field 18)",
                               [](auto& d) { return !d.inductance && !d.saturationCurrentA; }},
                    ReasonCase{"InductanceOverflows",
                               drumWith([](auto& d) {
                                   d.alNh = 1e300;
                                   d.turns = 1e10;
                               }),
                               {},
                               "Inductance: result beyond the range of a double",
                               [](auto& d) { return !d.inductance; }},
                    ReasonCase{"NegativeWantedInductance",
                               drumWith([](auto& d) { d.wantedUh = -1; }),
                               {},
                               "wanted inductance",
                               [](auto& d) { return !d.inductance; }},
                    ReasonCase{"ToleranceOfAHundredPercent",
                               kDrum,
                               {.alTolerancePercent = 100},
                               "AL tolerance",
                               [](auto& d) { return !d.inductance; }},
                    ReasonCase{"NoResistanceLawThatCold",
                               kDrum,
                               {.temperatureC = -300},
                               "no resistance at -300.0 C",
                               [](auto& d) { return !d.standard; }},
                    ReasonCase{"BsZero",
                               kDrum,
                               {.saturationFluxMt = 0},
                               "Bs",
                               [](auto& d) { return !d.saturationCurrentA; }}),
    [](const testing::TestParamInfo<ReasonCase>& param) { return param.param.name; });

TEST(WindingDetails, FollowTheFieldsAfterACalculation) {
    for (const char* core : {"KQ CORE", "R CORE"}) {
        MemoryFieldSet fields;
        ASSERT_TRUE(calculate(fields, core));
        const WindingDetails details = computeDetails(fields, core, {});
        EXPECT_EQ(details.reasons, std::vector<std::string>{}) << core;
        const double field21 = fields.number(field::kWireDiameter);
        const auto sizes = wireSizes(WireSeries::IecGrade1);
        const auto next =
            std::ranges::find_if(sizes,
                                 [&](const WireSize& size) {
                                     return size.designation == details.standardWire->designation;
                                 }) +
            1;
        EXPECT_LE(details.standardWire->overallMaxMm, field21) << core;
        EXPECT_TRUE(next == sizes.end() || next->overallMaxMm > field21) << core;
    }
    const WindingDetails refused =
        computeDetails(fieldsWith({{field::kA, "1e400"}}), "KQ CORE", {});
    EXPECT_EQ(refused.reasons.size(), 1U);
    EXPECT_FALSE(refused.wholeTurns);
}

TEST(Calibration, AlFromATestCoil) {
    // 5.0457 uH at 11 turns: 1000 x 5.0457 / 121 = 41.7 nH/N^2
    expectClose(calibratedAl(5.0457, 11), 41.7);
    MemoryFieldSet fields;
    writeCalibratedAl(fields, 5.0457, 11);
    EXPECT_EQ(fields.text(field::kAl), "41.7");
    for (const auto& [uh, turns] : {std::pair{4.7, 0.0}, {-1.0, 10.0}, {1e300, 1e-300}}) {
        EXPECT_THROW(writeCalibratedAl(fields, uh, turns), CalculationFault) << uh << " " << turns;
    }
    EXPECT_EQ(fields.text(field::kAl), "41.7");
}

TEST(WireTable, EverySeriesRunsThinnestFirstAndIsNamed) {
    for (const WireSeries series : kWireSeries) {
        const auto sizes = wireSizes(series);
        ASSERT_FALSE(sizes.empty());
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            EXPECT_GT(sizes[i].overallMaxMm, sizes[i].bareMm) << sizes[i].designation;
            if (i > 0) {
                EXPECT_GT(sizes[i].bareMm, sizes[i - 1].bareMm) << sizes[i].designation;
                EXPECT_GT(sizes[i].overallMaxMm, sizes[i - 1].overallMaxMm);
            }
        }
        EXPECT_EQ(seriesFromKey(seriesKey(series)), series);
    }
    EXPECT_EQ(seriesFromKey("iec"), std::nullopt);
    EXPECT_LE(wireSizes(WireSeries::IecGrade2).front().bareMm, 0.020);
    EXPECT_EQ(wireSizes(WireSeries::AwgHeavy).front().designation, "AWG 44");
}

} // namespace
} // namespace coilwind
