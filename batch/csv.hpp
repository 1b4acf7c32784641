#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind::batch {

// A design takes a few dozen bytes; notes passed through in extra columns may take more. A record
// beyond this is no design, and the bound keeps the reader's memory constant whatever it reads.
inline constexpr std::size_t kMaxRecordBytes = std::size_t{64} * 1024;
inline constexpr std::size_t kReadChunkBytes = std::size_t{64} * 1024;

struct CsvRecord {
    std::vector<std::string> cells;
    long long line = 0; // the line the record starts on, counted from 1
    std::string fault;  // empty when the record was read whole; otherwise why not, and no cells
};

// Reads CSV records one at a time, in constant memory (RFC 4180): cells separated by commas,
// records by LF or CR LF; a cell in double quotes may hold commas, line ends and doubled quotes.
// A UTF-8 byte-order mark before the first record is skipped. Lenient where spreadsheets are: a
// quote inside an unquoted cell (8" core) is kept as it stands, text after a closing quote is
// appended, a lone CR is data. An empty line is no record.
//
// A malformed record is returned with its fault and the reading goes on:
//  - a quote still open at the end of the input, or still open after maxRecordBytes, is an
//    unclosed quote; reading resumes on the line after the one where the record began, so the
//    lines a stray quote swallowed are read again as records of their own;
//  - a line longer than maxRecordBytes is skipped to its end.
class CsvReader {
public:
    explicit CsvReader(std::istream& in, std::size_t maxRecordBytes = kMaxRecordBytes,
                       std::size_t chunkBytes = kReadChunkBytes);

    // The next record, or false at the end of the input or at a read error (see readFailed).
    bool next(CsvRecord& record);
    bool readFailed() const { return readFailed_; }

private:
    static constexpr int kEnd = -1;

    int get();
    bool refill();
    void skipByteOrderMark();
    void replay(std::string_view bytes);

    std::istream& in_;
    std::size_t maxRecordBytes_;
    std::vector<char> chunk_;
    std::size_t chunkPos_ = 0;
    std::size_t chunkEnd_ = 0;
    std::string replay_; // bytes read again before the chunk's, after an unclosed quote
    std::size_t replayPos_ = 0;
    std::string tail_; // the current record's bytes after its first line end
    long long line_ = 1;
    bool started_ = false;
    bool readFailed_ = false;
};

// Appends a cell to a row, in double quotes (inner quotes doubled) when it holds a comma, a quote,
// a CR or an LF.
void appendCell(std::string& row, std::string_view cell);

} // namespace coilwind::batch
