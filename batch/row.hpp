#pragma once

#include "batch/columns.hpp"
#include "batch/csv.hpp"
#include "calc/winding_details.hpp"

#include <span>
#include <string>

namespace coilwind::batch {

// One record through the calculation and the winding details, on a field set of its own: appends
// its output row, line end included. Returns whether every figure was computed.
//
// A record that cannot be read (its fault, a cell count other than the header's) keeps no cells
// and names its line; one whose known cells are all blank is no design and keeps the error it
// came with (from an earlier run), so an output row reads back to itself.
bool appendRecordRow(std::string& line, const CsvRecord& record, const Table& table,
                     const DetailsSettings& settings);

// A design's cells through the steps for its core type, then the details. Every cell a step
// reads must hold one number, the core one of its spellings; otherwise no step runs and the
// error names each such cell.
DesignOutcome computeDesign(std::span<const std::string> cells, const Table& table,
                            const DetailsSettings& settings);

} // namespace coilwind::batch
