// A press on Calculate in the real main window, on the offscreen platform: the six fields
// read, the computation, the messages recorded and the six fields written.

#include <cstdlib>

#include <benchmark/benchmark.h>
#include <QApplication>

#include "bench/loading_column.h"
#include "bench/silent_feedback.h"
#include "calculator/control_wnd.h"
#include "shell/framework/push_button.h"
#include "shell/framework/text_area.h"

namespace {

void BM_CalculateButton(benchmark::State& state) {
  bench::SilentFeedback feedback;
  auto& window = ControlWnd::ControlWnd();
  const auto field = [&](const char* name) -> fw::TextArea& { return fw::ControlAs<fw::TextArea>(window, name); };
  const std::int64_t nv = state.range(0);
  field("Nvariables").SetText(std::to_string(nv));
  field("Nsubjects1").SetText("100");
  field("Nsubjects2").SetText("120");
  field("sFld").SetText(".30");
  const std::string column1 = bench::LoadingColumn(nv, 137);
  const std::string column2 = bench::LoadingColumn(nv, 151);
  auto& calculate = fw::ControlAs<fw::PushButton>(window, "CalculateBtn");
  for (auto _ : state) {
    // Each press appends its echo; the columns start as typed every time.
    state.PauseTiming();
    field("InputFld1").SetText(column1);
    field("InputFld2").SetText(column2);
    state.ResumeTiming();
    calculate.Push();
  }
  state.counters["messages"] = feedback.messages;
  fw::ReleaseImplicitWindows();
}
BENCHMARK(BM_CalculateButton)->Arg(99)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
