#include "batch/row.hpp"

#include "calc/core_type.hpp"
#include "calc/failure.hpp"
#include "calc/field_set.hpp"
#include "calc/stages.hpp"
#include "calc/step_table.hpp"

#include <algorithm>
#include <utility>
#include <vector>

namespace coilwind::batch {
namespace {

struct CoreSpelling {
    std::string_view text;
    CoreType core;
};

// The window's list texts and the words a table may use instead, matched whatever their case and
// the blanks around them.
constexpr std::array<CoreSpelling, 4> kCoreSpellings{{
    {kDrumCoreText, CoreType::Drum},
    {"drum", CoreType::Drum},
    {kRodCoreText, CoreType::Rod},
    {"rod", CoreType::Rod},
}};

std::optional<CoreType> coreTypeIn(std::string_view cell) {
    const auto* found =
        std::find_if(kCoreSpellings.begin(), kCoreSpellings.end(),
                     [&](const CoreSpelling& s) { return namesMatch(cell, s.text); });
    return found == kCoreSpellings.end() ? std::nullopt : std::optional(found->core);
}

std::string_view listTextOf(CoreType core) {
    return core == CoreType::Rod ? kRodCoreText : kDrumCoreText;
}

// The fields a row takes from its cells: what its steps read before any of them wrote it.
struct CellReads {
    std::array<FieldIndex, kDesignFields.size() + 1> fields{};
    std::size_t count = 0;

    std::span<const FieldIndex> list() const { return {fields.data(), count}; }
    bool has(FieldIndex field) const {
        return std::find(fields.begin(), fields.begin() + static_cast<std::ptrdiff_t>(count),
                         field) != fields.begin() + static_cast<std::ptrdiff_t>(count);
    }
};

CellReads cellReadsOf(CoreType core, bool alGiven) {
    CellReads reads;
    CellReads written;
    for (const StepId step : kStepOrder) {
        if (alGiven && step == StepId::Al) {
            continue;
        }
        const StepRow& row = stepRow(step, core);
        for (const FieldIndex field : row.readFields()) {
            if (!written.has(field) && !reads.has(field)) {
                reads.fields[reads.count++] = field;
            }
        }
        written.fields[written.count++] = row.writes;
    }
    return reads;
}

const CellReads& cellReads(CoreType core, bool alGiven) {
    static const std::array<CellReads, 4> kReads{
        cellReadsOf(CoreType::Drum, false), cellReadsOf(CoreType::Drum, true),
        cellReadsOf(CoreType::Rod, false), cellReadsOf(CoreType::Rod, true)};
    return kReads[(core == CoreType::Rod ? 2 : 0) + (alGiven ? 1 : 0)];
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The field text of a cell that holds one decimal number and nothing else, blanks around it
// allowed: the cell itself where it can stand so, otherwise its rewriting into `scratch` ("+4,7 "
// becomes "4.7" where the decimal mark is a comma; "." is read as well). None for any other
// cell. A number beyond the range of a double is still one: the step that reads it says so.
std::optional<std::string_view> numberText(std::string_view cell, char decimalMark,
                                           std::string& scratch) {
    cell = trimmed(cell);
    std::size_t i = 0;
    const auto at = [&](auto test) { return i < cell.size() && test(cell[i]); };
    const auto sign = [](char c) { return c == '+' || c == '-'; };
    const auto digits = [&] {
        const std::size_t start = i;
        while (at(isDigit)) {
            ++i;
        }
        return i - start;
    };
    const bool plus = at([](char c) { return c == '+'; });
    i += at(sign) ? 1 : 0;
    std::size_t count = digits();
    const bool comma = at([&](char c) { return c == decimalMark && c != '.'; });
    if (comma || at([](char c) { return c == '.'; })) {
        ++i;
        count += digits();
    }
    if (count == 0) {
        return std::nullopt;
    }
    if (at([](char c) { return c == 'e' || c == 'E'; })) {
        ++i;
        i += at(sign) ? 1 : 0;
        if (digits() == 0) {
            return std::nullopt;
        }
    }
    if (i != cell.size()) {
        return std::nullopt;
    }
    if (!plus && !comma) {
        return cell;
    }
    scratch.assign(cell.substr(plus ? 1 : 0));
    std::replace(scratch.begin(), scratch.end(), decimalMark, '.');
    return scratch;
}

std::string cellFault(std::string_view column, std::string_view cell, TableFormat format) {
    const std::string name(column);
    if (trimmed(cell).empty()) {
        return name + ": empty";
    }
    std::string fault = name + ": " + quotedCell(cell) + " is not a number";
    std::string scratch;
    if (format.decimalMark() != ',' && numberText(cell, ',', scratch)) {
        fault += " (a decimal comma needs \";\" as the delimiter)";
    }
    return fault;
}

std::string coreFault(std::string_view cell) {
    if (trimmed(cell).empty()) {
        return "core: empty";
    }
    std::string spellings;
    for (const CoreSpelling& spelling : kCoreSpellings) {
        spellings += (spellings.empty() ? "" : ", ") + std::string(spelling.text);
    }
    return "core: " + quotedCell(cell) + " is not a core type (" + spellings + ")";
}

// The copper weight as shown, without the line feed and carriage return the field holds behind it.
std::string withoutCopperSuffix(std::string text) {
    if (text.ends_with(kCopperWeightSuffix)) {
        text.resize(text.size() - kCopperWeightSuffix.size());
    }
    return text;
}

std::string detailsFault(const WindingDetails& details) {
    std::string why;
    for (const std::string& reason : details.reasons) {
        why += (why.empty() ? "details: " : "; ") + reason;
    }
    return why;
}

} // namespace

DesignOutcome computeDesign(std::span<const std::string> cells, const Table& table,
                            const DetailsSettings& settings) {
    DesignOutcome outcome;
    const TableFormat format = table.format();
    // A given AL stands in field 18 as if typed; the steps from the turns on run as after Enter
    // in 19, and the AL column keeps the cell as given.
    const auto alCell = table.cellOf(field::kAl);
    const bool alGiven = alCell && !trimmed(cells[*alCell]).empty();
    if (alGiven) {
        outcome.results[resultSlot(StepId::Al)] = cells[*alCell];
    }
    const std::string_view coreCell = cells[table.coreCell()];
    const auto core = coreTypeIn(coreCell);
    if (!core) {
        outcome.error = coreFault(coreCell);
        return outcome;
    }

    // Only the cells the steps read reach the fields; the others stay empty.
    const CellReads& reads = cellReads(*core, alGiven);
    MemoryFieldSet fields;
    for (const FieldIndex field : kDesignFields) {
        if (!reads.has(field)) {
            fields.setText(field, {});
        }
    }
    std::vector<std::pair<std::size_t, std::string>> faults; // by column
    std::string scratch;
    // A cell read must hold a number; an optional one may also be empty.
    const auto readCell = [&](FieldIndex field, bool optional) {
        const std::size_t at = *table.cellOf(field);
        if (const auto text = numberText(cells[at], format.decimalMark(), scratch)) {
            fields.setText(field, *text);
        } else if (!optional || !trimmed(cells[at]).empty()) {
            faults.emplace_back(at, cellFault(fieldName(field), cells[at], format));
        }
    };
    for (const FieldIndex field : reads.list()) {
        readCell(field, false);
    }
    // The second opinion from the shape reads the permeability, and a drum's D, even where the
    // steps do not (AL given).
    for (const FieldIndex field : {field::kPermeability, field::kD}) {
        if ((field != field::kD || *core == CoreType::Drum) && !reads.has(field)) {
            readCell(field, true);
        }
    }
    // The current rating reads a drum's length D for its surface even where the steps do not.
    if (*core == CoreType::Drum && settings.current.dcCurrentA && !reads.has(field::kD)) {
        readCell(field::kD, true);
    }
    if (!faults.empty()) {
        std::sort(faults.begin(), faults.end());
        for (const auto& fault : faults) {
            outcome.error += (outcome.error.empty() ? "" : "; ") + fault.second;
        }
        return outcome;
    }

    for (const StepId step : kStepOrder) {
        if (alGiven && step == StepId::Al) {
            continue;
        }
        try {
            runStep(fields, step, *core);
        } catch (const StepFault& fault) {
            outcome.error = fault.what();
            break;
        }
    }
    // Fields the steps did not reach hold their empty start-up text.
    for (const StepId step : kStepOrder) {
        if (alGiven && step == StepId::Al) {
            continue;
        }
        std::string& result = outcome.results[resultSlot(step)];
        result = withoutCopperSuffix(fields.text(stepRow(step, *core).writes));
        format.markDecimals(result);
    }
    if (outcome.error.empty()) {
        // Every step has read these fields already. A given AL did not come from D, but a D the
        // row holds is still part of the shape: F above it is as impossible with a given AL as
        // without, and a row must give the same details as the output it wrote, whose AL column
        // is then filled.
        DesignInputs design = readDesign(fields, listTextOf(*core));
        if (alGiven) {
            design.alFromLength = !fields.text(field::kD).empty();
        }
        outcome.details = computeDetails(design, settings);
        outcome.error = detailsFault(*outcome.details);
    }
    return outcome;
}

bool appendRecordRow(std::string& line, const CsvRecord& record, const Table& table,
                     const DetailsSettings& settings) {
    std::span<const std::string> cells = record.cells;
    DesignOutcome outcome;
    // Spreadsheets may end a row with delimiters beyond the header's columns.
    if (cells.size() > table.width() &&
        std::all_of(cells.begin() + static_cast<std::ptrdiff_t>(table.width()), cells.end(),
                    [](const std::string& cell) { return trimmed(cell).empty(); })) {
        cells = cells.first(table.width());
    }
    if (!record.fault.empty()) {
        outcome.error = lineMessage(record.line, record.fault);
        cells = {};
    } else if (cells.size() != table.width()) {
        outcome.error =
            lineMessage(record.line, std::to_string(cells.size()) + " cells where the header has " +
                                         std::to_string(table.width()));
        cells = {};
    } else if (table.designless(cells)) {
        const auto errorCell = table.errorCell();
        outcome.error = errorCell && !cells[*errorCell].empty()
                            ? cells[*errorCell]
                            : "no design: model, core and every number cell are empty";
    } else {
        outcome = computeDesign(cells, table, settings);
    }
    table.appendRow(line, cells, outcome);
    return outcome.error.empty();
}

} // namespace coilwind::batch
