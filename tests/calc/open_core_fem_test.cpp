#include "calc/open_core.hpp"
#include "open_core_fem_csv.hpp"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace coilwind {
namespace {

// One row of tests/data/open_core_fem.csv, written by tools/fem/run_open_core_grid.py: an
// axisymmetric magnetostatic field solution (gmsh + getdp) of a core and its winding.
struct FieldSolution {
    std::string kind; // solenoid, convergence, drum, rod
    double aMm = 0, bMm = 0, dMm = 0, fMm = 0, permeability = 0, alNh = 0;
    double reference = 0; // solenoid: Nagaoka's AL; convergence: the base mesh's
    std::string set;      // drum, rod: fit or check half; convergence: what was changed
};

std::vector<FieldSolution> readSolutions() {
    std::istringstream in{std::string(kOpenCoreFemCsv)};
    std::vector<FieldSolution> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (header) {
            header = false;
            continue;
        }
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream cells(line);
        FieldSolution row;
        cells >> row.kind >> row.aMm >> row.bMm >> row.dMm >> row.fMm >> row.permeability >>
            row.alNh;
        if (row.kind == "solenoid" || row.kind == "convergence") {
            cells >> row.reference;
        }
        cells >> row.set;
        rows.push_back(row);
    }
    return rows;
}

const std::vector<FieldSolution>& solutions() {
    static const std::vector<FieldSolution> rows = readSolutions();
    return rows;
}

std::vector<FieldSolution> ofKind(const std::string& kind) {
    std::vector<FieldSolution> rows;
    std::copy_if(solutions().begin(), solutions().end(), std::back_inserter(rows),
                 [&](const FieldSolution& row) { return row.kind == kind; });
    return rows;
}

// The set-up first: air-core solenoids against Nagaoka's formula, and the start-up drum with a
// finer mesh and a farther boundary.
TEST(FieldSolutions, SetUpMatchesNagaokaAndConverges) {
    ASSERT_EQ(ofKind("solenoid").size(), 3U);
    for (const FieldSolution& row : ofKind("solenoid")) {
        EXPECT_NEAR(row.alNh / row.reference, 1, 0.005) << "length " << row.dMm;
    }
    ASSERT_EQ(ofKind("convergence").size(), 3U);
    for (const FieldSolution& row : ofKind("convergence")) {
        EXPECT_NEAR(row.alNh / row.reference, 1, 0.01) << row.set;
    }
}

struct Errors {
    double mean = 0, lowest = 0, highest = 0;
    std::size_t count = 0;
};

template <typename Model>
Errors errorsOf(const std::string& kind, const std::string& set, Model model) {
    Errors e;
    double sum = 0;
    for (const FieldSolution& row : ofKind(kind)) {
        if (!set.empty() && row.set != set) {
            continue;
        }
        const OpenCoreOpinion opinion = model(row);
        if (!opinion.estimate) {
            ADD_FAILURE() << kind << " " << row.aMm << " " << row.bMm << " µ " << row.permeability
                          << ": no estimate";
            continue;
        }
        const double error = opinion.estimate->alNh / row.alNh - 1;
        EXPECT_GE(error, opinion.estimate->band.lowError - 5e-4) << kind << " " << row.aMm;
        EXPECT_LE(error, opinion.estimate->band.highError + 5e-4) << kind << " " << row.aMm;
        e.lowest = std::min(e.lowest, error);
        e.highest = std::max(e.highest, error);
        sum += std::fabs(error);
        ++e.count;
    }
    e.mean = e.count > 0 ? sum / static_cast<double>(e.count) : 0;
    return e;
}

const auto kDrum = [](const FieldSolution& row) {
    return drumSecondOpinion(row.aMm, row.bMm, row.dMm, row.fMm, row.permeability, 0);
};
const auto kRod = [](const FieldSolution& row) {
    return rodSecondOpinion(row.aMm, row.bMm, row.permeability, 0);
};

// 32 drums at µ 125, 500 and 2000: every error within the drum's band; the constants were fitted
// on the "fit" half, so the "check" half shows how the model does on shapes it was not fitted
// to.
TEST(FieldSolutions, DrumModelWithinItsBand) {
    const Errors fit = errorsOf("drum", "fit", kDrum);
    const Errors check = errorsOf("drum", "check", kDrum);
    EXPECT_EQ(fit.count, 48U);
    EXPECT_EQ(check.count, 48U);
    EXPECT_LE(check.mean, 0.02);
    EXPECT_LE(std::max(-check.lowest, check.highest), 0.03);
}

// The rod model has no constant fitted to anything: all of its rods count.
TEST(FieldSolutions, RodModelWithinItsBand) {
    const Errors all = errorsOf("rod", "", kRod);
    EXPECT_EQ(all.count, 30U);
    EXPECT_LE(all.mean, 0.04);
}

} // namespace
} // namespace coilwind
