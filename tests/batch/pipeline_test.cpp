#include "batch/pipeline.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace coilwind::batch {
namespace {

std::string run(const std::string& input, const BatchLimits& limits = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    runBatch(in, out, BatchSettings{}, limits);
    return out.str();
}

// Rows cross many batch boundaries, in batches of a few records or a few bytes: the output is
// the rows of one-row runs, in input order.
TEST(Pipeline, BatchesOfAnySizeGiveTheRowsOfOneRowRuns) {
    const std::string header = "model,core,A,B,D,F,mu,L,note\n";
    std::vector<std::string> lines;
    for (int i = 0; i < 240; ++i) {
        const char* cores[] = {"KQ CORE", "R CORE", "drum", "cone"};
        lines.push_back("m" + std::to_string(i) + "," + cores[i % 4] + "," +
                        std::to_string(5 + i % 7) + ",3." + std::to_string(i % 10) + ",10,6.3," +
                        std::to_string(i % 11 == 0 ? 0 : 300 + i) + "," +
                        (i % 13 == 0 ? "x" : std::to_string(1 + i % 9)) + ",\"n, " +
                        std::string(static_cast<std::size_t>(i % 50), '#') + "\"\n");
    }
    std::string expected;
    std::string input = header;
    for (const std::string& line : lines) {
        const std::string alone = run(header + line);
        if (expected.empty()) {
            expected = alone.substr(0, alone.find('\n') + 1);
        }
        expected += alone.substr(alone.find('\n') + 1);
        input += line;
    }
    for (const BatchLimits limits :
         {BatchLimits{1, 1024}, BatchLimits{2, 1024 * 1024}, BatchLimits{7, 1024 * 1024},
          BatchLimits{4096, 1}, BatchLimits{4096, 600}, BatchLimits{}}) {
        EXPECT_EQ(run(input, limits), expected)
            << limits.records << " records, " << limits.bytes << " bytes";
    }
}

} // namespace
} // namespace coilwind::batch
