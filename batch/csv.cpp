#include "batch/csv.hpp"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <utility>

namespace coilwind::batch {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr long kReplacementCharacter = 0xFFFD;

enum class State { CellStart, Unquoted, Quoted, QuoteInQuoted };

// The cells of the record being read; their strings keep their capacity from record to record.
class CellSink {
public:
    explicit CellSink(std::vector<std::string>& cells) : cells_(cells) { startCell(); }

    void startCell() {
        if (count_ < cells_.size()) {
            cells_[count_].clear();
        } else {
            cells_.emplace_back();
        }
        ++count_;
    }
    void append(char c) { cells_[count_ - 1].push_back(c); }
    bool blank() const { return count_ == 1 && cells_.front().empty(); }
    void finish() { cells_.resize(count_); }
    void drop() { cells_.clear(); }

private:
    std::vector<std::string>& cells_;
    std::size_t count_ = 0;
};

} // namespace

CsvReader::CsvReader(std::istream& in, std::size_t maxRecordBytes, std::size_t chunkBytes)
    : in_(in), maxRecordBytes_(std::max<std::size_t>(maxRecordBytes, 1)),
      chunk_(std::max<std::size_t>(chunkBytes, 1)) {}

bool CsvReader::refill() {
    if (readError_ || !in_.good()) {
        return false;
    }
    errno = 0;
    in_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    chunkPos_ = 0;
    chunkEnd_ = static_cast<std::size_t>(in_.gcount());
    if (in_.bad()) {
        // errno still holds what the failing read returned: nothing ran in between.
        readError_ = systemReason();
    }
    return chunkEnd_ > 0;
}

int CsvReader::rawByte() {
    if (chunkPos_ < chunkEnd_ || refill()) {
        return static_cast<unsigned char>(chunk_[chunkPos_++]);
    }
    return kEnd;
}

// One UTF-16 code unit in the input's byte order; a lone last byte is U+FFFD.
long CsvReader::utf16Unit() {
    if (pendingUnit_ >= 0) {
        return std::exchange(pendingUnit_, -1);
    }
    const int first = rawByte();
    if (first == kEnd) {
        return kEnd;
    }
    const int second = rawByte();
    if (second == kEnd) {
        return kReplacementCharacter;
    }
    return encoding_ == Encoding::Utf16LittleEndian ? first | (second << 8) : (first << 8) | second;
}

int CsvReader::decodedByte() {
    if (decodedPos_ == decodedEnd_) {
        long unit = utf16Unit();
        if (unit == kEnd) {
            return kEnd;
        }
        long code = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            const long low = utf16Unit();
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            } else {
                code = kReplacementCharacter;
                pendingUnit_ = low; // read again as a character of its own
            }
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            code = kReplacementCharacter;
        }
        const auto byte = [](long value) { return static_cast<char>(value); };
        decodedPos_ = 0;
        if (code < 0x80) {
            decoded_ = {byte(code)};
            decodedEnd_ = 1;
        } else if (code < 0x800) {
            decoded_ = {byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F))};
            decodedEnd_ = 2;
        } else if (code < 0x10000) {
            decoded_ = {byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)),
                        byte(0x80 | (code & 0x3F))};
            decodedEnd_ = 3;
        } else {
            decoded_ = {byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)),
                        byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
            decodedEnd_ = 4;
        }
    }
    return static_cast<unsigned char>(decoded_[decodedPos_++]);
}

int CsvReader::get() {
    int c = kEnd;
    if (replayPos_ < replay_.size()) {
        c = static_cast<unsigned char>(replay_[replayPos_++]);
    } else if (encoding_ != Encoding::Utf8) {
        c = decodedByte();
    } else {
        c = rawByte();
    }
    if (c == '\n') {
        ++line_;
    }
    return c;
}

void CsvReader::skipByteOrderMark() {
    std::string start;
    const auto begins = [&](std::string_view mark) { return mark.starts_with(start); };
    while (start.size() < kByteOrderMark.size()) {
        const int c = get();
        if (c == kEnd) {
            break;
        }
        start.push_back(static_cast<char>(c));
        if (start == kUtf16LittleEndianMark || start == kUtf16BigEndianMark) {
            encoding_ = start == kUtf16LittleEndianMark ? Encoding::Utf16LittleEndian
                                                        : Encoding::Utf16BigEndian;
            return;
        }
        if (!begins(kByteOrderMark) && !begins(kUtf16LittleEndianMark) &&
            !begins(kUtf16BigEndianMark)) {
            break;
        }
    }
    if (start != kByteOrderMark) {
        line_ = 1;
        replay(start);
    }
}

void CsvReader::start() {
    if (!started_) {
        started_ = true;
        skipByteOrderMark();
    }
}

std::string CsvReader::peekFirstLine() {
    start();
    std::string line;
    for (;;) {
        line.clear();
        const long long number = line_;
        for (int c = 0; line.size() < maxRecordBytes_ && (c = get()) != kEnd;) {
            line.push_back(static_cast<char>(c));
            if (c == '\n') {
                break;
            }
        }
        if (line != "\n" && line != "\r\n") { // an empty line is no record: skipped for good
            line_ = number;
            replay(line);
            return line;
        }
    }
}

void CsvReader::replay(std::string_view bytes) {
    replay_.erase(0, replayPos_);
    replay_.insert(0, bytes);
    replayPos_ = 0;
}

bool CsvReader::next(CsvRecord& record) {
    start();
    for (;;) {
        record.fault.clear();
        record.line = line_;
        tail_.clear();
        CellSink cells(record.cells);
        State state = State::CellStart;
        bool pendingCr = false; // a CR outside quotes: a line end if an LF follows
        bool pastFirstLine = false;
        std::size_t bytes = 0;

        const auto unclosedQuote = [&](std::string_view why) {
            record.fault = why;
            cells.drop();
            if (pastFirstLine) {
                line_ = record.line + 1;
                replay(tail_);
            }
            return true;
        };

        for (;;) {
            const int c = get();
            if (c == kEnd) {
                if (state == State::Quoted) {
                    return unclosedQuote("unclosed quote");
                }
                if (bytes == 0) {
                    return false;
                }
                break;
            }
            if (pastFirstLine) {
                tail_.push_back(static_cast<char>(c));
            }
            if (++bytes > maxRecordBytes_) {
                if (pastFirstLine) {
                    return unclosedQuote("unclosed quote: no closing quote within " +
                                         std::to_string(maxRecordBytes_) + " bytes");
                }
                record.fault = "line longer than " + std::to_string(maxRecordBytes_) + " bytes";
                cells.drop();
                for (int skipped = c; skipped != '\n' && skipped != kEnd; skipped = get()) {
                }
                return true;
            }
            if (pendingCr) {
                pendingCr = false;
                if (c == '\n') {
                    break;
                }
                cells.append('\r');
                state = State::Unquoted;
            }
            const char byte = static_cast<char>(c);
            if (state == State::Quoted) {
                if (byte == '"') {
                    state = State::QuoteInQuoted;
                } else {
                    cells.append(byte);
                    pastFirstLine = pastFirstLine || byte == '\n';
                }
                continue;
            }
            if (byte == '"' && state != State::Unquoted) {
                if (state == State::QuoteInQuoted) {
                    cells.append('"');
                }
                state = State::Quoted;
            } else if (byte == delimiter_) {
                cells.startCell();
                state = State::CellStart;
            } else if (byte == '\n') {
                break;
            } else if (byte == '\r') {
                pendingCr = true;
            } else {
                cells.append(byte);
                state = State::Unquoted;
            }
        }
        if (!(state == State::CellStart && cells.blank())) {
            cells.finish();
            return true;
        }
    }
}

std::error_code systemReason() {
    return errno != 0 ? std::error_code(errno, std::generic_category())
                      : make_error_code(std::io_errc::stream);
}

std::string_view trimmed(std::string_view cell) {
    // A loop, not find_first_not_of: every design cell of every row passes here.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!cell.empty() && blank(cell.front())) {
        cell.remove_prefix(1);
    }
    while (!cell.empty() && blank(cell.back())) {
        cell.remove_suffix(1);
    }
    return cell;
}

std::string lineMessage(long long line, std::string_view what) {
    return "line " + std::to_string(line) + ": " + std::string(what);
}

void appendCell(std::string& row, std::string_view cell, char delimiter) {
    const auto needsQuotes = [delimiter](char c) {
        return c == delimiter || c == '"' || c == '\r' || c == '\n';
    };
    if (std::none_of(cell.begin(), cell.end(), needsQuotes)) {
        row += cell;
        return;
    }
    // Quoted, each quote doubled: whole runs up to a quote at a time, not byte by byte, since
    // the long bilingual notes of the details are the cells that get here.
    row += '"';
    for (std::size_t quote = cell.find('"'); quote != std::string_view::npos;
         quote = cell.find('"')) {
        row.append(cell.substr(0, quote + 1));
        row += '"';
        cell.remove_prefix(quote + 1);
    }
    row.append(cell);
    row += '"';
}

} // namespace coilwind::batch
