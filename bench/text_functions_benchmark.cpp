#include "shell/framework/text_functions.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

// Loadings as a user types them and as the request reads them.
constexpr std::array<const char*, 8> kLoadingTexts { "-.123", ".996", "0.5", "1", "-1", ".045", "-.7", ".30" };
constexpr std::array<double, 8> kLoadings { -0.123, 0.996, 0.5, 1.0, -1.0, 0.045, -0.7, 0.3 };

void BM_ValOfLoadings(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* text : kLoadingTexts) {
      benchmark::DoNotOptimize(fw::Val(text));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLoadingTexts.size()));
}
BENCHMARK(BM_ValOfLoadings);

// A number that needs all seventeen digits, beyond the fast path.
void BM_ValOfALongNumber(benchmark::State& state) {
  const std::string text = "0.30000000000000004";
  for (auto _ : state) {
    benchmark::DoNotOptimize(fw::Val(text));
  }
}
BENCHMARK(BM_ValOfALongNumber);

void BM_StrOfLoadings(benchmark::State& state) {
  for (auto _ : state) {
    for (const double value : kLoadings) {
      fw::String text = fw::Str(value);
      benchmark::DoNotOptimize(text);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLoadings.size()));
}
BENCHMARK(BM_StrOfLoadings);

void BM_StrOfALongNumber(benchmark::State& state) {
  const double value = 0.1 + 0.2;
  for (auto _ : state) {
    fw::String text = fw::Str(value);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_StrOfALongNumber);

}  // namespace
