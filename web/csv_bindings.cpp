// coilwind-batch's row loop for the page's CSV worker (web/worker.js): a plain C interface over
// batch/, in a module of its own that the page loads only when a table is run.

#include "batch/command_line.hpp"
#include "batch/pipeline.hpp"
#include "web/result_text.hpp"

#include <array>
#include <emscripten.h>
#include <exception>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

// The page supplies the input bytes and takes the output bytes in chunks (a file read piece by
// piece, or a text), so memory stays flat however long the table.
EM_JS(int, coilwind_read_input, (char* buffer, int capacity),
      { return Module.coilwindReadInput(buffer, capacity); });
EM_JS(void, coilwind_write_output, (const char* bytes, int size),
      { Module.coilwindWriteOutput(bytes, size); });

namespace {

using coilwind::web::give;
namespace batch = coilwind::batch;

class PageInput final : public std::streambuf {
protected:
    int_type underflow() override {
        const int read = coilwind_read_input(buffer_.data(), static_cast<int>(buffer_.size()));
        if (read <= 0) {
            return traits_type::eof();
        }
        setg(buffer_.data(), buffer_.data(), buffer_.data() + read);
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    std::array<char, 1 << 16> buffer_{};
};

class PageOutput final : public std::streambuf {
public:
    PageOutput() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

protected:
    int_type overflow(int_type c) override {
        flush();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        flush();
        return 0;
    }

private:
    void flush() {
        if (pptr() > pbase()) {
            coilwind_write_output(pbase(), static_cast<int>(pptr() - pbase()));
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    std::array<char, 1 << 16> buffer_{};
};

batch::BatchCounts counts;

} // namespace

extern "C" {

// Runs the table the page's input hook supplies through coilwind-batch's row loop with the
// options as coilwind-batch takes them (arguments separated by line feeds), the output to the
// page's output hook. Returns the exit status; for 2 the result text is the message.
int coilwind_run_csv(const char* arguments, int size) {
    std::vector<std::string> words;
    std::string_view rest(arguments, static_cast<std::size_t>(size));
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        words.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const std::vector<std::string_view> views(words.begin(), words.end());
    counts = {};
    try {
        const batch::Options options = batch::parseOptions(views);
        PageInput input;
        PageOutput output;
        std::istream in(&input);
        std::ostream out(&output);
        const int status = batch::runBatch(in, out, options.batch, {}, &counts);
        out.flush();
        give({});
        return status;
    } catch (const std::exception& error) {
        give(error.what());
        return batch::kUsageOrInputOutputError;
    }
}

// The rows of the last run: read (each one a row of the output), and those with an error.
double coilwind_rows_read() {
    return static_cast<double>(counts.rows);
}
double coilwind_rows_failed() {
    return static_cast<double>(counts.failed);
}

} // extern "C"
