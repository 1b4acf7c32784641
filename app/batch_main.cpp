// coilwind-batch: a table of designs through the calculator, from the command line.

#include "batch/command_line.hpp"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

int run(const std::vector<std::string_view>& args) {
    std::ios::sync_with_stdio(false);
    return coilwind::batch::runCommandLine(args, std::cin, std::cout, std::cerr);
}

} // namespace

#ifdef _WIN32
// wmain: the arguments as Windows holds them, in UTF-16, passed on in UTF-8, the encoding the
// command line's file name is read in. main's would be in the ANSI code page, where a name
// outside it (Chinese on a Western system) arrives as question marks.
int wmain(int argc, wchar_t** argv) {
    // Bytes as they are: no CR LF translation, no end of input at a Ctrl-Z.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> texts;
    for (int i = 1; i < argc; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string& text = texts.emplace_back(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, text.data(), size, nullptr, nullptr);
        text.pop_back(); // the terminating zero
    }
    return run(std::vector<std::string_view>(texts.begin(), texts.end()));
}
#else
int main(int argc, char** argv) {
    return run(std::vector<std::string_view>(argv + (argc > 0 ? 1 : 0), argv + argc));
}
#endif
