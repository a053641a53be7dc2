#include "bench/loading_column.h"
#include "calculator/calculate_request.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

void BM_CalculateRequest(benchmark::State& state) {
  const std::int64_t nv = state.range(0);
  const calculator::CalculateInput input {
    std::to_string(nv), "100", "120", ".30", bench::LoadingColumn(nv, 137), bench::LoadingColumn(nv, 151)
  };
  const std::function<void()> yield = [] {};
  for (auto _ : state) {
    calculator::CalculateOutcome outcome = calculator::CalculateRequest(input, yield);
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_CalculateRequest)->Arg(13)->Arg(99);

}  // namespace
