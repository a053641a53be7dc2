#include "shell/framework/text_functions.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

// A number that needs all seventeen digits.
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

// The results as a request lays them out: a salient similarity by "0.000", a congruence by
// "+ #.####" and a chi-square by "#####.###".
struct MaskedResult {
  double value;
  std::string_view mask;
};
constexpr std::array<MaskedResult, 6> kResults { {
    { 0.41666666666666669, "0.000" },
    { -0.0625, "0.000" },
    { 0.99851234567, "+ #.####" },
    { -0.31415926535, "+ #.####" },
    { 29.834567891, "#####.###" },
    { 1234.5, "#####.###" },
} };

void BM_FormatOfResults(benchmark::State& state) {
  for (auto _ : state) {
    for (const MaskedResult& result : kResults) {
      fw::String text = fw::Format(result.value, result.mask);
      benchmark::DoNotOptimize(text);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kResults.size()));
}
BENCHMARK(BM_FormatOfResults);

}  // namespace
