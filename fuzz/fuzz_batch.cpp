// coilwind-batch's reader and row loop on arbitrary bytes.
//
// Input: one control byte, then the CSV text. Control bit 0 puts the design header
// "model,core,A,B,D,F,mu,L,AL" in front of the text, so most inputs get past the header; bits 1-2
// choose the delimiter (",", ";", tab, or found from the header line), bits 3-7 a read chunk of
// 1 to 32 bytes and a record limit of 8 to 39 bytes for the reader check.
//
// Checked:
//  - the reader gives the same records (cells, line numbers, faults) whatever its read chunk;
//  - the run either refuses the header and writes nothing, or writes the header and exactly one
//    row per record, every row as wide as the header, each faulty record's row carrying its line
//    number;
//  - the output read back gives the same output.

#include "batch/columns.hpp"
#include "batch/csv.hpp"
#include "batch/pipeline.hpp"
#include "fuzz/check.hpp"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace coilwind;
using namespace coilwind::batch;
using coilwind::fuzz::require;

std::vector<CsvRecord> readAll(const std::string& text, char delimiter,
                               std::size_t maxRecordBytes = kMaxRecordBytes,
                               std::size_t chunkBytes = kReadChunkBytes) {
    std::istringstream in(text);
    CsvReader reader(in, maxRecordBytes, chunkBytes);
    reader.setDelimiter(delimiter);
    std::vector<CsvRecord> records;
    CsvRecord record;
    while (reader.next(record)) {
        records.push_back(record);
    }
    return records;
}

bool sameRecords(const std::vector<CsvRecord>& a, const std::vector<CsvRecord>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].cells != b[i].cells || a[i].line != b[i].line || a[i].fault != b[i].fault) {
            return false;
        }
    }
    return true;
}

// The output, or nothing when the input was refused (then nothing may have been written).
std::optional<std::string> run(const std::string& text, std::optional<char> delimiter) {
    std::istringstream in(text);
    std::ostringstream out;
    try {
        runBatch(in, out, BatchSettings{DetailsSettings{}, delimiter});
    } catch (const InputError&) {
        require(out.str().empty(), "a refused input wrote output");
        return std::nullopt;
    }
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t control = data[0];
    const std::size_t choice = (control >> 1) & 3U;
    const std::optional<char> delimiter =
        choice < kDelimiters.size() ? std::optional(kDelimiters[choice]) : std::nullopt;
    const char readWith = delimiter.value_or(',');
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((control & 1) != 0) {
        std::string header = "model,core,A,B,D,F,mu,L,AL\n";
        std::replace(header.begin(), header.end(), ',', readWith);
        text.insert(0, header);
    }

    const std::size_t small = 8 + (control >> 3);
    require(sameRecords(readAll(text, readWith, small, 1 + (control >> 3)),
                        readAll(text, readWith, small, 4096)),
            "the records depend on the read chunk");

    const auto output = run(text, delimiter);
    if (!output) {
        return 0;
    }
    if (!delimiter) {
        // Whichever delimiter the header line gave, the output reads back with it.
        require(std::any_of(kDelimiters.begin(), kDelimiters.end(),
                            [&](char d) { return run(*output, d) == output; }),
                "the output does not read back to itself");
        return 0;
    }
    require(run(*output, delimiter) == output, "the output does not read back to itself");
    const std::vector<CsvRecord> records = readAll(text, *delimiter);
    const std::vector<CsvRecord> rows = readAll(*output, *delimiter);
    require(!records.empty() && rows.size() == records.size(), "not one row per record");
    const std::size_t width = records.front().cells.size();
    const std::vector<std::string>& header = rows.front().cells;
    const auto errorAt = static_cast<std::size_t>(
        std::find_if(header.begin(), header.end(),
                     [](const std::string& name) { return namesMatch(name, "error"); }) -
        header.begin());
    require(errorAt < header.size(), "no error column");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CsvRecord& row = rows[i];
        require(row.fault.empty() && row.cells.size() == rows.front().cells.size() &&
                    row.cells.size() >= width,
                "a row is malformed or not as wide as the header");
        if (!records[i].fault.empty()) {
            require(
                row.cells[errorAt].starts_with("line " + std::to_string(records[i].line) + ": "),
                "a faulty record's row does not name its line");
        }
    }
    return 0;
}
