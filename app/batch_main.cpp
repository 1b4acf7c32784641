// coilwind-batch: a table of designs through the calculator, from the command line.

#include "batch/command_line.hpp"

#include <iostream>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes as they are: no CR LF translation, no end of input at a Ctrl-Z.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return coilwind::batch::runCommandLine(args, std::cin, std::cout, std::cerr);
}
