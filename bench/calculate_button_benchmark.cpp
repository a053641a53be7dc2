// A press on Calculate in the real main window, on the offscreen platform: the six fields
// read, the computation, the messages recorded and the six fields written.

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include <benchmark/benchmark.h>
#include <QApplication>

#include "bench/loading_column.h"
#include "bench/silent_feedback.h"
#include "calculator/control_wnd.h"
#include "shell/framework/push_button.h"
#include "shell/framework/text_area.h"

namespace {

fw::TextArea& Field(const char* name) { return fw::ControlAs<fw::TextArea>(ControlWnd::ControlWnd(), name); }

// The main window with nv variables, 100 and 120 subjects, salience .30 and the two columns.
void TypeInputs(std::int64_t nv) {
  Field("Nvariables").SetText(std::to_string(nv));
  Field("Nsubjects1").SetText("100");
  Field("Nsubjects2").SetText("120");
  Field("sFld").SetText(".30");
  Field("InputFld1").SetText(bench::LoadingColumn(nv, 137));
  Field("InputFld2").SetText(bench::LoadingColumn(nv, 151));
}

fw::PushButton& CalculateButton() { return fw::ControlAs<fw::PushButton>(ControlWnd::ControlWnd(), "CalculateBtn"); }

void BM_CalculateButton(benchmark::State& state) {
  bench::SilentFeedback feedback;
  const std::int64_t nv = state.range(0);
  TypeInputs(nv);
  const std::string column1 = bench::LoadingColumn(nv, 137);
  const std::string column2 = bench::LoadingColumn(nv, 151);
  for (auto _ : state) {
    // Each press appends its echo; the columns start as typed every time.
    state.PauseTiming();
    Field("InputFld1").SetText(column1);
    Field("InputFld2").SetText(column2);
    state.ResumeTiming();
    CalculateButton().Push();
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
  TypeInputs(state.range(0));
  ControlWnd::ControlWnd().Show();
  QApplication::processEvents();
  std::vector<double> seconds;
  seconds.reserve(static_cast<std::size_t>(state.max_iterations));
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    CalculateButton().Push();
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

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
