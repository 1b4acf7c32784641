#pragma once

#include "calc/winding_details.hpp"

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

namespace coilwind::batch {

// Exit statuses of coilwind-batch.
inline constexpr int kEveryRowComputed = 0;
inline constexpr int kSomeRowFailed = 1;
inline constexpr int kUsageOrInputOutputError = 2;

// The input cannot be run at all: no header, a required column missing or named twice, a header
// that cannot be read. Nothing has been written when it is thrown.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};


// Reads a table of designs as CSV from `in` and writes it to `out` with the results: one row per
// record, in input order, each computed on its own field set. Returns kEveryRowComputed or
// kSomeRowFailed; throws InputError. A read error of `in` ends the run where it happens (the caller
// checks the stream).
int runBatch(std::istream& in, std::ostream& out, const DetailsSettings& settings);

} // namespace coilwind::batch
