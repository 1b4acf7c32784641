// coilwind-batch's reader and row loop on arbitrary bytes.
//
// Input: one control byte, then the CSV text. Control bit 0 puts the design header
// "model,core,A,B,D,F,mu,L,AL" in front of the text, so most inputs get past the header; bits 1-7
// choose a read chunk of 1 to 128 bytes and a record limit of 8 to 135 bytes for the reader check.
//
// Checked:
//  - the reader gives the same records (cells, line numbers, faults) whatever its read chunk;
//  - the run either refuses the header and writes nothing, or writes the header and exactly one
//    row per record, every row as wide as the header, each well-formed record's cells echoed,
//    each faulty record's row carrying its line number.

#include "batch/batch.hpp"
#include "batch/csv.hpp"
#include "fuzz/check.hpp"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace coilwind;
using namespace coilwind::batch;
using coilwind::fuzz::require;

std::vector<CsvRecord> readAll(const std::string& text, std::size_t maxRecordBytes,
                               std::size_t chunkBytes) {
    std::istringstream in(text);
    CsvReader reader(in, maxRecordBytes, chunkBytes);
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t control = data[0];
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((control & 1) != 0) {
        text.insert(0, "model,core,A,B,D,F,mu,L,AL\n");
    }

    const std::size_t limit = 8 + (control >> 1);
    require(sameRecords(readAll(text, limit, 1 + (control >> 1)), readAll(text, limit, 4096)),
            "the records depend on the read chunk");

    std::istringstream in(text);
    std::ostringstream out;
    try {
        runBatch(in, out, DetailsSettings{});
    } catch (const InputError&) {
        require(out.str().empty(), "a refused input wrote output");
        return 0;
    }
    const std::vector<CsvRecord> records = readAll(text, kMaxRecordBytes, kReadChunkBytes);
    const std::vector<CsvRecord> rows = readAll(out.str(), kMaxRecordBytes, kReadChunkBytes);
    require(!records.empty() && rows.size() == records.size(), "not one row per record");
    const std::size_t width = records.front().cells.size();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CsvRecord& row = rows[i];
        require(row.fault.empty() && row.cells.size() == rows.front().cells.size() &&
                    row.cells.size() > width,
                "a row is malformed or not as wide as the header");
        const CsvRecord& record = records[i];
        if (record.fault.empty() && record.cells.size() == width) {
            require(std::equal(record.cells.begin(), record.cells.end(), row.cells.begin()),
                    "a design's cells are not echoed");
        } else {
            require(row.cells.back().starts_with("line " + std::to_string(record.line) + ": "),
                    "a faulty record's row does not name its line");
        }
    }
    return 0;
}
