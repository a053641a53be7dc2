// A paste into a loading column of the real main window (offscreen), in each shape a paste can
// take, until the window has laid it out and painted it; and a press on Calculate with such a
// column, until its messages are shown and the window has painted what it wrote.
//   arguments: the shape (0 lines, 1 one line with tabs, 2 one line with blanks, 3 one line with
//   no break at all) and the size in kB

#include <chrono>
#include <cstdint>
#include <string>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QClipboard>
#include <QTextEdit>

#include "bench/main_window.h"
#include "bench/silent_feedback.h"

namespace {

// The pasted text: loadings one a line, or the same on one line between tabs or blanks, or
// digits with nothing between them.
std::string Pasted(std::int64_t shape, std::int64_t kB) {
  const std::size_t bytes = static_cast<std::size_t>(kB) * 1000;
  const char* const units[] = { "-.123\n", "-.123\t", "-.123 ", "0123456789" };
  const std::string unit = units[shape];
  std::string text;
  text.reserve(bytes + unit.size());
  while (text.size() < bytes)
    text += unit;
  return text;
}

using bench::Field;

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_PasteIntoALoadingColumn(benchmark::State& state) {
  bench::SilentFeedback feedback;
  ControlWnd::ControlWnd().Show();
  fw::TextArea& column = Field("InputFld1");
  QApplication::clipboard()->setText(QString::fromStdString(Pasted(state.range(0), state.range(1))));
  for (auto _ : state) {
    column.SetText("");
    column.Edit().setFocus();
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    column.Edit().paste();
    QApplication::processEvents();
    state.SetIterationTime(SecondsSince(start));
  }
  state.counters["kB"] = static_cast<double>(column.Text().size()) / 1000.0;
  fw::ReleaseImplicitWindows();
}

void BM_CalculateWithAPastedColumn(benchmark::State& state) {
  bench::SilentFeedback feedback;
  ControlWnd::ControlWnd().Show();
  bench::TypeNumbers(99);
  Field("InputFld2").SetText(Pasted(0, 1));
  const std::string pasted = fw::ReplaceAll(Pasted(state.range(0), state.range(1)), "\n", "\r");
  for (auto _ : state) {
    Field("InputFld1").SetText(pasted);
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    bench::Press("CalculateBtn");
    QApplication::processEvents();
    state.SetIterationTime(SecondsSince(start));
  }
  state.counters["messages"] = feedback.messages / static_cast<double>(state.iterations());
  fw::ReleaseImplicitWindows();
}

void Shapes(benchmark::internal::Benchmark* b) {
  b->ArgNames({ "shape", "kB" })
      ->ArgsProduct({ { 0, 1, 2, 3 }, { 300, 1000 } })
      ->Iterations(3)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_PasteIntoALoadingColumn)->Apply(Shapes);
BENCHMARK(BM_CalculateWithAPastedColumn)->Apply(Shapes);

}  // namespace
