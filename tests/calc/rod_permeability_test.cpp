#include "calc/rod_permeability.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vector>

namespace coilwind {
namespace {

// Points read off Fair-Rite Products Corp.'s chart "Rod Permeability vs. Rod Length divided by
// Rod Diameter" (Figure 1 of Fair-Rite's rod data, beside Figure 2 "Inductance Modifier K" and
// L = K µ0 µrod N² Ae / l × 10⁴ µH), as reproduced in the public repository
// github.com/csezenoglu/RTD-Loop-Antennas, file img/rod-permeability-inductance-modifier.png at
// commit 3fc61bc5308647d872e2e086cf9d255676b75a06 (credited there to the Fair-Rite rods data
// sheet). Curves and material permeabilities: 61 = 125, 52 = 250, 33 = 600, 77 = 2000 (78 = 2300
// shares its curve), 67 = 40.
//
// Each reading is the centre of the curve's ink at the rod length over diameter, on the chart's
// own gridlines as scale; one pixel of that copy is 0.19 on µrod and a curve is drawn about two
// pixels wide. Where the chart draws several materials as one line (short rods), the reading is
// that line's centre and the model's mean over those materials is compared with it.
struct ChartPoint {
    std::vector<double> permeabilities;
    double lengthPerDiameter;
    double rodPermeability;
};

const std::vector<ChartPoint> kFairRiteChart = {
    {{2000, 600, 250, 125, 40}, 2, 5.45},
    {{2000, 600, 250, 125}, 3, 8.92},
    {{40}, 3, 7.61},
    {{2000, 600, 250, 125}, 4, 12.66},
    {{40}, 4, 10.12},
    {{2000, 600, 250}, 5, 17.33},
    {{125}, 5, 15.78},
    {{40}, 5, 12.58},
    {{2000, 600}, 6, 22.59},
    {{250}, 6, 21.20},
    {{125}, 6, 19.68},
    {{40}, 6, 14.86},
    {{2000}, 7, 28.48},
    {{600}, 7, 27.61},
    {{250}, 7, 25.98},
    {{125}, 7, 23.64},
    {{40}, 7, 17.00},
    {{2000}, 8, 34.59},
    {{600}, 8, 33.31},
    {{250}, 8, 30.96},
    {{125}, 8, 27.64},
    {{40}, 8, 18.97},
    {{2000}, 9, 41.21},
    {{600}, 9, 39.32},
    {{250}, 9, 36.09},
    {{125}, 9, 31.63},
    {{40}, 9, 20.77},
    {{2000}, 10, 47.98},
    {{600}, 10, 45.53},
    {{250}, 10, 41.25},
    {{125}, 10, 35.48},
    {{40}, 10, 22.24},
};

// Two pixels of the copy: about one drawn line width.
constexpr double kChartReadingTolerance = 0.4;

double modelRodPermeability(double permeability, double lengthPerDiameter) {
    const RodSecondOpinion opinion = rodSecondOpinion(1, lengthPerDiameter, permeability, 0);
    if (!opinion.estimate) {
        ADD_FAILURE() << "no estimate at µ " << permeability << ", l/d " << lengthPerDiameter;
        return 0;
    }
    return opinion.estimate->effectivePermeability;
}

TEST(RodPermeability, FollowsFairRiteRodChart) {
    for (const ChartPoint& point : kFairRiteChart) {
        double sum = 0;
        for (double permeability : point.permeabilities) {
            sum += modelRodPermeability(permeability, point.lengthPerDiameter);
        }
        const double mean = sum / static_cast<double>(point.permeabilities.size());
        EXPECT_NEAR(mean, point.rodPermeability, kChartReadingTolerance)
            << "l/d " << point.lengthPerDiameter << ", first µ " << point.permeabilities.front();
    }
}

// The AL by Fair-Rite's rod formula in its own units (Ae in cm², l in cm, L in µH, K = 1), as an
// independent check of the model's units; and the main window's formula for the quick AL.
TEST(RodPermeability, AlByFairRiteFormulaAndTurns) {
    struct Case {
        double diameterMm, lengthMm, permeability, quickAlNh;
    };
    for (const Case& c :
         {Case{5, 20, 125, 15.41789}, Case{5, 20, 400, 49.33725}, Case{10, 40, 2000, 493.3725}}) {
        const RodSecondOpinion opinion =
            rodSecondOpinion(c.diameterMm, c.lengthMm, c.permeability, 4.7);
        ASSERT_TRUE(opinion.estimate);
        const RodShapeEstimate& e = *opinion.estimate;
        const double pi = std::acos(-1.0);
        const double areaCm2 = pi * (c.diameterMm / 20) * (c.diameterMm / 20);
        const double alUh =
            4 * pi * 1e-7 * e.effectivePermeability * areaCm2 / (c.lengthMm / 10) * 1e4;
        EXPECT_NEAR(e.alNh, alUh * 1000, 1e-9 * e.alNh);
        EXPECT_NEAR(e.quickAlNh, c.quickAlNh, 5e-5);
        EXPECT_NEAR(e.ratioToQuick, e.alNh / e.quickAlNh, 1e-12);
        ASSERT_TRUE(e.turns);
        EXPECT_NEAR(*e.turns * *e.turns * e.alNh, 4700, 1e-9);
    }
}

TEST(RodPermeability, GivesNoFiguresOutsideItsRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double diameterMm, lengthMm, permeability;
        std::optional<RodModelGap> gap;
    };
    for (const Case& c : {
             Case{8, 3.5, 500, RodModelGap::TooShort}, // a disc, not a rod
             Case{5, 9.99, 125, RodModelGap::TooShort},
             Case{5, 10, 125, std::nullopt},
             Case{5, 50, 125, std::nullopt},
             Case{5, 50.01, 125, RodModelGap::TooLong},
             Case{5, 20, 39.9, RodModelGap::PermeabilityTooLow},
             Case{5, 20, 40, std::nullopt},
             Case{5, 20, 2300, std::nullopt},
             Case{5, 20, 2300.1, RodModelGap::PermeabilityTooHigh},
             Case{0, 20, 125, RodModelGap::NoShape},
             Case{5, -20, 125, RodModelGap::NoShape},
             Case{5, 20, nan, RodModelGap::NoShape},
             Case{inf, 20, 125, RodModelGap::NoShape},
             Case{1e300, 1e-300, 125, RodModelGap::TooShort},
             Case{1e200, 5e200, 125, RodModelGap::BeyondDoubleRange},
         }) {
        const RodSecondOpinion opinion =
            rodSecondOpinion(c.diameterMm, c.lengthMm, c.permeability, 4.7);
        EXPECT_EQ(opinion.gap, c.gap)
            << c.diameterMm << " x " << c.lengthMm << " µ " << c.permeability;
        EXPECT_EQ(opinion.estimate.has_value(), !c.gap.has_value());
        if (c.gap) {
            EXPECT_FALSE(describeRodModelGap(*c.gap).empty());
        }
    }
}

TEST(RodPermeability, TurnsOnlyForAWantedInductanceAboveZero) {
    for (double wanted : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), 1e308}) {
        const RodSecondOpinion opinion = rodSecondOpinion(5, 20, 125, wanted);
        ASSERT_TRUE(opinion.estimate) << wanted;
        EXPECT_FALSE(opinion.estimate->turns) << wanted;
    }
}

TEST(RodPermeability, DisagreementAboveAQuarterEitherWay) {
    struct Case {
        double alNh, quickAlNh;
        bool disagree;
    };
    for (const Case& c : {Case{100, 125, false}, Case{100, 125.001, true}, Case{125, 100, false},
                          Case{125.001, 100, true}, Case{100, 100, false}}) {
        RodShapeEstimate e;
        e.alNh = c.alNh;
        e.quickAlNh = c.quickAlNh;
        EXPECT_EQ(alFiguresDisagree(e), c.disagree) << c.alNh << " vs " << c.quickAlNh;
    }
}

} // namespace
} // namespace coilwind
