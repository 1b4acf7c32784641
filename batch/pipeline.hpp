#pragma once

#include "calc/winding_details.hpp"

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <system_error>

namespace coilwind::batch {

// Exit statuses of coilwind-batch.
inline constexpr int kEveryRowComputed = 0;
inline constexpr int kSomeRowFailed = 1;
inline constexpr int kUsageOrInputOutputError = 2;

struct BatchSettings {
    DetailsSettings details;
    std::optional<char> delimiter; // when not given, found from the header line
};

// Records read together and computed side by side. Bounded in records and in bytes, so memory
// stays flat whatever the input.
struct BatchLimits {
    std::size_t records = 4096;
    std::size_t bytes = std::size_t{1024} * 1024;
};

// The input or the output failed; code() is the system's reason. The rows before stay written.
class ReadError : public std::system_error {
public:
    using std::system_error::system_error;
};
class WriteError : public std::system_error {
public:
    using std::system_error::system_error;
};

// What a run did, row by row: every record read is a row of the output.
struct BatchCounts {
    long long rows = 0;
    long long failed = 0; // rows with an error
};

// Reads a table of designs from `in` and writes it to `out` with the results: one row per record,
// in input order, each computed on its own field set. While a batch of records is computed on
// every core, the rows of the one before are written and the next is read. Returns
// kEveryRowComputed or kSomeRowFailed; throws InputError (nothing written), ReadError or
// WriteError. The output is flushed. `counts`, when given, follows the rows written.
int runBatch(std::istream& in, std::ostream& out, const BatchSettings& settings,
             const BatchLimits& limits = {}, BatchCounts* counts = nullptr);

} // namespace coilwind::batch
