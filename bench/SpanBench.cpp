// Benchmark of the edge search: the most work one span can take.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "base/Color.h"
#include "ruler/spans/EdgeSearch.h"

namespace {

// A row of a 3840-pixel monitor that is one gradient from end to end: the run from its middle
// grows to both ends, comparing every pair of neighbours.
void EdgeSearchAcrossA4kGradient(benchmark::State& state) {
    std::vector<std::uint32_t> row(3840);
    for (std::size_t i = 0; i < row.size(); ++i) {
        const auto level = static_cast<unsigned>(40 + i * 200 / row.size());
        row[i] = Rgb(level, level, level);
    }
    for (auto _ : state) benchmark::DoNotOptimize(RunAround(row.data(), static_cast<int>(row.size()), 1920, 24));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(row.size()));
}
BENCHMARK(EdgeSearchAcrossA4kGradient);

}  // namespace
