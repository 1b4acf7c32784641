#pragma once

#include "batch/pipeline.hpp"

#include <istream>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace coilwind::batch {

struct Options {
    BatchSettings batch;
    std::string input = "-"; // a file name, or "-" for standard input
    bool help = false;
    bool version = false;
};

// A command line that names no valid run; what() is the one-line reason.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `args` without the program name. Throws UsageError.
Options parseOptions(std::span<const std::string_view> args);

std::string usageText();

// The whole tool: options, input, the run, and every message on `err`. Returns the exit status.
int runCommandLine(std::span<const std::string_view> args, std::istream& standardInput,
                   std::ostream& out, std::ostream& err);

} // namespace coilwind::batch
