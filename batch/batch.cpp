#include "batch/batch.hpp"

#include "batch/csv.hpp"
#include "calc/failure.hpp"
#include "calc/field_set.hpp"
#include "calc/number_text.hpp"
#include "calc/stages.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#if !defined(__GLIBCXX__) || defined(_GLIBCXX_HAS_GTHREADS)
#define COILWIND_BATCH_HAS_THREADS 1
#include <future>
#include <thread>
#endif

namespace coilwind::batch {
namespace {

// The `core` column sets no field: it is the core-type text the steps choose their form by.
constexpr FieldIndex kCoreTypeColumn = -1;

struct InputColumn {
    std::string_view name;
    FieldIndex field;
};

constexpr std::array<InputColumn, 8> kRequiredColumns{{
    {"model", field::kCoreModel},
    {"core", kCoreTypeColumn},
    {"A", field::kA},
    {"B", field::kB},
    {"D", field::kD},
    {"F", field::kF},
    {"mu", field::kPermeability},
    {"L", field::kInductance},
}};
// Given and not empty, it stands in field 18 as if typed, and the AL step does not run.
constexpr InputColumn kAlColumn{"AL", field::kAl};
constexpr std::size_t kCoreTypeSlot = 1;
static_assert(kRequiredColumns[kCoreTypeSlot].field == kCoreTypeColumn);

constexpr std::array<std::string_view, 15> kDetailsColumns{
    "wire",    "bare_mm",  "od_max_mm", "turns_whole", "per_layer",
    "layers",  "build_mm", "fits",      "fit_wire",    "length_m",
    "r20_ohm", "rt_ohm",   "mass_g",    "l_whole_uh",  "isat_a"};

constexpr std::string_view kErrorColumn = "error";

// Header names match whatever their case and the blanks around them.
bool sameName(std::string_view header, std::string_view name) {
    const auto first = header.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return name.empty();
    }
    header = header.substr(first, header.find_last_not_of(" \t") + 1 - first);
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(header.begin(), header.end(), name.begin(), name.end(),
                      [&](char a, char b) { return lower(a) == lower(b); });
}

// Where each input column stands in a record.
struct ColumnMap {
    std::array<std::size_t, kRequiredColumns.size()> required{};
    std::optional<std::size_t> al;
    std::size_t width = 0;
};

ColumnMap mapColumns(const std::vector<std::string>& header) {
    const auto find = [&](std::string_view name) -> std::optional<std::size_t> {
        std::optional<std::size_t> found;
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (sameName(header[i], name)) {
                if (found) {
                    throw InputError("column " + std::string(name) + " appears twice (columns " +
                                     std::to_string(*found + 1) + " and " + std::to_string(i + 1) +
                                     ")");
                }
                found = i;
            }
        }
        return found;
    };
    ColumnMap map;
    map.width = header.size();
    std::string missing;
    for (std::size_t i = 0; i < kRequiredColumns.size(); ++i) {
        const auto at = find(kRequiredColumns[i].name);
        if (at) {
            map.required[i] = *at;
        } else {
            missing += (missing.empty() ? "" : ", ") + std::string(kRequiredColumns[i].name);
        }
    }
    if (!missing.empty()) {
        throw InputError("missing column " + missing + " in the header line");
    }
    map.al = find(kAlColumn.name);
    return map;
}

// The copper weight as shown, without the line feed and carriage return the field holds behind it.
std::string_view withoutCopperSuffix(std::string_view text) {
    if (text.ends_with(kCopperWeightSuffix)) {
        text.remove_suffix(kCopperWeightSuffix.size());
    }
    return text;
}

void appendNumberCell(std::string& row, std::optional<double> value) {
    row += ',';
    if (value) {
        appendShortest(row, *value);
    }
}

void appendWholeCell(std::string& row, std::optional<long long> value) {
    row += ',';
    if (value) {
        row += std::to_string(*value);
    }
}

void appendTextCell(std::string& row, std::optional<std::string_view> text) {
    row += ',';
    if (text) {
        appendCell(row, *text);
    }
}

// Appends the winding-details columns for the fields as they stand; returns why figures are
// missing, empty when none is.
std::string appendDetails(std::string& row, const FieldSet& fields, std::string_view coreText,
                          const DetailsSettings& settings) {
    const WindingDetails details = computeDetails(fields, coreText, settings);
    const std::optional<WireSize>& size = details.standardWire;
    const std::optional<WoundWire>& wound = details.standard;
    const auto ofWound = [&](auto figure) {
        return wound ? std::optional(figure(*wound)) : std::nullopt;
    };
    appendTextCell(row, size ? std::optional(size->designation) : std::nullopt);
    appendNumberCell(row, size ? std::optional(size->bareMm) : std::nullopt);
    appendNumberCell(row, size ? std::optional(size->overallMaxMm) : std::nullopt);
    appendWholeCell(row, details.wholeTurns);
    appendWholeCell(row, ofWound([](const WoundWire& w) { return w.plan.perLayer; }));
    appendWholeCell(row, ofWound([](const WoundWire& w) { return w.plan.layers; }));
    appendNumberCell(row, ofWound([](const WoundWire& w) { return w.plan.buildMm; }));
    appendTextCell(row, ofWound([](const WoundWire& w) {
                       return std::string_view(w.plan.fits ? "yes" : "no");
                   }));
    appendTextCell(row, details.largestFitting
                            ? std::optional(details.largestFitting->wire.designation)
                            : std::nullopt);
    appendNumberCell(row, ofWound([](const WoundWire& w) { return w.lengthM; }));
    appendNumberCell(row, ofWound([](const WoundWire& w) { return w.r20Ohm; }));
    appendNumberCell(row, ofWound([](const WoundWire& w) { return w.rHotOhm; }));
    appendNumberCell(row, ofWound([](const WoundWire& w) { return w.massG; }));
    appendNumberCell(row, details.inductance ? std::optional(details.inductance->wholeTurnsUh)
                                             : std::nullopt);
    appendNumberCell(row, details.saturationCurrentA);

    std::string why;
    for (const std::string& reason : details.reasons) {
        why += (why.empty() ? "details: " : "; ") + reason;
    }
    return why;
}

void appendEmptyCells(std::string& row, std::size_t count) {
    row.append(count, ',');
}

// The first `width` cells, empty ones standing in for those the record lacks.
void appendInputCells(std::string& row, const std::vector<std::string>& cells, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        if (i > 0) {
            row += ',';
        }
        if (i < cells.size()) {
            appendCell(row, cells[i]);
        }
    }
}

// One design: the input cells as read, then the results and the error. Returns whether every
// figure was computed.
bool appendDesignRow(std::string& row, const std::vector<std::string>& cells, const ColumnMap& map,
                     const DetailsSettings& settings) {
    appendInputCells(row, cells, map.width);
    MemoryFieldSet fields;
    for (std::size_t i = 0; i < kRequiredColumns.size(); ++i) {
        if (kRequiredColumns[i].field != kCoreTypeColumn) {
            fields.setText(kRequiredColumns[i].field, cells[map.required[i]]);
        }
    }
    const std::string& coreText = cells[map.required[kCoreTypeSlot]];
    const CoreType core = coreTypeOf(coreText);

    // An AL given stands in field 18 as typed; the steps from the turns on run as after Enter
    // in 19.
    const bool alGiven = map.al && !cells[*map.al].empty();
    if (alGiven) {
        fields.setText(kAlColumn.field, cells[*map.al]);
    }
    std::string error;
    for (const StepId step : kStepOrder) {
        if (alGiven && step == StepId::Al) {
            continue;
        }
        try {
            runStep(fields, step, core);
        } catch (const StepFault& fault) {
            error = fault.what();
            break;
        }
    }
    // Fields the steps did not reach hold their empty start-up text.
    for (const StepId step : kStepOrder) {
        row += ',';
        const std::string text = fields.text(stepRow(step, core).writes);
        appendCell(row,
                   step == StepId::CopperG ? withoutCopperSuffix(text) : std::string_view(text));
    }
    if (error.empty()) {
        error = appendDetails(row, fields, coreText, settings);
    } else {
        appendEmptyCells(row, kDetailsColumns.size());
    }
    row += ',';
    appendCell(row, error);
    return error.empty();
}

// A record that is no design: its cells as far as the header names them, no results.
void appendFaultRow(std::string& row, const std::vector<std::string>& cells, std::size_t width,
                    std::string_view error) {
    appendInputCells(row, cells, width);
    appendEmptyCells(row, kStepOrder.size() + kDetailsColumns.size() + 1);
    appendCell(row, error);
}

std::string lineFault(long long line, std::string_view what) {
    return "line " + std::to_string(line) + ": " + std::string(what);
}

// One output row, line end included, for one record. Returns whether every figure was computed.
bool appendRecordRow(std::string& row, const CsvRecord& record, const ColumnMap& map,
                     const DetailsSettings& settings) {
    bool computed = false;
    if (!record.fault.empty()) {
        appendFaultRow(row, record.cells, map.width, lineFault(record.line, record.fault));
    } else if (record.cells.size() != map.width) {
        appendFaultRow(row, record.cells, map.width,
                       lineFault(record.line, std::to_string(record.cells.size()) +
                                                  " cells where the header has " +
                                                  std::to_string(map.width)));
    } else {
        computed = appendDesignRow(row, record.cells, map, settings);
    }
    row += '\n';
    return computed;
}

// Records read together and computed side by side. Bounded in records and in bytes, so memory
// stays flat whatever the input.
constexpr std::size_t kBatchRecords = 4096;
constexpr std::size_t kBatchBytes = std::size_t{1024} * 1024;
// A slot keeps its storage from batch to batch unless a huge record grew it past this: otherwise
// every slot could end up holding the largest record's storage.
constexpr std::size_t kSlotKeptBytes = 4096;

std::size_t storageOf(const CsvRecord& record, const std::string& row) {
    std::size_t bytes = record.cells.capacity() * sizeof(std::string) + row.capacity();
    for (const std::string& cell : record.cells) {
        bytes += cell.capacity();
    }
    return bytes;
}

struct Batch {
    std::vector<CsvRecord> records;
    std::vector<std::string> rows;
    std::vector<char> failed;
    std::size_t count = 0;

    void read(CsvReader& reader) {
        count = 0;
        std::size_t bytes = 0;
        while (count < kBatchRecords && bytes < kBatchBytes) {
            if (count == records.size()) {
                records.emplace_back();
                rows.emplace_back();
                failed.push_back(0);
            }
            CsvRecord& record = records[count];
            if (storageOf(record, rows[count]) > kSlotKeptBytes) {
                record = CsvRecord{};
                rows[count] = std::string{};
            }
            if (!reader.next(record)) {
                break;
            }
            for (const std::string& cell : record.cells) {
                bytes += sizeof cell + cell.size();
            }
            ++count;
        }
    }

    void compute(std::size_t first, std::size_t last, const ColumnMap& map,
                 const DetailsSettings& settings) {
        for (std::size_t i = first; i < last; ++i) {
            rows[i].clear();
            failed[i] = appendRecordRow(rows[i], records[i], map, settings) ? 0 : 1;
        }
    }
};

// A batch's rows computed on every hardware thread while the caller goes on. Where the standard
// library has no threads (MinGW's win32 thread model), start computes them in place.
class Computation {
public:
    void start(Batch& batch, const ColumnMap& map, const DetailsSettings& settings) {
#ifdef COILWIND_BATCH_HAS_THREADS
        const std::size_t parts =
            std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
        for (std::size_t part = 0; part < parts; ++part) {
            const std::size_t first = batch.count * part / parts;
            const std::size_t last = batch.count * (part + 1) / parts;
            parts_.push_back(std::async(std::launch::async, [&batch, &map, &settings, first, last] {
                batch.compute(first, last, map, settings);
            }));
        }
#else
        batch.compute(0, batch.count, map, settings);
#endif
    }

    // Rethrows what a part threw.
    void wait() {
#ifdef COILWIND_BATCH_HAS_THREADS
        std::vector<std::future<void>> parts;
        parts.swap(parts_);
        for (std::future<void>& part : parts) {
            part.get();
        }
#endif
    }

private:
#ifdef COILWIND_BATCH_HAS_THREADS
    std::vector<std::future<void>> parts_;
#endif
};

} // namespace

int runBatch(std::istream& in, std::ostream& out, const DetailsSettings& settings) {
    CsvReader reader(in);
    CsvRecord header;
    if (!reader.next(header)) {
        throw InputError("no header line: the input is empty");
    }
    if (!header.fault.empty()) {
        throw InputError(lineFault(header.line, header.fault) + " (the header line)");
    }
    const ColumnMap map = mapColumns(header.cells);

    std::string row;
    appendInputCells(row, header.cells, map.width);
    for (const StepId step : kStepOrder) {
        row += ',';
        row += stepName(step);
    }
    for (const std::string_view column : kDetailsColumns) {
        row += ',';
        row += column;
    }
    row += ',';
    row += kErrorColumn;
    row += '\n';
    out.write(row.data(), static_cast<std::streamsize>(row.size()));

    // Two batches take turns: while one is computed, the main thread writes the other's rows and
    // reads the next records into it.
    int status = kEveryRowComputed;
    std::array<Batch, 2> batches;
    std::size_t current = 0;
    Computation computation;
    batches[current].read(reader);
    if (batches[current].count > 0) {
        computation.start(batches[current], map, settings);
    }
    while (batches[current].count > 0) {
        Batch& done = batches[current];
        Batch& next = batches[current ^ 1];
        next.read(reader);
        computation.wait();
        if (next.count > 0) {
            computation.start(next, map, settings);
        }
        for (std::size_t i = 0; i < done.count; ++i) {
            out.write(done.rows[i].data(), static_cast<std::streamsize>(done.rows[i].size()));
            if (done.failed[i] != 0) {
                status = kSomeRowFailed;
            }
        }
        current ^= 1;
    }
    return status;
}

} // namespace coilwind::batch
