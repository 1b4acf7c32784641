#include "calc/commands.hpp"
#include "calc/field_set.hpp"
#include "calc/number_text.hpp"
#include "calc/winding_details.hpp"

#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdint>
#include <string>

namespace coilwind {
namespace {

void BM_ReadNumber(benchmark::State& state) {
    const std::string text = "  4.7e-3uH";
    for (auto _ : state) {
        benchmark::DoNotOptimize(readLeadingNumber(text));
    }
}
BENCHMARK(BM_ReadNumber);

void BM_WriteNumber(benchmark::State& state) {
    const auto pattern = static_cast<Pattern>(state.range(0));
    double value = 41.68;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatFixed(value, pattern));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WriteNumber)->Arg(1)->Arg(3)->Arg(4);

void BM_Calculate(benchmark::State& state) {
    const char* core = state.range(0) == 0 ? "KQ CORE" : "R CORE";
    MemoryFieldSet fields;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculate(fields, core));
    }
    state.SetLabel(core);
}
BENCHMARK(BM_Calculate)->Arg(0)->Arg(1);

// Every winding detail of one calculated design, read from the fields as the window shows them.
void BM_WindingDetails(benchmark::State& state) {
    const char* core = state.range(0) == 0 ? "KQ CORE" : "R CORE";
    MemoryFieldSet fields;
    calculate(fields, core);
    const DetailsSettings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeDetails(fields, core, settings));
    }
    state.SetLabel(core);
}
BENCHMARK(BM_WindingDetails)->Arg(0)->Arg(1);

// The same with the current rating: 1 A, 0.3 A p-p at 500 kHz (two layers, Δ about 5).
void BM_WindingDetailsWithCurrent(benchmark::State& state) {
    const char* core = state.range(0) == 0 ? "KQ CORE" : "R CORE";
    MemoryFieldSet fields;
    calculate(fields, core);
    DetailsSettings settings;
    settings.current = {1.0, 0.3, 500, 25, 155};
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeDetails(fields, core, settings));
    }
    state.SetLabel(core);
}
BENCHMARK(BM_WindingDetailsWithCurrent)->Arg(0)->Arg(1);

// A pasted text of n bytes: digits with a point in the middle, the worst case for the scanner.
void BM_ReadPastedText(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    std::string text(size, '7');
    text[size / 2] = '.';
    for (auto _ : state) {
        benchmark::DoNotOptimize(readLeadingNumber(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadPastedText)->RangeMultiplier(4)->Range(1 << 12, 1 << 20)->Complexity();

} // namespace
} // namespace coilwind

BENCHMARK_MAIN();
