// A press on Calculate in the real main window, on the offscreen platform: the six fields
// read, the computation, the messages recorded and the six fields written.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <QApplication>

#include "bench/loading_column.h"
#include "bench/main_window.h"
#include "bench/silent_feedback.h"

namespace {

using bench::Field;

void BM_CalculateButton(benchmark::State& state) {
  bench::SilentFeedback feedback;
  const std::int64_t nv = state.range(0);
  bench::TypeNumbers(nv);
  const std::string column1 = bench::LoadingColumn(nv, 137);
  const std::string column2 = bench::LoadingColumn(nv, 151);
  for (auto _ : state) {
    // Each press appends its echo; the columns start as typed every time.
    state.PauseTiming();
    Field("InputFld1").SetText(column1);
    Field("InputFld2").SetText(column2);
    state.ResumeTiming();
    bench::Press("CalculateBtn");
  }
  state.counters["messages"] = feedback.messages;
  fw::ReleaseImplicitWindows();
}
BENCHMARK(BM_CalculateButton)->Arg(99)->Unit(benchmark::kMicrosecond);

double MedianMs(std::vector<double> seconds) {
  std::nth_element(seconds.begin(), seconds.begin() + seconds.size() / 2, seconds.end());
  return seconds[seconds.size() / 2] * 1000.0;
}

// Presses without Clear, as a user who changes a value and presses again: every press appends
// one more echo block to each column, and the window then lays out and paints what it wrote.
// The medians of the first and of the last 20 presses of the one run are its counters.
void BM_CalculateButtonWithoutClear(benchmark::State& state) {
  bench::SilentFeedback feedback;
  const std::int64_t nv = state.range(0);
  bench::TypeNumbers(nv);
  Field("InputFld1").SetText(bench::LoadingColumn(nv, 137));
  Field("InputFld2").SetText(bench::LoadingColumn(nv, 151));
  ControlWnd::ControlWnd().Show();
  QApplication::processEvents();
  std::vector<double> seconds;
  seconds.reserve(static_cast<std::size_t>(state.max_iterations));
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    bench::Press("CalculateBtn");
    QApplication::processEvents();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count());
    seconds.push_back(took.count());
  }
  constexpr std::size_t kCompared = 20;
  if (seconds.size() >= 2 * kCompared) {
    const double first = MedianMs({ seconds.begin(), seconds.begin() + kCompared });
    const double last = MedianMs({ seconds.end() - kCompared, seconds.end() });
    state.counters["first20_ms"] = first;
    state.counters["last20_ms"] = last;
    state.counters["last_per_first"] = last / first;
  }
  state.counters["messages"] = feedback.messages;
  fw::ReleaseImplicitWindows();
}
BENCHMARK(BM_CalculateButtonWithoutClear)->Arg(99)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
