#include "batch/columns.hpp"

#include "calc/number_text.hpp"

#include <algorithm>
#include <sstream>
#include <type_traits>

namespace coilwind::batch {
namespace {

constexpr std::string_view kModelColumn = "model";
constexpr std::string_view kCoreColumn = "core";
constexpr std::string_view kErrorColumn = "error";

// Writes one row's cells, each after the delimiter but the first.
class Cells {
public:
    Cells(std::string& line, TableFormat format) : line_(line), format_(format) {}

    void put(std::string_view text) {
        separate();
        appendCell(line_, text, format_.delimiter);
    }
    void put(const std::optional<std::string_view>& text) { put(text.value_or("")); }
    void put(const std::optional<std::string>& text) {
        put(text ? std::string_view(*text) : std::string_view{});
    }
    void put(std::optional<double> value) {
        separate();
        if (value) {
            const std::size_t start = line_.size();
            appendShortest(line_, *value);
            format_.markDecimals(line_, start);
        }
    }
    void put(std::optional<long long> value) {
        separate();
        if (value) {
            line_ += std::to_string(*value);
        }
    }
    void put(std::optional<bool> value) {
        put(value ? std::optional<std::string_view>(*value ? "yes" : "no") : std::nullopt);
    }

private:
    void separate() {
        if (!first_) {
            line_ += format_.delimiter;
        }
        first_ = false;
    }

    std::string& line_;
    TableFormat format_;
    bool first_ = true;
};

// A figure of a part of the details, none where the design gave no such part.
template <typename Part, typename Figure>
auto figureOf(const Part* part, Figure figure)
    -> std::optional<std::remove_cvref_t<decltype(figure(*part))>> {
    if (part == nullptr) {
        return std::nullopt;
    }
    return figure(*part);
}
const WindingDetails* detailsOf(const DesignOutcome& outcome) {
    return outcome.details ? &*outcome.details : nullptr;
}
const WireSize* wireOf(const DesignOutcome& outcome) {
    return outcome.details && outcome.details->standardWire ? &*outcome.details->standardWire
                                                            : nullptr;
}
const WoundWire* woundOf(const DesignOutcome& outcome) {
    return outcome.details && outcome.details->standard ? &*outcome.details->standard : nullptr;
}

const CurrentRating* ratingOf(const DesignOutcome& outcome) {
    return outcome.details && outcome.details->currentRating ? &*outcome.details->currentRating
                                                             : nullptr;
}

const OpenCoreEstimate* shapeOf(const DesignOutcome& outcome) {
    return outcome.details && outcome.details->shapeOpinion &&
                   outcome.details->shapeOpinion->estimate
               ? &*outcome.details->shapeOpinion->estimate
               : nullptr;
}
std::optional<std::string> shapeNoteOf(const DesignOutcome& outcome) {
    if (!outcome.details || !outcome.details->shapeOpinion) {
        return std::nullopt;
    }
    return openCoreNote(*outcome.details->shapeOpinion);
}
template <StepId step> void stepResult(Cells& cells, const DesignOutcome& outcome) {
    cells.put(std::string_view(outcome.results[resultSlot(step)]));
}

using Details = WindingDetails;
using Wire = WireSize;
using Wound = WoundWire;
using Shape = OpenCoreEstimate;
using Rating = CurrentRating;

std::string strandsText(const Rating& r) {
    if (!r.strands) {
        return {};
    }
    std::string text = std::to_string(r.strands->strands);
    text.append(" x ").append(r.strands->strand.designation);
    return text;
}

std::string warningsText(const Rating& r) {
    std::string text;
    for (const std::string& warning : r.warnings) {
        if (!text.empty()) {
            text += "; ";
        }
        text += warning;
    }
    return text;
}

struct ResultColumn {
    std::string_view name;
    void (*write)(Cells&, const DesignOutcome&);
    // The name an earlier version wrote the column under: an input with it gets the column
    // recomputed in its place.
    std::string_view earlierName = {};
};

// Every column the tool writes, in output order: the output's header and its rows both come from
// this list. The results as the window shows them, the winding details in the shortest decimal
// form that reads back to the same number, then the error.
// clang-format off
const std::array<ResultColumn, 41> kResultColumns{{
    {stepName(StepId::Al), stepResult<StepId::Al>},
    {stepName(StepId::Turns), stepResult<StepId::Turns>},
    {stepName(StepId::WireMax), stepResult<StepId::WireMax>},
    {stepName(StepId::Dcr), stepResult<StepId::Dcr>},
    {stepName(StepId::CopperG), stepResult<StepId::CopperG>},
    {"wire", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(wireOf(o), [](const Wire& w) { return w.designation; })); }},
    {"wire_note", [](Cells& c, const DesignOutcome& o) { c.put(o.details ? seriesEndNote(*o.details) : std::nullopt); }},
    {"bare_mm", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(wireOf(o), [](const Wire& w) { return w.bareMm; })); }},
    {"od_max_mm", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(wireOf(o), [](const Wire& w) { return w.overallMaxMm; })); }},
    {"turns_whole", [](Cells& c, const DesignOutcome& o) { c.put(o.details ? o.details->wholeTurns : std::nullopt); }},
    {"per_layer", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(woundOf(o), [](const Wound& w) { return w.plan.perLayer; })); }},
    {"layers", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(woundOf(o), [](const Wound& w) { return w.plan.layers; })); }},
    {"build_mm", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(woundOf(o), [](const Wound& w) { return w.plan.buildMm; })); }},
    {"fits", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(woundOf(o), [](const Wound& w) { return w.plan.fits; })); }},
    {"fit_wire", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(detailsOf(o), [](const Details& d) { return d.largestFitting ? d.largestFitting->wire.designation : ""; })); }},
    {"length_m", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(woundOf(o), [](const Wound& w) { return w.lengthM; })); }},
    {"r20_ohm", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(woundOf(o), [](const Wound& w) { return w.r20Ohm; })); }},
    {"rt_ohm", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(woundOf(o), [](const Wound& w) { return w.rHotOhm; })); }},
    {"mass_g", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(woundOf(o), [](const Wound& w) { return w.massG; })); }},
    {"l_whole_uh", [](Cells& c, const DesignOutcome& o) { c.put(o.details && o.details->inductance ? std::optional(o.details->inductance->wholeTurnsUh) : std::nullopt); }},
    {"isat_a", [](Cells& c, const DesignOutcome& o) { c.put(o.details ? o.details->saturationCurrentA : std::nullopt); }},
    {"shape_al", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(shapeOf(o), [](const Shape& r) { return r.alNh; })); }, "rod_al"},
    {"shape_al_low", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(shapeOf(o), [](const Shape& r) { return r.bandLowAlNh; })); }},
    {"shape_al_high", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(shapeOf(o), [](const Shape& r) { return r.bandHighAlNh; })); }},
    {"shape_turns", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(shapeOf(o), [](const Shape& r) { return r.turns; }).value_or(std::nullopt)); }, "rod_turns"},
    {"shape_al_ratio", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(shapeOf(o), [](const Shape& r) { return r.ratioToQuick; })); }, "rod_al_ratio"},
    {"shape_note", [](Cells& c, const DesignOutcome& o) { c.put(shapeNoteOf(o)); }, "rod_note"},
    {"skin_depth_mm", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.skinDepthMm; })); }},
    {"ac_factor", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.acFactor; })); }},
    {"dc_loss_w", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.dcLossW; })); }},
    {"ac_loss_w", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.acLossW; })); }},
    {"loss_w", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.lossW; })); }},
    {"rise_k", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.riseK; }).value_or(std::nullopt)); }},
    {"hot_c", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.hotC; }).value_or(std::nullopt)); }},
    {"i_rated_a", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.ratedCurrentA; })); }},
    {"i_peak_a", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.peakCurrentA; })); }},
    {"strands", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), strandsText)); }},
    {"strands_mm", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.strands ? std::optional(r.strands->bundleMm) : std::nullopt; }).value_or(std::nullopt)); }},
    {"strands_fit", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), [](const Rating& r) { return r.strands ? std::optional(r.strands->fits) : std::nullopt; }).value_or(std::nullopt)); }},
    {"current_note", [](Cells& c, const DesignOutcome& o) { c.put(figureOf(ratingOf(o), warningsText)); }},
    {kErrorColumn, [](Cells& c, const DesignOutcome& o) { c.put(std::string_view(o.error)); }},
}};
// clang-format on

// The current rating's columns stand between the shape's and the error.
constexpr std::size_t kErrorColumnAt = kResultColumns.size() - 1;
const std::size_t kFirstCurrentColumn = static_cast<std::size_t>(
    std::find_if(kResultColumns.begin(), kResultColumns.end(),
                 [](const ResultColumn& c) { return c.name == "skin_depth_mm"; }) -
    kResultColumns.begin());

std::array<std::string_view, 2 + kDesignFields.size()> requiredColumns() {
    std::array<std::string_view, 2 + kDesignFields.size()> names{kModelColumn, kCoreColumn};
    std::transform(kDesignFields.begin(), kDesignFields.end(), names.begin() + 2, fieldName);
    return names;
}

std::optional<std::size_t> findColumn(const std::vector<std::string>& header,
                                      std::string_view name) {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (namesMatch(header[i], name)) {
            if (found) {
                throw InputError("column " + std::string(name) + " appears twice (columns " +
                                 std::to_string(*found + 1) + " and " + std::to_string(i + 1) +
                                 ")");
            }
            found = i;
        }
    }
    return found;
}

std::string listed(const std::vector<std::string_view>& names) {
    std::string text;
    for (const std::string_view name : names) {
        text += (text.empty() ? "" : ", ") + std::string(name);
    }
    return text;
}

std::vector<std::string_view> missingColumns(const std::vector<std::string>& header) {
    std::vector<std::string_view> missing;
    for (const std::string_view name : requiredColumns()) {
        if (std::none_of(header.begin(), header.end(),
                         [&](const std::string& cell) { return namesMatch(cell, name); })) {
            missing.push_back(name);
        }
    }
    return missing;
}

std::vector<std::string> firstRecordCells(std::string_view text, char delimiter) {
    std::istringstream in{std::string(text)};
    CsvReader reader(in);
    reader.setDelimiter(delimiter);
    CsvRecord record;
    reader.next(record);
    return record.cells;
}

std::string delimiterWords(char delimiter) {
    return delimiter == '\t' ? "tab" : "\"" + std::string(1, delimiter) + "\"";
}

std::string missingColumnsFault(const std::vector<std::string_view>& missing, char delimiter,
                                std::string_view how) {
    return "missing column " + listed(missing) + " in the header line (read with " +
           delimiterWords(delimiter) + " as the delimiter" + std::string(how) + ")";
}

// The first delimiter that finds every required column in the first line; a line where none does
// gets the reason and the way out.
char delimiterOf(std::string_view firstLine) {
    const auto required = requiredColumns();
    char best = kDelimiters.front();
    std::vector<std::string_view> bestMissing(required.begin(), required.end());
    for (const char delimiter : kDelimiters) {
        auto missing = missingColumns(firstRecordCells(firstLine, delimiter));
        if (missing.empty()) {
            return delimiter;
        }
        if (missing.size() < bestMissing.size()) {
            best = delimiter;
            bestMissing = std::move(missing);
        }
    }
    if (bestMissing.size() == required.size()) {
        std::string_view line = firstLine;
        line.remove_suffix(line.size() - (line.find_last_not_of("\r\n") + 1));
        throw InputError("the header line " + quotedCell(line) + " names none of the columns " +
                         listed(bestMissing) +
                         " between the delimiters \",\", \";\" or tab; name the columns so, or "
                         "set the delimiter with --delimiter");
    }
    throw InputError(missingColumnsFault(
        bestMissing, best,
        ", which finds " + std::to_string(required.size() - bestMissing.size()) + " of the " +
            std::to_string(required.size()) + " required columns; --delimiter sets another"));
}

} // namespace

std::string quotedCell(std::string_view cell) {
    constexpr std::size_t kShown = 40;
    if (cell.size() <= kShown) {
        return "\"" + std::string(cell) + "\"";
    }
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(cell[cut]) & 0xC0U) == 0x80U) {
        --cut; // not inside a UTF-8 sequence
    }
    return "\"" + std::string(cell.substr(0, cut)) + "...\"";
}

bool namesMatch(std::string_view cell, std::string_view name) {
    cell = trimmed(cell);
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(cell.begin(), cell.end(), name.begin(), name.end(),
                      [&](char a, char b) { return lower(a) == lower(b); });
}

void TableFormat::markDecimals(std::string& text, std::size_t from) const {
    if (decimalMark() != '.') {
        std::replace(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), '.',
                     decimalMark());
    }
}

Table Table::read(CsvReader& reader, std::optional<char> delimiter, bool withCurrent) {
    const std::string firstLine = reader.peekFirstLine();
    if (firstLine.empty()) {
        throw InputError("no header line: the input is empty");
    }
    // A message quoting the line would end at its first NUL byte.
    if (firstLine.find('\0') != std::string::npos) {
        throw InputError("the header line holds NUL bytes, as a UTF-16 file without a byte-order "
                         "mark does: save the table as \"CSV UTF-8\" (or as \"Unicode Text\", "
                         "which has the mark) and run it again");
    }
    // A delimiter found in the first line finds every required column; a given one may not.
    const char chosen = delimiter ? *delimiter : delimiterOf(firstLine);
    reader.setDelimiter(chosen);
    CsvRecord header;
    if (!reader.next(header)) {
        throw InputError("no header line: the input is empty");
    }
    if (!header.fault.empty()) {
        throw InputError(lineMessage(header.line, header.fault) + " (the header line)");
    }
    const auto missing = missingColumns(header.cells);
    if (!missing.empty()) {
        throw InputError(
            missingColumnsFault(missing, chosen, delimiter ? ", as --delimiter says" : ""));
    }
    return Table(std::move(header.cells), TableFormat{chosen}, withCurrent);
}

Table::Table(std::vector<std::string> header, TableFormat format, bool withCurrent)
    : header_(std::move(header)), format_(format), resultAt_(header_.size(), kPassedThrough) {
    modelCell_ = *findColumn(header_, kModelColumn);
    coreCell_ = *findColumn(header_, kCoreColumn);
    for (std::size_t i = 0; i < kDesignFields.size(); ++i) {
        designCells_[i] = findColumn(header_, fieldName(kDesignFields[i]));
    }
    for (std::size_t column = 0; column < kResultColumns.size(); ++column) {
        if (!withCurrent && column >= kFirstCurrentColumn && column < kErrorColumnAt) {
            continue; // passes through as any other column
        }
        auto at = findColumn(header_, kResultColumns[column].name);
        if (!at && !kResultColumns[column].earlierName.empty()) {
            at = findColumn(header_, kResultColumns[column].earlierName);
        }
        if (at) {
            resultAt_[*at] = static_cast<int>(column);
        } else {
            appended_.push_back(column);
        }
    }
    alCell_ = findColumn(header_, fieldName(field::kAl));
    errorCell_ = findColumn(header_, kErrorColumn);
}

std::optional<std::size_t> Table::cellOf(FieldIndex field) const {
    if (field == field::kAl) {
        return alCell_;
    }
    const auto* at = std::find(kDesignFields.begin(), kDesignFields.end(), field);
    return at == kDesignFields.end()
               ? std::nullopt
               : designCells_[static_cast<std::size_t>(at - kDesignFields.begin())];
}

bool Table::designless(std::span<const std::string> cells) const {
    const auto blank = [&](std::optional<std::size_t> at) {
        return !at || *at >= cells.size() || trimmed(cells[*at]).empty();
    };
    return blank(modelCell_) && blank(coreCell_) && blank(alCell_) &&
           std::all_of(designCells_.begin(), designCells_.end(), blank);
}

void Table::appendHeader(std::string& line) const {
    Cells cells(line, format_);
    for (const std::string& name : header_) {
        cells.put(std::string_view(name));
    }
    for (const std::size_t column : appended_) {
        cells.put(kResultColumns[column].name);
    }
    line += '\n';
}

void Table::appendRow(std::string& line, std::span<const std::string> cells,
                      const DesignOutcome& outcome) const {
    Cells out(line, format_);
    for (std::size_t i = 0; i < header_.size(); ++i) {
        if (resultAt_[i] != kPassedThrough) {
            kResultColumns[static_cast<std::size_t>(resultAt_[i])].write(out, outcome);
        } else {
            out.put(i < cells.size() ? std::string_view(cells[i]) : std::string_view{});
        }
    }
    for (const std::size_t column : appended_) {
        kResultColumns[column].write(out, outcome);
    }
    line += '\n';
}

} // namespace coilwind::batch
