#include "batch/batch.hpp"
#include "batch/command_line.hpp"
#include "batch/csv.hpp"
#include "calc/number_text.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace coilwind::batch {
namespace {

using Row = std::map<std::string, std::string>; // cell by column name

struct Outcome {
    int status = 0;
    std::vector<Row> rows;
    std::string err;
};

Outcome runTool(const std::string& input, const std::vector<std::string_view>& args = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Outcome result{runCommandLine(args, in, out, err), {}, err.str()};
    std::istringstream written(out.str());
    CsvReader reader(written);
    CsvRecord header;
    CsvRecord record;
    reader.next(header);
    while (reader.next(record)) {
        EXPECT_EQ(record.cells.size(), header.cells.size()) << out.str();
        Row& row = result.rows.emplace_back();
        for (std::size_t i = 0; i < record.cells.size() && i < header.cells.size(); ++i) {
            row[header.cells[i]] = record.cells[i];
        }
    }
    return result;
}

constexpr std::string_view kHeader = "model,core,A,B,D,F,mu,L\n";
const std::string kDrum = "KQ8*10,KQ CORE,8,3.5,10,6.3,500,4.7\n";
const std::string kRod = "\"R8, long\",R CORE,8,3.5,10,6.3,500,4.7\n";

struct Results {
    std::string al, turns, wireMax, dcr, copperG, error;
};

Results resultsOf(const Row& row) {
    return {row.at("AL"),  row.at("turns"),    row.at("wire_max"),
            row.at("dcr"), row.at("copper_g"), row.at("error")};
}

bool operator==(const Results& a, const Results& b) {
    return std::tie(a.al, a.turns, a.wireMax, a.dcr, a.copperG, a.error) ==
           std::tie(b.al, b.turns, b.wireMax, b.dcr, b.copperG, b.error);
}

void PrintTo(const Results& r, std::ostream* os) {
    *os << r.al << " | " << r.turns << " | " << r.wireMax << " | " << r.dcr << " | " << r.copperG
        << " | " << r.error;
}

const Results kDrumResults{"41.7", "10.6", "0.761", "0.0075", "0.779", ""};
const Results kRodResults{"902.2", "2.3", "1.323", "0.0008", "0.710", ""};

// The start-up designs give the window's results, whatever the line ends and byte-order mark; an
// empty line is no record.
TEST(Batch, StartUpDesignsGiveTheWindowsResults) {
    for (const std::string& input : std::vector<std::string>{
             std::string(kHeader) + kDrum + kRod,
             "\xEF\xBB\xBFmodel,core,A,B,D,F,mu,L\r\nKQ8*10,KQ CORE,8,3.5,10,6.3,500,4.7\r\n\r\n"
             "\"R8, long\",R CORE,8,3.5,10,6.3,500,4.7"}) {
        const Outcome result = runTool(input);
        EXPECT_EQ(result.status, kEveryRowComputed) << result.err;
        ASSERT_EQ(result.rows.size(), 2U);
        EXPECT_EQ(resultsOf(result.rows[0]), kDrumResults);
        EXPECT_EQ(resultsOf(result.rows[1]), kRodResults);
        EXPECT_EQ(result.rows[0].at("model"), "KQ8*10");
        EXPECT_EQ(result.rows[1].at("model"), "R8, long");
    }
}

// Drum start-up design, 11 whole turns of IEC grade 1 0.630 mm (od 0.679 <= 0.761, the next size
// is thicker): floor(6.3 / 0.679) = 9 per layer, 2 layers, build 1.358 <= (8 - 3.5) / 2. Mean
// diameters 3.5 + 0.679 and 3.5 + 3 x 0.679: 9 x pi x 4.179 + 2 x pi x 5.537 mm of wire.
// L = 41.7 x 11^2 / 1000 uH.
TEST(Batch, EveryDetailsColumnInShortestForm) {
    const Outcome result = runTool(std::string(kHeader) + kDrum);
    ASSERT_EQ(result.rows.size(), 1U);
    const Row& row = result.rows[0];
    EXPECT_EQ(row.size(), 8U + 5 + 15 + 1);
    const std::map<std::string, std::string> expected{
        {"wire", "0.630 mm"}, {"bare_mm", "0.63"}, {"od_max_mm", "0.679"}, {"turns_whole", "11"},
        {"per_layer", "9"},   {"layers", "2"},     {"build_mm", "1.358"},  {"fits", "yes"},
        {"fit_wire", ""},     {"error", ""}};
    for (const auto& [column, text] : expected) {
        EXPECT_EQ(row.at(column), text) << column;
    }
    EXPECT_DOUBLE_EQ(std::stod(row.at("length_m")),
                     (9 * std::numbers::pi * 4.179 + 2 * std::numbers::pi * 5.537) / 1000);
    EXPECT_EQ(row.at("l_whole_uh"), shortestText(41.7 * 121 / 1000));
    for (const char* column : {"r20_ohm", "rt_ohm", "mass_g", "isat_a"}) {
        const std::string& text = row.at(column);
        const auto value = readDecimalNumber(text);
        ASSERT_TRUE(value.has_value()) << column << ": " << text;
        EXPECT_EQ(shortestText(*value), text) << column;
    }
    // The options reach the details.
    const Outcome awg =
        runTool(std::string(kHeader) + kDrum, {"--series", "awg-heavy", "--temperature=20"});
    ASSERT_EQ(awg.rows.size(), 1U);
    EXPECT_EQ(awg.rows[0].at("wire").substr(0, 4), "AWG ");
    EXPECT_EQ(awg.rows[0].at("rt_ohm"), awg.rows[0].at("r20_ohm"));
}

// A faulting row keeps what was written before the fault and names the step; the rows around it
// are computed as ever.
TEST(Batch, FaultingRowNamesItsStep) {
    const struct {
        std::string design;
        Results expected;
    } cases[] = {
        {"m,KQ CORE,8,3.5,10,6.3,0,4.7",
         {"0.0", "", "", "", "", "turns: division by zero (AL is 0)"}},
        {"m,KQ CORE,8,3.5,10,6.3,500,-4.7",
         {"41.7", "", "", "", "", "turns: square root of a negative number (L / AL is negative)"}},
        {"m,KQ CORE,8,3.5,10,6.3,500,",
         {"41.7", "0.0", "", "", "", "wire_max: division by zero (turns is 0)"}},
        {"m,KQ CORE,3,3.5,10,6.3,500,4.7",
         {"63.6", "8.6", "", "", "",
          "wire_max: square root of a negative number ((A - B) x F / turns is negative)"}},
        {"m,R CORE,8,0,10,6.3,500,4.7", {"", "", "", "", "", "AL: division by zero (B is 0)"}},
        {"m,KQ CORE,6.5,3.5,-3,6.3,500,4.7",
         {"", "", "", "", "", "AL: division by zero (A + D - B is 0)"}},
        {"m,KQ CORE,1e999,3.5,10,6.3,500,4.7",
         {"", "", "", "", "", "AL: A holds a number beyond the range of a double"}},
    };
    for (const auto& c : cases) {
        const Outcome result = runTool(std::string(kHeader) + kDrum + c.design + "\n" + kRod);
        EXPECT_EQ(result.status, kSomeRowFailed);
        ASSERT_EQ(result.rows.size(), 3U) << c.design;
        EXPECT_EQ(resultsOf(result.rows[0]), kDrumResults);
        EXPECT_EQ(resultsOf(result.rows[1]), c.expected) << c.design;
        EXPECT_EQ(result.rows[1].at("wire"), "") << c.design;
        EXPECT_EQ(resultsOf(result.rows[2]), kRodResults);
    }
}

// A given AL stands in field 18; only the turns and winding stages run.
TEST(Batch, AlCellReplacesTheAlStage) {
    const Outcome result =
        runTool("model,core,A,B,D,F,mu,L,AL\n" + kDrum.substr(0, kDrum.size() - 1) + ",40\n" +
                kDrum.substr(0, kDrum.size() - 1) + ",\n");
    ASSERT_EQ(result.rows.size(), 2U);
    const Row& given = result.rows[0];
    EXPECT_EQ(given.at("turns"), "10.8");
    EXPECT_EQ(given.at("wire_max"), "0.754");
    EXPECT_EQ(given.at("AL"), "40"); // the given text, as the window would show it
    EXPECT_EQ(resultsOf(result.rows[1]), kDrumResults);
}

// A malformed record gets a row of its own with its line number; the run goes on.
TEST(Batch, MalformedLinesGetAnErrorRow) {
    const std::string tooLong = "x," + std::string(kMaxRecordBytes, 'y') + "\n";
    const struct {
        std::string bad;
        std::string error;
    } cases[] = {
        {"\"KQ, open,KQ CORE,8\n", "line 3: unclosed quote"},
        {tooLong, "line 3: line longer than 65536 bytes"},
        {"KQ,KQ CORE,8\n", "line 3: 3 cells where the header has 8"},
    };
    for (const auto& c : cases) {
        // The record with the unclosed quote runs to the end; reading resumes after its line.
        const Outcome result = runTool(std::string(kHeader) + kDrum + c.bad + kDrum);
        EXPECT_EQ(result.status, kSomeRowFailed);
        ASSERT_EQ(result.rows.size(), 3U) << c.error;
        EXPECT_EQ(result.rows[1].at("error"), c.error);
        EXPECT_EQ(result.rows[1].at("AL"), "");
        EXPECT_EQ(resultsOf(result.rows[2]), kDrumResults) << c.error;
    }
}

TEST(Batch, ColumnsByNameInAnyOrderAndCaseUnknownOnesPassed) {
    const Outcome result =
        runTool("Note,l,MU,f,d,b,a,CORE,Model\n\"two\nlines\",4.7,500,6.3,10,3.5,8,R CORE,R8\n");
    ASSERT_EQ(result.rows.size(), 1U);
    EXPECT_EQ(result.rows[0].at("Note"), "two\nlines");
    EXPECT_EQ(resultsOf(result.rows[0]), kRodResults);
}

// A named file is read byte for byte (a Ctrl-Z ends a file only in Windows' text mode) and its
// UTF-8 name is found on every system, also outside Windows' ANSI code page.
TEST(Batch, FileWithAChineseNameIsReadByteForByte) {
    const std::string name = "\xE7\xA3\x81\xE8\x8A\xAF \xC2\xB5.csv"; // "磁芯 µ.csv"
    const std::u8string utf8Name(name.begin(), name.end());
    const auto path = std::filesystem::temp_directory_path() / utf8Name;
    std::ofstream(path, std::ios::binary)
        << "model,core,A,B,D,F,mu,L\r\n\"KQ\x1A\r\n8\"" << kDrum.substr(kDrum.find(',')) << kRod;
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream none;
    const std::u8string utf8Path = path.u8string();
    const std::string argument(utf8Path.begin(), utf8Path.end());
    const int status = runCommandLine(std::vector<std::string_view>{argument}, none, out, err);
    std::filesystem::remove(path);
    EXPECT_EQ(status, kEveryRowComputed) << err.str();
    const std::string written = out.str();
    const std::string firstRow = "\"KQ\x1A\r\n8\",KQ CORE,8,";
    EXPECT_EQ(written.substr(written.find('\n') + 1, firstRow.size()), firstRow);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 4) << written;
}

TEST(Batch, ExitStatusAndMessages) {
    const struct {
        std::vector<std::string_view> args;
        std::string input;
        int status;
        std::string errStart; // first line of the error output
        bool usage = false;   // the usage follows
    } cases[] = {
        {{},
         "model,core,A,B,D,F\n",
         kUsageOrInputOutputError,
         "coilwind-batch: standard input: missing column mu, L in the header line"},
        {{},
         "model,a,core,A,B,D,F,mu,L\n",
         kUsageOrInputOutputError,
         "coilwind-batch: standard input: column A appears twice (columns 2 and 4)"},
        {{},
         "",
         kUsageOrInputOutputError,
         "coilwind-batch: standard input: no header line: the input is empty"},
        {{"/nonexistent/designs.csv"},
         "",
         kUsageOrInputOutputError,
         "coilwind-batch: /nonexistent/designs.csv: no such file"},
        {{"/"}, "", kUsageOrInputOutputError, "coilwind-batch: /: a directory, not a file"},
        {{"--bogus"},
         "",
         kUsageOrInputOutputError,
         "coilwind-batch: unknown option \"--bogus\"",
         true},
        {{"--tolerance=96"},
         "",
         kUsageOrInputOutputError,
         "coilwind-batch: --tolerance needs AL tolerance from 0 to 95 %, not \"96\"",
         true},
        {{"--temperature", "1e308"},
         "",
         kUsageOrInputOutputError,
         "coilwind-batch: --temperature needs temperature from -55 to 250 °C, not \"1e308\"",
         true},
        {{"--series", "awg"},
         "",
         kUsageOrInputOutputError,
         "coilwind-batch: --series needs one of iec-grade1, iec-grade2, awg-heavy, not \"awg\"",
         true},
        {{"--bs"}, "", kUsageOrInputOutputError, "coilwind-batch: --bs needs a value", true},
        {{"a.csv", "b.csv"},
         "",
         kUsageOrInputOutputError,
         "coilwind-batch: one input at the most, not \"a.csv\" and \"b.csv\"",
         true},
        {{"--series=awg-heavy", "--temperature", "20", "--bs", "350", "--tolerance", "10", "-"},
         std::string(kHeader) + kDrum,
         kEveryRowComputed,
         ""},
    };
    for (const auto& c : cases) {
        const Outcome result = runTool(c.input, c.args);
        EXPECT_EQ(result.status, c.status) << c.errStart;
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), c.errStart);
        EXPECT_EQ(result.err.ends_with("\n" + usageText()), c.usage) << c.errStart;
    }
    for (const std::string_view option : {"--help", "--version"}) {
        std::istringstream none;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runCommandLine(std::vector{option}, none, out, err), kEveryRowComputed);
        EXPECT_EQ(out.str().substr(0, 15),
                  option == "--help" ? "usage: coilwind" : "coilwind-batch ");
    }
}

} // namespace
} // namespace coilwind::batch
