#include "batch/command_line.hpp"
#include "batch/pipeline.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace coilwind::batch {
namespace {

struct ToolRun {
    int status = 0;
    std::string out, err;
};

ToolRun run(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine({}, in, out, err);
    return {status, out.str(), err.str()};
}

// A table as a spreadsheet saves "Unicode Text": tabs, CR LF, a Chinese model and one beyond
// the basic plane (a surrogate pair in UTF-16).
const std::u16string kTable = u"model\tcore\tA\tB\tD\tF\tmu\tL\r\n"
                              u"磁棒 𝄞\tR CORE\t8\t3.5\t10\t6.3\t500\t4.7\r\n"
                              u"KQ8*10\tKQ CORE\t8\t3.5\t10\t6.3\t500\t4,7\r\n";
const std::string kTableUtf8 = "model\tcore\tA\tB\tD\tF\tmu\tL\r\n"
                               "磁棒 𝄞\tR CORE\t8\t3.5\t10\t6.3\t500\t4.7\r\n"
                               "KQ8*10\tKQ CORE\t8\t3.5\t10\t6.3\t500\t4,7\r\n";

std::string utf16(const std::u16string& text, bool littleEndian, bool mark = true) {
    std::string bytes = !mark ? "" : littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

class Utf16Tables : public testing::TestWithParam<bool> {};

TEST_P(Utf16Tables, AreReadAndWrittenAsUtf8) {
    const ToolRun utf8 = run(kTableUtf8);
    const ToolRun wide = run(utf16(kTable, GetParam()));
    EXPECT_EQ(wide.status, utf8.status);
    EXPECT_EQ(wide.out, utf8.out);
    EXPECT_NE(wide.out.find("磁棒 𝄞\tR CORE"), std::string::npos);
    // A lone last byte and an unpaired surrogate become U+FFFD, and the rest is read.
    std::u16string broken = kTable;
    broken.insert(broken.find(u"KQ8"), 1, u'\xD800');
    const ToolRun odd = run(utf16(broken, GetParam()) + "x");
    EXPECT_NE(odd.out.find("\xEF\xBF\xBDKQ8*10"), std::string::npos) << odd.out;
}

INSTANTIATE_TEST_SUITE_P(ByteOrder, Utf16Tables, testing::Bool(),
                         [](const auto& param) { return param.param ? "Little" : "Big"; });

// Without its mark a UTF-16 table is refused with a whole sentence, not one cut at a NUL byte.
TEST(Utf16Tables, WithoutAMarkAreRefusedWithWhatToDo) {
    const ToolRun refused = run(utf16(kTable, true, false));
    EXPECT_EQ(refused.status, kUsageOrInputOutputError);
    EXPECT_NE(refused.err.find("save the table as \"CSV UTF-8\" (or as \"Unicode Text\", which has "
                               "the mark) and run it again\n"),
              std::string::npos)
        << refused.err;
}

// The rows the window would compute on a shape no core has: the results as the window shows
// them, no details, and the input check's words.
TEST(ImpossibleShapes, GetTheInputChecksMessage) {
    const ToolRun shapes = run("model,core,A,B,D,F,mu,L\n"
                               "r,R CORE,-5,20,,,400,4.7\n"
                               "d,KQ CORE,8,3.5,10,12,500,4.7\n");
    EXPECT_NE(shapes.out.find(",details: Core shape: A = -5: a rod's diameter must be above 0\n"),
              std::string::npos)
        << shapes.out;
    EXPECT_NE(shapes.out.find(",details: Core shape: F = 12 is above D = 10: the winding width "
                              "between the flanges cannot exceed the core's length\n"),
              std::string::npos)
        << shapes.out;
}

} // namespace
} // namespace coilwind::batch
