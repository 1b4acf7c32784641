#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <system_error>
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

// The delimiters a table may use; spreadsheets write ';' where the decimal mark is a comma.
inline constexpr std::string_view kDelimiters = ",;\t";

// Reads CSV records one at a time, in constant memory (RFC 4180): cells separated by the delimiter
// (a comma unless set), records by LF or CR LF; a cell in double quotes may hold
// delimiters, line ends and doubled quotes.
// A UTF-8 byte-order mark before the first record is skipped; after a UTF-16 one (little or big
// endian, as a spreadsheet saves "Unicode Text") the input is UTF-16, read as UTF-8, an unpaired
// surrogate or a lone last byte as U+FFFD. Lenient where spreadsheets are: a
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

    void setDelimiter(char delimiter) { delimiter_ = delimiter; }

    // The first line that is not empty, as it stands: line end included, at most maxRecordBytes,
    // without a byte-order mark; next() still reads it. Only before the first record, to choose
    // the delimiter by.
    std::string peekFirstLine();

    // The next record, or false at the end of the input or at a read error (see readError).
    bool next(CsvRecord& record);
    // Why reading stopped early: the system's reason, or io_errc::stream when it gave none.
    // Empty while the input reads well.
    std::error_code readError() const { return readError_; }

private:
    static constexpr int kEnd = -1;

    enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

    int get();
    int rawByte();
    int decodedByte();
    long utf16Unit();
    bool refill();
    void start();
    void skipByteOrderMark();
    void replay(std::string_view bytes);

    std::istream& in_;
    std::size_t maxRecordBytes_;
    char delimiter_ = ',';
    std::vector<char> chunk_;
    std::size_t chunkPos_ = 0;
    std::size_t chunkEnd_ = 0;
    std::string replay_; // bytes read again before the chunk's, after an unclosed quote
    std::size_t replayPos_ = 0;
    std::string tail_; // the current record's bytes after its first line end
    long long line_ = 1;
    bool started_ = false;
    std::error_code readError_;
    Encoding encoding_ = Encoding::Utf8;
    std::array<char, 4> decoded_{}; // one character of UTF-16 input as UTF-8
    std::size_t decodedPos_ = 0;
    std::size_t decodedEnd_ = 0;
    long pendingUnit_ = -1; // read after a high surrogate that it did not complete
};

// The reason the system gave for the call that just failed (errno), or io_errc::stream when it
// gave none.
std::error_code systemReason();

// The cell without the blanks (spaces, tabs) around it.
std::string_view trimmed(std::string_view cell);

// A fault of the record on this line, for a message: "line 3: unclosed quote".
std::string lineMessage(long long line, std::string_view what);

// Appends a cell to a row, in double quotes (inner quotes doubled) when it holds the delimiter, a
// quote, a CR or an LF.
void appendCell(std::string& row, std::string_view cell, char delimiter = ',');

} // namespace coilwind::batch
