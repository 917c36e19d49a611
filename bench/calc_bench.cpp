// Speed of the calculation: one whole "Calcular" worth of work, and reading
// field texts of any length.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/fertiliser.h"
#include "calc/numbers.h"

namespace {

void BM_ComputeFertiliser(benchmark::State& state) {
    const calc::FertiliserInputs inputs{calc::PlantingSystem::Triangular, "10", "7", "", "", "3"};
    for (auto _ : state) {
        auto results = calc::ComputeFertiliser(inputs);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_ComputeFertiliser);

// A long run of digits with blanks between them: the worst case, since every
// character is looked at and the number never ends early.
void BM_ReadNumberLongText(benchmark::State& state) {
    std::string text;
    const auto length = static_cast<std::size_t>(state.range(0));
    text.reserve(length);
    for (std::size_t i = 0; text.size() < length; ++i) text += (i % 2 == 0) ? static_cast<char>('1' + i % 9) : ' ';
    for (auto _ : state) benchmark::DoNotOptimize(calc::ReadNumber(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadNumberLongText)
    ->RangeMultiplier(10)
    ->Range(1'000, 10'000'000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

}  // namespace
