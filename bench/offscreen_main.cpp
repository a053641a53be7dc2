// The main of the benchmarks that make windows: one QApplication, on the offscreen platform
// unless the caller chose another.

#include <cstdlib>

#include <benchmark/benchmark.h>
#include <QApplication>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
