#include "batch/command_line.hpp"
#include "batch/csv.hpp"
#include "batch/pipeline.hpp"
#include "calc/number_text.hpp"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace coilwind::batch {
namespace {

using Row = std::map<std::string, std::string>; // cell by column name

struct Outcome {
    int status = 0;
    std::vector<Row> rows;
    std::string err;
    std::string out;
    std::vector<std::string> header;
};

// Runs the tool; the output is read back with the delimiter the input's header line starts with.
Outcome runTool(const std::string& input, const std::vector<std::string_view>& args = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Outcome result{runCommandLine(args, in, out, err), {}, err.str(), out.str(), {}};
    std::istringstream written(result.out);
    CsvReader reader(written);
    const auto delimiter = input.find_first_of(kDelimiters);
    reader.setDelimiter(delimiter == std::string::npos ? ',' : input[delimiter]);
    CsvRecord header;
    CsvRecord record;
    reader.next(header);
    result.header = header.cells;
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
    EXPECT_EQ(row.size(), 8U + 5 + 16 + 6 + 1);
    const std::map<std::string, std::string> expected{
        {"wire", "0.630 mm"}, {"bare_mm", "0.63"}, {"od_max_mm", "0.679"}, {"turns_whole", "11"},
        {"per_layer", "9"},   {"layers", "2"},     {"build_mm", "1.358"},  {"fits", "yes"},
        {"fit_wire", ""},     {"wire_note", ""},   {"error", ""}};
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
        {"m,KQ CORE,8,3.5,10,6.3,500,0",
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

// A malformed record gets a row of its own with its line number and no cells, so that the row
// reads back as no design with the same error; the run goes on.
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
        EXPECT_EQ(result.rows[1].at("model"), "");
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
         "coilwind-batch: standard input: missing column mu, L in the header line (read with "
         "\",\" as the delimiter, which finds 6 of the 8 required columns; --delimiter sets "
         "another)"},
        {{},
         "model|core|A|B|D|F|mu|L\n",
         kUsageOrInputOutputError,
         "coilwind-batch: standard input: the header line \"model|core|A|B|D|F|mu|L\" names none "
         "of the columns model, core, A, B, D, F, mu, L between the delimiters \",\", \";\" or "
         "tab; name the columns so, or set the delimiter with --delimiter"},
        {{"--delimiter", "tab"},
         std::string(kHeader),
         kUsageOrInputOutputError,
         "coilwind-batch: standard input: missing column model, core, A, B, D, F, mu, L in the "
         "header line (read with tab as the delimiter, as --delimiter says)"},
        {{"--delimiter=|"},
         "",
         kUsageOrInputOutputError,
         "coilwind-batch: --delimiter needs \",\", \";\", comma, semicolon or tab, not \"|\"",
         true},
        {{},
         "model,core,A,B,D,F,mu,L,Turns,turns\n",
         kUsageOrInputOutputError,
         "coilwind-batch: standard input: column turns appears twice (columns 9 and 10)"},
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
         "coilwind-batch: /nonexistent/designs.csv: No such file or directory"},
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

// A row in the input's dialect: its cells joined with the delimiter, quoted where they need it.
std::string rowOf(const std::vector<std::string>& cells, char delimiter) {
    std::string row;
    for (const std::string& cell : cells) {
        if (!row.empty() || &cell != &cells.front()) {
            row += delimiter;
        }
        appendCell(row, cell, delimiter);
    }
    return row + "\n";
}

const std::vector<std::string> kDesignColumns{"model", "core", "A", "B", "D", "F", "mu", "L", "AL"};

// The drum start-up design with some cells changed, in the design columns' order.
std::vector<std::string> drumWith(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> cells{"KQ8*10", "KQ CORE", "8", "3.5", "10", "6.3", "500", "4.7", ""};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (const auto change = changes.find(kDesignColumns[i]); change != changes.end()) {
            cells[i] = change->second;
        }
    }
    return cells;
}

// A cell a row's steps read holds one number and nothing else, blanks around it allowed; the
// others may hold anything. With ";" as the delimiter a number may carry a decimal comma.
TEST(Batch, CellsTheStepsReadHoldOneNumber) {
    const std::map<std::string, std::string> rod{{"core", "R CORE"}};
    const auto rodWith = [&](std::map<std::string, std::string> changes) {
        changes.merge(std::map(rod));
        return changes;
    };
    const struct {
        char delimiter;
        std::map<std::string, std::string> changes;
        std::string expected; // the error, or "turns" and the turns of a computed row
    } cases[] = {
        {',',
         {{"L", "4,7"}},
         R"(L: "4,7" is not a number (a decimal comma needs ";" as the delimiter))"},
        {'\t',
         {{"L", "4,7"}},
         R"(L: "4,7" is not a number (a decimal comma needs ";" as the delimiter))"},
        {';', {{"L", "4,7"}}, "turns 10,6"},
        {';', {{"B", "3,5"}, {"F", "6.3"}}, "turns 10,6"},
        {',', {{"A", "abc"}}, R"(A: "abc" is not a number)"},
        {',', {{"A", " 8\t"}, {"mu", "+500"}, {"L", "4.70"}, {"B", ".35e1"}}, "turns 10.6"},
        {',', {{"A", ""}, {"L", "x"}}, R"(A: empty; L: "x" is not a number)"},
        {',', {{"L", "  "}}, "L: empty"},
        {',', {{"A", "8mm"}}, R"(A: "8mm" is not a number)"},
        {',', {{"A", "&H8"}}, R"(A: "&H8" is not a number)"},
        {',', {{"A", "8d0"}}, R"(A: "8d0" is not a number)"},
        {',', {{"A", "inf"}}, R"(A: "inf" is not a number)"},
        {',', {{"A", "1 000"}}, R"(A: "1 000" is not a number)"},
        {',', {{"A", "-"}}, R"(A: "-" is not a number)"},
        {',', {{"A", "8e"}}, R"(A: "8e" is not a number)"},
        {',', rodWith({{"D", ""}, {"F", "n/a"}}), "turns 2.3"},
        {',', {{"mu", ""}, {"AL", "40"}}, "turns 10.8"},
        // The shape's second opinion reads µ (and a drum's D) where the steps do not.
        {';', {{"mu", "-"}, {"AL", "40,0"}}, R"(mu: "-" is not a number)"},
        {';', {{"D", "x"}, {"AL", "40,0"}}, R"(D: "x" is not a number)"},
        {',', {{"AL", "forty"}}, R"(AL: "forty" is not a number)"},
        {',', {{"core", "R CORE"}, {"AL", "forty"}, {"D", "?"}}, R"(AL: "forty" is not a number)"},
        // A beyond the range of a double: the step that reads it says so, and only that step.
        {',', rodWith({{"A", "1e999"}, {"L", ""}, {"AL", "40"}}), "L: empty"},
        {',', rodWith({{"A", "1e999"}, {"L", "0"}, {"AL", "40"}}),
         "wire_max: division by zero (turns is 0)"},
        {',', rodWith({{"A", "1e999"}, {"AL", "40"}}),
         "dcr: A holds a number beyond the range of a double"},
    };
    for (const auto& c : cases) {
        const std::string input =
            rowOf(kDesignColumns, c.delimiter) + rowOf(drumWith(c.changes), c.delimiter);
        const Outcome result = runTool(input);
        ASSERT_EQ(result.rows.size(), 1U) << input << result.err;
        const Row& row = result.rows[0];
        const bool computed = row.at("error").empty();
        EXPECT_EQ(computed ? "turns " + row.at("turns") : row.at("error"), c.expected) << input;
        EXPECT_EQ(result.status, computed ? kEveryRowComputed : kSomeRowFailed);
    }
}

// With ";" the results carry a decimal comma, so a spreadsheet in such a locale reads numbers.
TEST(Batch, SemicolonTablesGetDecimalCommas) {
    const Outcome result =
        runTool(rowOf(kDesignColumns, ';') + rowOf(drumWith({{"B", "3,5"}}), ';'));
    ASSERT_EQ(result.rows.size(), 1U) << result.err;
    EXPECT_EQ(resultsOf(result.rows[0]), (Results{"41,7", "10,6", "0,761", "0,0075", "0,779", ""}));
    EXPECT_EQ(result.rows[0].at("bare_mm"), "0,63");
    EXPECT_EQ(result.rows[0].at("wire"), "0.630 mm"); // a name, not a number
    EXPECT_TRUE(result.out.starts_with("model;core;A;B;D;F;mu;L;AL;turns;")) << result.out;
}

TEST(Batch, CoreSpellings) {
    for (const std::string core : {"KQ CORE", "kq core", " drum ", "DRUM"}) {
        const Outcome result =
            runTool(std::string(kHeader) + "m," + core + ",8,3.5,10,6.3,500,4.7\n");
        ASSERT_EQ(result.rows.size(), 1U);
        EXPECT_EQ(resultsOf(result.rows[0]), kDrumResults) << core;
    }
    for (const std::string core : {"R CORE", "r core", " R CORE ", "rod", "Rod\t"}) {
        const Outcome result = runTool(std::string(kHeader) + "m," + core + ",8,3.5,,,500,4.7\n");
        ASSERT_EQ(result.rows.size(), 1U);
        EXPECT_EQ(resultsOf(result.rows[0]), kRodResults) << core;
    }
    for (const std::string core : {"R-CORE", "rods", "KQCORE", ""}) {
        const Outcome result =
            runTool(std::string(kHeader) + "m," + core + ",8,3.5,10,6.3,500,4.7\n");
        ASSERT_EQ(result.rows.size(), 1U);
        EXPECT_EQ(result.rows[0].at("error"),
                  core.empty()
                      ? "core: empty"
                      : "core: \"" + core + "\" is not a core type (KQ CORE, drum, R CORE, rod)");
    }
}

// Both core types get the shape model's AL, its band's AL range, turns and ratio beside the
// quick formula's, or why not; the permeability it reads must be a number even where the steps
// do not read it (AL given).
TEST(Batch, ShapeColumnsGiveTheSecondOpinion) {
    const Outcome result = runTool(
        std::string("model,core,A,B,D,F,mu,L,AL\n") + "r,rod,5,20,,,400,4.7,\n" +
        "r,rod,5,20,,,125,4.7,\n" + "r,rod,8,3.5,,,500,4.7,\n" + "r,rod,5,20,,,,4.7,49.3\n" +
        "r,rod,5,20,,,x,4.7,49.3\n" + "d,drum,8,3.5,10,6.3,2000,4.7,\n" +
        "d,drum,8,3.5,10,9,500,4.7,\n");
    ASSERT_EQ(result.rows.size(), 7U);
    const Row& disagreeing = result.rows[0];
    EXPECT_EQ(disagreeing.at("shape_al").substr(0, 5), "15.87");
    EXPECT_EQ(disagreeing.at("shape_turns").substr(0, 5), "17.20");
    EXPECT_EQ(disagreeing.at("shape_al_ratio").substr(0, 5), "0.321");
    EXPECT_NE(disagreeing.at("shape_note").find("more than 25 %"), std::string::npos);
    EXPECT_LT(std::stod(disagreeing.at("shape_al_low")), 15.87);
    EXPECT_GT(std::stod(disagreeing.at("shape_al_high")), 15.87);
    EXPECT_EQ(result.rows[1].at("shape_note"), "");
    EXPECT_EQ(result.rows[2].at("shape_al"), "");
    EXPECT_NE(result.rows[2].at("shape_note").find("the rod model holds for length"),
              std::string::npos);
    EXPECT_NE(result.rows[3].at("shape_note").find("permeability above zero"), std::string::npos);
    EXPECT_EQ(result.rows[3].at("error"), "");
    EXPECT_EQ(result.rows[4].at("error"), "mu: \"x\" is not a number");
    EXPECT_EQ(result.rows[5].at("shape_al").substr(0, 4), "32.5");
    EXPECT_NE(result.rows[5].at("shape_note").find("the drum model's AL"), std::string::npos);
    EXPECT_NE(result.rows[6].at("shape_note").find("the drum model holds for F / D"),
              std::string::npos);
}

// An output of the version before the drum model names the shape columns rod_*: they are
// recomputed where they stand, under their old names, for both core types, and no shape column
// is added twice.
TEST(Batch, EarlierRodColumnsAreRecomputedInPlace) {
    const Outcome result = runTool(
        "model,core,A,B,D,F,mu,L,rod_al,rod_turns,rod_al_ratio,rod_note\n"
        "r,rod,5,20,,,400,4.7,1,2,3,old\n"
        "d,drum,8,3.5,10,6.3,500,4.7,1,2,3,old\n");
    const std::string header = result.out.substr(0, result.out.find('\n'));
    EXPECT_EQ(header.find("shape_al,"), std::string::npos) << header;
    EXPECT_EQ(header.find("shape_turns"), std::string::npos) << header;
    EXPECT_NE(header.find("shape_al_low,shape_al_high"), std::string::npos) << header;
    ASSERT_EQ(result.rows.size(), 2U);
    EXPECT_EQ(result.rows[0].at("rod_al").substr(0, 5), "15.87");
    EXPECT_NE(result.rows[0].at("rod_note").find("more than 25 %"), std::string::npos);
    EXPECT_EQ(result.rows[1].at("rod_al").substr(0, 4), "31.3");
    EXPECT_EQ(result.rows[1].at("rod_turns").substr(0, 4), "12.2");
    const Outcome again = runTool(result.out);
    EXPECT_EQ(again.out, result.out);
}

// A DC current adds the rating's columns before the error; without one the output has none of
// them. The output read back with the same options gives the same output, in any delimiter.
TEST(Batch, CurrentOptionsAddTheRatingColumns) {
    const std::vector<std::string_view> options{"--current", "1",          "--ripple", "0.3",
                                                "--frequency", "500",      "--ambient", "25",
                                                "--enamel-class", "155"};
    const Outcome plain = runTool(std::string(kHeader) + kDrum);
    EXPECT_EQ(std::count(plain.header.begin(), plain.header.end(), "loss_w"), 0);
    for (const char d : kDelimiters) {
        const std::string input =
            rowOf({"model", "core", "A", "B", "D", "F", "mu", "L"}, d) +
            rowOf({"KQ8*10", "KQ CORE", "8", "3.5", "10", "6.3", "500", "4.7"}, d) +
            rowOf({"R8", "rod", "8", "3.5", "", "", "500", "4.7"}, d) +
            rowOf({"noD", "drum", "8", "3.5", "", "6.3", "500", "4.7"}, d);
        const Outcome first = runTool(input, options);
        ASSERT_EQ(first.rows.size(), 3U) << first.out;
        const std::vector<std::string> added(first.header.end() - 14, first.header.end() - 1);
        EXPECT_EQ(added, (std::vector<std::string>{
                             "skin_depth_mm", "ac_factor", "dc_loss_w", "ac_loss_w", "loss_w",
                             "rise_k", "hot_c", "i_rated_a", "i_peak_a", "strands", "strands_mm",
                             "strands_fit", "current_note"}));
        const Row& drum = first.rows[0];
        EXPECT_EQ(drum.at("strands"), "13 x 0.180 mm");
        EXPECT_EQ(drum.at("strands_fit"), "yes");
        EXPECT_EQ(drum.at("i_peak_a"), d == ';' ? "1,15" : "1.15");
        EXPECT_NE(drum.at("current_note").find("two skin depths"), std::string::npos);
        EXPECT_EQ(drum.at("error"), "");
        EXPECT_EQ(first.rows[2].at("loss_w"), "");
        EXPECT_NE(first.rows[2].at("error").find("D: empty"), std::string::npos);
        const Outcome second = runTool(first.out, options);
        EXPECT_EQ(second.out, first.out);
    }
}

// Every output column name appears once: the input's result columns are recomputed where they
// stand, a given AL stays the one AL column, the missing result columns follow.
TEST(Batch, ResultColumnsOfTheInputAreRecomputedInPlace) {
    const std::string drum = kDrum.substr(0, kDrum.size() - 1);
    const std::string results =
        "turns,wire_max,dcr,copper_g,wire,wire_note,bare_mm,od_max_mm,turns_whole,per_layer,"
        "layers,build_mm,fits,fit_wire,length_m,r20_ohm,rt_ohm,mass_g,l_whole_uh,isat_a,shape_al,"
        "shape_al_low,shape_al_high,shape_turns,shape_al_ratio,shape_note,error";
    const Outcome given = runTool("model,core,A,B,D,F,mu,L,AL\n" + drum + ",40\n");
    EXPECT_EQ(given.out.substr(0, given.out.find('\n')), "model,core,A,B,D,F,mu,L,AL," + results);

    const Outcome earlier = runTool(
        " Turns,model,error,core,A,B,D,F,mu,L\n99,KQ8*10,old,KQ CORE,8,3.5,10,6.3,500,4.7\n");
    EXPECT_EQ(earlier.out.substr(0, earlier.out.find('\n')),
              " Turns,model,error,core,A,B,D,F,mu,L,AL,wire_max,dcr,copper_g,wire,wire_note,"
              "bare_mm,od_max_mm,turns_whole,per_layer,layers,build_mm,fits,fit_wire,length_m,"
              "r20_ohm,rt_ohm,mass_g,l_whole_uh,isat_a,shape_al,shape_al_low,shape_al_high,"
              "shape_turns,shape_al_ratio,shape_note");
    ASSERT_EQ(earlier.rows.size(), 1U);
    EXPECT_EQ(earlier.rows[0].at(" Turns"), "10.6");
    EXPECT_EQ(earlier.rows[0].at("error"), "");
}

// The output read back gives the same output, whatever the delimiter: computed and given AL,
// faults, bad cells, lines that cannot be read and rows without a design.
TEST(Batch, OutputReadBackGivesTheSameOutput) {
    for (const char d : kDelimiters) {
        const std::string input =
            "\xEF\xBB\xBF" +
            rowOf({"note", "model", "core", "A", "B", "D", "F", "mu", "L", "AL"}, d) +
            rowOf(
                {"a, \"b\";\tc\nd", "KQ8*10", "KQ CORE", "8", "3.5", "10", "6.3", "500", "4.7", ""},
                d) +
            rowOf({"", "R8", "rod", "8", "3.5", "", "", "500", "4.7", "40.5"}, d) +
            rowOf({"", "0", "drum", "8", "3.5", "10", "6.3", "0", "4.7", ""}, d) +
            rowOf({"", "x", "R CORE", "8", "3.5", "", "", "500", "abc", ""}, d) +
            rowOf({"", "y", "R CORE", "8", "0", "", "", "500", "4.7", " "}, d) +
            rowOf({"", "", "", "", "", "", "", "", "", ""}, d) + rowOf({"short", "row"}, d) +
            rowOf({"wide", "", "", "", "", "", "", "", "", "", "x"}, d) + "\"open" + d + "quote\n";
        const Outcome first = runTool(input);
        EXPECT_EQ(first.status, kSomeRowFailed) << first.err;
        EXPECT_EQ(first.rows.size(), 9U) << first.out;
        const Outcome second = runTool(first.out);
        EXPECT_EQ(second.out, first.out);
        EXPECT_EQ(second.status, first.status);
    }
}

TEST(Batch, InputOutputErrorsCarryTheSystemsReason) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    for (const int rows : {1, 5000}) {
        std::string input(kHeader);
        for (int i = 0; i < rows; ++i) {
            input += kDrum;
        }
        std::istringstream in(input);
        std::ofstream full("/dev/full", std::ios::binary);
        std::ostringstream err;
        EXPECT_EQ(runCommandLine({}, in, full, err), kUsageOrInputOutputError);
        EXPECT_EQ(err.str(), "coilwind-batch: cannot write the output: No space left on device\n");
    }

    const auto file = std::filesystem::temp_directory_path() / "coilwind-batch-test.csv";
    std::ofstream(file) << kHeader;
    const std::string throughAFile = file.string() + "/designs.csv";
    std::istringstream none;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommandLine(std::vector<std::string_view>{throughAFile}, none, out, err),
              kUsageOrInputOutputError);
    std::filesystem::remove(file);
    EXPECT_EQ(err.str(), "coilwind-batch: " + throughAFile + ": Not a directory\n");
}

// A device that gives its first bytes, then fails.
class FailingInput : public std::streambuf {
public:
    explicit FailingInput(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

protected:
    int_type underflow() override {
        errno = EIO;
        throw std::ios_base::failure("device");
    }

private:
    std::string text_;
};

TEST(Batch, AReadErrorKeepsTheRowsBeforeIt) {
    std::string input(kHeader);
    while (input.size() <= kReadChunkBytes) {
        input += kDrum;
    }
    input.resize(kReadChunkBytes); // the first read takes every byte, the second fails
    FailingInput device(input);
    std::istream in(&device);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommandLine({}, in, out, err), kUsageOrInputOutputError);
    // The system's own words for EIO: "Input/output error" in glibc, "I/O error" in musl.
    EXPECT_EQ(err.str(), "coilwind-batch: standard input: cannot read the input: " +
                             std::generic_category().message(EIO) +
                             "; the rows before it are written\n");
    const std::string written = out.str();
    EXPECT_GT(std::count(written.begin(), written.end(), '\n'), 1000) << written.size();
}

} // namespace
} // namespace coilwind::batch
