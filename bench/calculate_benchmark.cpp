#include "calculator/calculate_request.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// A column of nv loadings as a user types them: "-.123", ".045", one per line.
std::string LoadingColumn(std::int64_t nv, std::int64_t step)
{
    std::string column;
    for (std::int64_t i = 0; i < nv; ++i) {
        const std::int64_t thousandths = (i * step) % 1999 - 999;
        char line[16];
        std::snprintf(line, sizeof line, "%s.%03lld%s", thousandths < 0 ? "-" : "",
                      static_cast<long long>(thousandths < 0 ? -thousandths : thousandths), i + 1 < nv ? "\r" : "");
        column += line;
    }
    return column;
}

void BM_CalculateRequest(benchmark::State& state)
{
    const std::int64_t nv = state.range(0);
    const calculator::CalculateInput input { std::to_string(nv), "100", "120", ".30", LoadingColumn(nv, 137),
                                             LoadingColumn(nv, 151) };
    const std::function<void()> yield = [] {};
    for (auto _ : state) {
        calculator::CalculateOutcome outcome = calculator::CalculateRequest(input, yield);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CalculateRequest)->Arg(13)->Arg(99);

}  // namespace
