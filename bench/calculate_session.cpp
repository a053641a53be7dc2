// Memory over a session of Calculate presses in the real main window (offscreen): prints the
// resident and peak resident memory (VmRSS, VmHWM) at the start, after the first tenth of the
// presses and at the end. After each press the window lays out and paints what it wrote, as
// between a user's presses. With --clear, Clear is pressed and the fields typed again between
// presses, so each press starts from the same fields; without it every press appends one
// more echo block to each column.
//   calculate_session [presses] [--clear]

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <QApplication>

#include "bench/loading_column.h"
#include "bench/silent_feedback.h"
#include "calculator/control_wnd.h"
#include "shell/framework/push_button.h"
#include "shell/framework/text_area.h"

namespace {

// A line of /proc/self/status in kB.
long StatusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0)
      return std::strtol(line.c_str() + std::strlen(key) + 1, nullptr, 10);
  return -1;
}

void Report(const char* when, int presses) {
  std::printf("%-8s presses=%-5d VmRSS=%ld kB VmHWM=%ld kB\n", when, presses, StatusKb("VmRSS"), StatusKb("VmHWM"));
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const int presses = argc > 1 ? std::atoi(argv[1]) : 1000;
  const bool clear = argc > 2 && std::strcmp(argv[2], "--clear") == 0;
  bench::SilentFeedback feedback;

  auto& window = ControlWnd::ControlWnd();
  const auto field = [&](const char* name) -> fw::TextArea& { return fw::ControlAs<fw::TextArea>(window, name); };
  const auto type = [&] {
    field("Nvariables").SetText("99");
    field("Nsubjects1").SetText("100");
    field("Nsubjects2").SetText("120");
    field("sFld").SetText(".30");
    field("InputFld1").SetText(bench::LoadingColumn(99, 137));
    field("InputFld2").SetText(bench::LoadingColumn(99, 151));
  };
  type();
  window.Show();
  QApplication::processEvents();
  Report("start", 0);
  for (int press = 1; press <= presses; ++press) {
    if (clear) {
      fw::ControlAs<fw::PushButton>(window, "ClearBtn").Push();
      type();
    }
    fw::ControlAs<fw::PushButton>(window, "CalculateBtn").Push();
    QApplication::processEvents();
    if (press == presses / 10)
      Report("tenth", press);
  }
  Report("end", presses);
  fw::ReleaseImplicitWindows();
  return 0;
}
