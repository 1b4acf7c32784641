#include "batch/pipeline.hpp"

#include "batch/columns.hpp"
#include "batch/csv.hpp"
#include "batch/row.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>
#include <vector>

// Threads where the standard library has them: not in MinGW's win32 thread model, nor in a
// WebAssembly build without pthreads (there std::async never runs its task).
#if (!defined(__GLIBCXX__) || defined(_GLIBCXX_HAS_GTHREADS)) &&                                   \
    (!defined(__EMSCRIPTEN__) || defined(__EMSCRIPTEN_PTHREADS__))
#define COILWIND_BATCH_HAS_THREADS 1
#include <future>
#include <thread>
#endif

namespace coilwind::batch {
namespace {

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

    void read(CsvReader& reader, const BatchLimits& limits) {
        count = 0;
        std::size_t bytes = 0;
        while (count < std::max<std::size_t>(limits.records, 1) && bytes < limits.bytes) {
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
                bytes += sizeof(std::string) + cell.size();
            }
            ++count;
        }
    }

    void compute(std::size_t first, std::size_t last, const Table& table,
                 const DetailsSettings& settings) {
        for (std::size_t i = first; i < last; ++i) {
            rows[i].clear();
            failed[i] = appendRecordRow(rows[i], records[i], table, settings) ? 0 : 1;
        }
    }
};

// A batch's rows computed on every hardware thread while the caller goes on. Without threads,
// start computes them in place.
class Computation {
public:
    void start(Batch& batch, const Table& table, const DetailsSettings& settings) {
#ifdef COILWIND_BATCH_HAS_THREADS
        const std::size_t parts =
            std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
        for (std::size_t part = 0; part < parts; ++part) {
            const std::size_t first = batch.count * part / parts;
            const std::size_t last = batch.count * (part + 1) / parts;
            parts_.push_back(
                std::async(std::launch::async, [&batch, &table, &settings, first, last] {
                    batch.compute(first, last, table, settings);
                }));
        }
#else
        batch.compute(0, batch.count, table, settings);
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

// Every write since errno was cleared went well, or the reason of the one that failed: a stream
// writes nothing more once it failed, so errno still holds that reason.
void checkWritten(const std::ostream& out) {
    if (!out) {
        throw WriteError(systemReason(), "cannot write the output");
    }
}

void checkRead(const CsvReader& reader) {
    if (reader.readError()) {
        throw ReadError(reader.readError(), "cannot read the input");
    }
}

} // namespace

int runBatch(std::istream& in, std::ostream& out, const BatchSettings& settings,
             const BatchLimits& limits, BatchCounts* counts) {
    BatchCounts unused;
    BatchCounts& counted = counts != nullptr ? *counts : unused;
    counted = {};
    CsvReader reader(in);
    const Table table = [&] {
        try {
            return Table::read(reader, settings.delimiter,
                               settings.details.current.dcCurrentA.has_value());
        } catch (const InputError&) {
            checkRead(reader); // a header cut short by a read error is that error
            throw;
        }
    }();
    std::string header;
    table.appendHeader(header);
    errno = 0;
    out.write(header.data(), static_cast<std::streamsize>(header.size()));
    checkWritten(out);

    // Two batches take turns: while one is computed, the main thread writes the other's rows and
    // reads the next records into it.
    int status = kEveryRowComputed;
    std::array<Batch, 2> batches;
    std::size_t current = 0;
    Computation computation;
    batches[current].read(reader, limits);
    if (batches[current].count > 0) {
        computation.start(batches[current], table, settings.details);
    }
    while (batches[current].count > 0) {
        Batch& done = batches[current];
        Batch& next = batches[current ^ 1];
        next.read(reader, limits);
        computation.wait();
        if (next.count > 0) {
            // Should a write below fail, the computation's destructor waits for it.
            computation.start(next, table, settings.details);
        }
        errno = 0;
        for (std::size_t i = 0; i < done.count; ++i) {
            out.write(done.rows[i].data(), static_cast<std::streamsize>(done.rows[i].size()));
            if (done.failed[i] != 0) {
                status = kSomeRowFailed;
                ++counted.failed;
            }
        }
        counted.rows += static_cast<long long>(done.count);
        checkWritten(out);
        current ^= 1;
    }
    checkRead(reader);
    errno = 0;
    out.flush();
    checkWritten(out);
    return status;
}

} // namespace coilwind::batch
