#include "calc/current_rating.hpp"
#include "calc/winding_details.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <complex>
#include <numbers>
#include <string>
#include <vector>

namespace coilwind {
namespace {

// The start-up drum as the main window shows it after 计算.
DesignInputs startUpDrum() {
    DesignInputs design;
    design.core = CoreType::Drum;
    design.aMm = 8;
    design.bMm = 3.5;
    design.dMm = 10;
    design.fMm = 6.3;
    design.alNh = 41.7;
    design.wantedUh = 4.7;
    design.turns = 10.6;
    design.wireMaxMm = 0.761;
    return design;
}

DetailsSettings withCurrent(double dc, double ripple = 0, double kHz = 100, double ambient = 25) {
    DetailsSettings settings;
    settings.current.dcCurrentA = dc;
    settings.current.rippleCurrentA = ripple;
    settings.current.frequencyKhz = kHz;
    settings.current.ambientC = ambient;
    return settings;
}

CurrentRating rate(const DetailsSettings& settings) {
    const WindingDetails details = computeDetails(startUpDrum(), settings);
    EXPECT_TRUE(details.currentRating.has_value()) << ::testing::PrintToString(details.reasons);
    return details.currentRating.value_or(CurrentRating{});
}

// Copper's skin depth, δ = 6.64 / √f cm: W. C. Johnson, "Transmission Lines and Networks",
// McGraw-Hill 1963, p. 58 (as quoted by chemandy.com's skin-effect calculator). The model at
// 20 °C with IEC 60028's conductivity gives 6.609 / √f cm.
TEST(SkinDepth, MatchesPublishedCopperFigureWithinOnePercent) {
    for (const double hz : {1e2, 1e3, 1e4, 1e5, 5e5, 1e6, 1e7}) {
        const double published = 66.4 / std::sqrt(hz);
        EXPECT_NEAR(skinDepthMm(hz / 1000, 20), published, 0.01 * published) << hz << " Hz";
    }
}

// Dowell's factor at its two published limits: below Δ ≈ 1, Fr ≈ 1 + (5M² − 1) Δ⁴ / 45 (W. G.
// Hurley, E. Gath, J. G. Breslin, IEEE Trans. Power Electronics 15 (2), 2000: the expansion of
// Dowell's formula);
// far above, Fr → Δ (2M² + 1) / 3 (R. W. Erickson, D. Maksimović, "Fundamentals of Power
// Electronics", 2nd ed., ch. 13, the proximity loss for large φ). Within 3 %.
struct DowellPoint {
    double delta;
    double layers;
    double reference;
};

class DowellLimits : public ::testing::TestWithParam<DowellPoint> {};

TEST_P(DowellLimits, WithinThreePercent) {
    const DowellPoint& p = GetParam();
    EXPECT_NEAR(dowellFactor(p.delta, p.layers), p.reference, 0.03 * p.reference)
        << "Δ " << p.delta << ", " << p.layers << " layers";
}

std::vector<DowellPoint> dowellPoints() {
    std::vector<DowellPoint> points;
    for (const double m : {1.0, 2.0, 3.0, 5.0, 10.0}) {
        for (const double delta : {0.05, 0.2, 0.4, 0.6}) {
            points.push_back({delta, m, 1 + (5 * m * m - 1) / 45 * std::pow(delta, 4)});
        }
        for (const double delta : {8.0, 15.0, 40.0}) {
            points.push_back({delta, m, delta * (2 * m * m + 1) / 3});
        }
    }
    return points;
}

INSTANTIATE_TEST_SUITE_P(Published, DowellLimits, ::testing::ValuesIn(dowellPoints()));

// Dowell's factor in his own complex form, K = Re{αh coth αh} + ((m² − 1)/3) Re{2αh tanh(αh/2)}
// with αh = (1 + i) Δ (S. Zurek, "Calculator of proximity effect from Dowell curves",
// Encyclopedia Magnetica, after Dowell 1966): the real expansion the model uses must agree with it
// across the middle range, where neither limit holds, to rounding.
TEST(DowellFactor, AgreesWithDowellsComplexForm) {
    using Complex = std::complex<double>;
    for (const double m : {1.0, 2.0, 3.0, 5.0, 10.0}) {
        for (int step = 0; step < 24; ++step) { // Δ from 0.1 to 17, by a quarter each step
            const double delta = 0.1 * std::pow(1.25, step);
            const Complex ah(delta, delta);
            const double k = (ah / std::tanh(ah)).real() +
                             (m * m - 1) / 3 * (2.0 * ah * std::tanh(ah / 2.0)).real();
            EXPECT_NEAR(dowellFactor(delta, m), k, 1e-12 * k) << "Δ " << delta << ", " << m;
        }
    }
}

// Makers' drum-core inductors: body (mm), DCR (Ω) at its temperature, rated current for its
// rise. Sources:
// - Eaton DR series, Technical Data 4315 (Sept. 2017): Irms for ΔT ≈ 40 °C, DCR typ. at 20 °C;
//   DR73 case 7.6 × 7.6 × 3.55 mm (novapart.co's listing of DR73-1R5-R with that data sheet).
// - Eaton (Cooper Bussmann) DR1040 data sheet: 10.3 × 10.5 × 4.0 mm, Irms for ΔT ≈ 30 °C, DCR
//   typ. at 20 °C.
// - Bourns SRR1210A data sheet: 12 × 12 × 10 mm, temperature rise 40 °C typ. at rated Irms,
//   DCR max. (electrical figures at 25 °C).
// - ABC Taiwan Electronics, approval sheet of the Radial Inductor RH0910 (ferrite drum
//   core, rev. 20121003-E), every part of its table: Ø 9.30 × 9.80 mm, RDC max.,
//   electrical figures at 25 °C, "IDC base on Temp. rise 20 °C max.".
// - Vishay Dale IHD, document 34016 (rev. 27-Feb-06), model IHD-1 (ferrite bobbin in polyolefin
//   tubing, axial leads), the parts of the data sheet's first page (1.0 to 47 µH): Ø 6.85 ×
//   17.78 mm (both maxima), DCR max., rated current for a 40 °C rise; the DCR's temperature is
//   not stated and is taken at 25 °C (5 K either way moves the model by 1 %).
enum class Shape { Box, Cylinder };

struct Body {
    Shape shape;
    double aMm, bMm, heightMm; // a box's length and width, or a cylinder's diameter (b unused)
};

constexpr Body box(double lengthMm, double widthMm, double heightMm) {
    return {Shape::Box, lengthMm, widthMm, heightMm};
}

constexpr Body cylinder(double diameterMm, double heightMm) {
    return {Shape::Cylinder, diameterMm, 0, heightMm};
}

// SMD parts are rated soldered to a test board; leaded ones stand free in the air.
enum class Mount { Board, Leads };

struct MakersPart {
    const char* part;
    Body body;
    double dcrOhm, dcrAtC, riseK, ratedA;
    Mount mount;
};

constexpr Body kDr73 = box(7.6, 7.6, 3.55);
constexpr Body kDr1040 = box(10.3, 10.5, 4.0);
constexpr Body kSrr1210a = box(12, 12, 10);
constexpr Body kRh0910 = cylinder(9.3, 9.8);
constexpr Body kIhd1 = cylinder(6.85, 17.78);

constexpr MakersPart kParts[] = {
    {"DR73-1R0-R", kDr73, 0.0102, 20, 40, 5.28, Mount::Board},
    {"DR73-2R2-R", kDr73, 0.0165, 20, 40, 4.15, Mount::Board},
    {"DR73-4R7-R", kDr73, 0.0297, 20, 40, 3.09, Mount::Board},
    {"DR73-100-R", kDr73, 0.0656, 20, 40, 2.08, Mount::Board},
    {"DR73-220-R", kDr73, 0.107, 20, 40, 1.62, Mount::Board},
    {"DR73-470-R", kDr73, 0.241, 20, 40, 1.08, Mount::Board},
    {"DR73-101-R", kDr73, 0.527, 20, 40, 0.73, Mount::Board},
    {"DR73-221-R", kDr73, 1.05, 20, 40, 0.52, Mount::Board},
    {"DR73-471-R", kDr73, 2.36, 20, 40, 0.35, Mount::Board},
    {"DR1040-1R5-R", kDr1040, 0.006, 20, 30, 6.50, Mount::Board},
    {"DR1040-3R8-R", kDr1040, 0.0096, 20, 30, 5.50, Mount::Board},
    {"DR1040-100-R", kDr1040, 0.026, 20, 30, 3.80, Mount::Board},
    {"DR1040-220-R", kDr1040, 0.054, 20, 30, 2.50, Mount::Board},
    {"DR1040-470-R", kDr1040, 0.095, 20, 30, 1.90, Mount::Board},
    {"DR1040-101-R", kDr1040, 0.225, 20, 30, 1.25, Mount::Board},
    {"DR1040-221-R", kDr1040, 0.530, 20, 30, 0.70, Mount::Board},
    {"SRR1210A-4R7Y", kSrr1210a, 0.012, 25, 40, 8.5, Mount::Board},
    {"SRR1210A-6R8Y", kSrr1210a, 0.015, 25, 40, 7.85, Mount::Board},
    {"SRR1210A-100M", kSrr1210a, 0.018, 25, 40, 6.5, Mount::Board},
    {"SRR1210A-150M", kSrr1210a, 0.032, 25, 40, 5.8, Mount::Board},
    {"SRR1210A-220M", kSrr1210a, 0.038, 25, 40, 5.2, Mount::Board},
    {"SRR1210A-330M", kSrr1210a, 0.052, 25, 40, 4.4, Mount::Board},
    {"SRR1210A-470M", kSrr1210a, 0.072, 25, 40, 3.8, Mount::Board},
    {"RH09104R7ML", kRh0910, 0.031, 25, 20, 2.60, Mount::Leads},
    {"RH09106R8ML", kRh0910, 0.038, 25, 20, 2.30, Mount::Leads},
    {"RH0910100KL", kRh0910, 0.050, 25, 20, 1.90, Mount::Leads},
    {"RH0910150KL", kRh0910, 0.096, 25, 20, 1.60, Mount::Leads},
    {"RH0910220KL", kRh0910, 0.120, 25, 20, 1.30, Mount::Leads},
    {"RH0910330KL", kRh0910, 0.195, 25, 20, 1.00, Mount::Leads},
    {"RH0910470KL", kRh0910, 0.250, 25, 20, 0.94, Mount::Leads},
    {"RH0910680KL", kRh0910, 0.310, 25, 20, 0.73, Mount::Leads},
    {"RH0910101KL", kRh0910, 0.530, 25, 20, 0.67, Mount::Leads},
    {"RH0910151KL", kRh0910, 0.700, 25, 20, 0.52, Mount::Leads},
    {"RH0910221KL", kRh0910, 0.890, 25, 20, 0.46, Mount::Leads},
    {"RH0910331KL", kRh0910, 1.600, 25, 20, 0.37, Mount::Leads},
    {"RH0910471KL", kRh0910, 2.000, 25, 20, 0.30, Mount::Leads},
    {"RH0910681KL", kRh0910, 3.000, 25, 20, 0.26, Mount::Leads},
    {"RH0910102KL", kRh0910, 4.000, 25, 20, 0.19, Mount::Leads},
    {"IHD-1 1.0 µH", kIhd1, 0.009, 25, 40, 5.3, Mount::Leads},
    {"IHD-1 1.2 µH", kIhd1, 0.010, 25, 40, 5.0, Mount::Leads},
    {"IHD-1 1.5 µH", kIhd1, 0.011, 25, 40, 4.8, Mount::Leads},
    {"IHD-1 1.8 µH", kIhd1, 0.012, 25, 40, 4.6, Mount::Leads},
    {"IHD-1 2.2 µH", kIhd1, 0.013, 25, 40, 4.4, Mount::Leads},
    {"IHD-1 2.7 µH", kIhd1, 0.014, 25, 40, 4.2, Mount::Leads},
    {"IHD-1 3.3 µH", kIhd1, 0.016, 25, 40, 4.0, Mount::Leads},
    {"IHD-1 3.9 µH", kIhd1, 0.017, 25, 40, 3.8, Mount::Leads},
    {"IHD-1 4.7 µH", kIhd1, 0.022, 25, 40, 3.4, Mount::Leads},
    {"IHD-1 5.6 µH", kIhd1, 0.024, 25, 40, 3.2, Mount::Leads},
    {"IHD-1 6.8 µH", kIhd1, 0.026, 25, 40, 3.1, Mount::Leads},
    {"IHD-1 8.2 µH", kIhd1, 0.028, 25, 40, 3.0, Mount::Leads},
    {"IHD-1 10 µH", kIhd1, 0.033, 25, 40, 2.8, Mount::Leads},
    {"IHD-1 12 µH", kIhd1, 0.037, 25, 40, 2.6, Mount::Leads},
    {"IHD-1 15 µH", kIhd1, 0.040, 25, 40, 2.5, Mount::Leads},
    {"IHD-1 18 µH", kIhd1, 0.044, 25, 40, 2.4, Mount::Leads},
    {"IHD-1 22 µH", kIhd1, 0.050, 25, 40, 2.2, Mount::Leads},
    {"IHD-1 27 µH", kIhd1, 0.070, 25, 40, 1.9, Mount::Leads},
    {"IHD-1 33 µH", kIhd1, 0.075, 25, 40, 1.8, Mount::Leads},
    {"IHD-1 39 µH", kIhd1, 0.084, 25, 40, 1.7, Mount::Leads},
    {"IHD-1 47 µH", kIhd1, 0.104, 25, 40, 1.6, Mount::Leads},
};

// The body's whole outer surface: a box's six faces, or a cylinder's two ends and its side.
double surfaceCm2(const Body& b) {
    const double mm2 = b.shape == Shape::Box ? 2 * b.aMm * b.bMm + 2 * (b.aMm + b.bMm) * b.heightMm
                                             : std::numbers::pi * b.aMm * b.aMm / 2 +
                                                   std::numbers::pi * b.aMm * b.heightMm;
    return mm2 / 100;
}

// From size and DCR alone: the part's whole surface sheds the loss at the rated rise, the copper
// at the ambient plus the rise, the ambient being the temperature the data sheet states its
// figures at (the DCR's).
double modelRatedA(const MakersPart& p) {
    const double hot = p.dcrOhm * (1 + 0.00393 * (p.dcrAtC + p.riseK - 20)) /
                       (1 + 0.00393 * (p.dcrAtC - 20));
    return std::sqrt(powerForRiseW(p.riseK, surfaceCm2(p.body)) / hot);
}

// The still-air law knows nothing of the test board SMD parts are rated on (IEC 62024-2 sets
// one), which carries a share of the heat: on those the model is conservative by about a fifth
// (mean −22.5 %). Leaded parts stand free, as the law assumes: the radial drums come out 15 %
// under their ratings, the axial bobbins in tubing 15 % over them (taken at their maximum size).
// Every part stays within 30 %; 53 of the 59 lie within ±25 %.
// The details quote kRatedCurrentValidation beside the rated current: it must be these parts'.
TEST(RatedCurrent, MakersDrumInductors) {
    const RatingValidation& quoted = kRatedCurrentValidation;
    int within = 0;
    double lowest = 1;
    double highest = -1;
    for (const MakersPart& p : kParts) {
        const double error = modelRatedA(p) / p.ratedA - 1;
        EXPECT_LT(std::fabs(error), 0.30) << p.part;
        if (p.mount == Mount::Board) {
            EXPECT_LT(error, 0) << p.part << ": conservative on a test board";
        }
        within += std::fabs(error) <= quoted.tolerance ? 1 : 0;
        lowest = std::min(lowest, error);
        highest = std::max(highest, error);
    }
    EXPECT_EQ(std::size(kParts), static_cast<std::size_t>(quoted.parts));
    EXPECT_EQ(within, quoted.withinTolerance);
    EXPECT_GE(within, 0.8 * quoted.parts);
    EXPECT_NEAR(lowest, quoted.lowestError, 0.005);
    EXPECT_NEAR(highest, quoted.highestError, 0.005);
}

TEST(CurrentRating, LossRisesWithCurrent) {
    double last = -1;
    for (const double dc : {0.0, 0.5, 1.0, 2.0, 4.0}) {
        const CurrentRating rating = rate(withCurrent(dc, 0.3, 500));
        EXPECT_GT(rating.lossW, last) << dc << " A";
        EXPECT_GT(*rating.hotC, 25 - 1e-12);
        last = rating.lossW;
    }
}

TEST(CurrentRating, AcFactorTendsToOneAsFrequencyFalls) {
    double last = 1e9;
    for (const double kHz : {2000.0, 500.0, 100.0, 10.0, 1.0, 0.01}) {
        const double factor = rate(withCurrent(1, 0.3, kHz)).acFactor;
        EXPECT_LE(factor, last) << kHz << " kHz";
        last = factor;
    }
    EXPECT_NEAR(last, 1, 1e-6);
}

TEST(CurrentRating, RatedCurrentFallsAsAmbientRises) {
    double last = 1e9;
    for (const double ambient : {-40.0, 0.0, 25.0, 85.0, 150.0}) {
        const double rated = rate(withCurrent(1, 0, 100, ambient)).ratedCurrentA;
        EXPECT_LT(rated, last) << ambient << " °C";
        last = rated;
    }
}

TEST(CurrentRating, NoBalanceIsThermalRunaway) {
    const CurrentRating rating = rate(withCurrent(200));
    EXPECT_TRUE(rating.runaway);
    EXPECT_FALSE(rating.hotC.has_value());
    ASSERT_FALSE(rating.warnings.empty());
    EXPECT_NE(rating.warnings.front().find("thermal runaway"), std::string::npos);
}

// The start-up drum at 1 A, 0.3 A p-p, 500 kHz: 0.630 mm wire, δ ≈ 0.1 mm, two layers.
TEST(CurrentRating, StartUpDrumAtFiveHundredKilohertz) {
    const WindingDetails details = computeDetails(startUpDrum(), withCurrent(1, 0.3, 500));
    ASSERT_TRUE(details.currentRating);
    const CurrentRating& r = *details.currentRating;
    EXPECT_GT(r.acFactor, 3);
    ASSERT_TRUE(r.strands);
    EXPECT_LE(r.strands->strand.bareMm, 2 * r.skinDepthMm);
    EXPECT_GE(static_cast<double>(r.strands->strands) * r.strands->strand.bareMm *
                  r.strands->strand.bareMm,
              0.63 * 0.63 - 1e-9);
    ASSERT_TRUE(details.heatBalanceC);
    EXPECT_DOUBLE_EQ(details.standard->rHotOhm, *r.hotResistanceOhm);
    EXPECT_GT(r.ratedCurrentA, 1);
}

TEST(CurrentRating, NoCurrentNoRating) {
    const WindingDetails details = computeDetails(startUpDrum(), DetailsSettings{});
    EXPECT_FALSE(details.currentRating);
    EXPECT_FALSE(details.heatBalanceC);
    EXPECT_TRUE(details.reasons.empty());
}

} // namespace
} // namespace coilwind
