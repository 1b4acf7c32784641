#pragma once

#include "batch/csv.hpp"
#include "calc/field_set.hpp"
#include "calc/step_table.hpp"
#include "calc/winding_details.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind::batch {

// The input cannot be run at all: no header, a required column missing or named twice, a header
// that cannot be read. Nothing has been written when it is thrown.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether a cell names `name`, whatever its case and the blanks around it.
bool namesMatch(std::string_view cell, std::string_view name);

// A cell in double quotes for a message, its first few dozen bytes when it is longer.
std::string quotedCell(std::string_view cell);

// How the table writes numbers: where ';' separates the cells the decimal mark is a comma, as
// spreadsheets in such locales write and read them.
struct TableFormat {
    char delimiter = ',';

    char decimalMark() const { return delimiter == ';' ? ',' : '.'; }
    // Puts the table's decimal mark for the points of a number text from `from` on.
    void markDecimals(std::string& text, std::size_t from = 0) const;
};

// The fields a design's cells fill, each under its short name (A, B, D, F, mu, L): the columns a
// table must have besides model and core.
inline constexpr std::array<FieldIndex, 6> kDesignFields{
    field::kA, field::kB, field::kD, field::kF, field::kPermeability, field::kInductance};

// Where a step's result stands in DesignOutcome::results.
constexpr std::size_t resultSlot(StepId step) {
    return static_cast<std::size_t>(std::find(kStepOrder.begin(), kStepOrder.end(), step) -
                                    kStepOrder.begin());
}

// What a design came to, what its result columns are written from.
struct DesignOutcome {
    // The fields the steps write, in step order, as the window shows them with the table's
    // decimal mark; a given AL as its cell holds it. Empty where no step wrote.
    std::array<std::string, kStepOrder.size()> results;
    std::optional<WindingDetails> details; // when every step ran
    std::string error;                     // empty when every figure was computed
};

// A table once its header is read: the delimiter, the header's cells and where each column the
// tool knows stands.
class Table {
public:
    // Reads the header from a reader that has read nothing yet. The delimiter is the one given,
    // or the first of kDelimiters that finds every required column in the first line. Throws
    // InputError when the header cannot be read, lacks a required column or names a known one
    // twice.
    // The current rating's columns are written only `withCurrent` (a DC current in the
    // settings): without one the output stays what it was before they existed.
    static Table read(CsvReader& reader, std::optional<char> delimiter, bool withCurrent = false);

    TableFormat format() const { return format_; }
    std::size_t width() const { return header_.size(); }
    std::size_t coreCell() const { return coreCell_; }
    // The cell of a design field, or of AL when the input has that column.
    std::optional<std::size_t> cellOf(FieldIndex field) const;
    // The error column, when the input already has one (the output of an earlier run).
    std::optional<std::size_t> errorCell() const { return errorCell_; }
    // Whether every cell the tool reads (model, core, the design fields, AL) is blank.
    bool designless(std::span<const std::string> cells) const;

    // The output's header line: the input's columns, then the result columns it lacks. Every
    // name appears once: a result column the input has is written in its place.
    void appendHeader(std::string& line) const;
    // One output row, line end included: the record's cells (missing ones empty), result
    // columns written from the outcome wherever they stand.
    void appendRow(std::string& line, std::span<const std::string> cells,
                   const DesignOutcome& outcome) const;

private:
    static constexpr int kPassedThrough = -1;

    Table(std::vector<std::string> header, TableFormat format, bool withCurrent);

    std::vector<std::string> header_;
    TableFormat format_;
    std::size_t modelCell_ = 0;
    std::size_t coreCell_ = 0;
    std::array<std::optional<std::size_t>, kDesignFields.size()> designCells_;
    std::optional<std::size_t> alCell_;
    std::optional<std::size_t> errorCell_;
    std::vector<int> resultAt_;         // by input column: its result column, or kPassedThrough
    std::vector<std::size_t> appended_; // the result columns the input lacks, in output order
};

} // namespace coilwind::batch
