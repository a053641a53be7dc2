// The whole program where there is no display to open: no X server at DISPLAY, a DISPLAY that
// names none, no DISPLAY at all, a platform that does not exist. It says so on standard error,
// naming the display, and ends with status 1, never on a signal.

#include <filesystem>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "tests/process/run_under_test.h"

namespace {

// A display number that no X server on this machine holds: no lock file, no socket.
std::string FreeDisplay() {
  for (int number = 4600;; ++number) {
    const std::string n = std::to_string(number);
    if (!std::filesystem::exists("/tmp/.X" + n + "-lock") && !std::filesystem::exists("/tmp/.X11-unix/X" + n))
      return ":" + n;
  }
}

struct Case {
  const char* name;
  std::string display;  // empty: DISPLAY is not set
  const char* platform;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class MissingDisplayTest : public testing::TestWithParam<Case> { };

TEST_P(MissingDisplayTest, TheProgramSaysWhichDisplayAndEndsWithStatus1) {
  const Case& c = GetParam();
  const auto run = testing_support::RunUnderTest(
    QStringLiteral(QUILLON_UNDER_TEST), "close-main",
    { { "DISPLAY", c.display.empty() ? nullptr : c.display.c_str() }, { "WAYLAND_DISPLAY", nullptr },
      { "QT_QPA_PLATFORM", c.platform } });
  ASSERT_TRUE(run.finished) << "the program did not end";
  SCOPED_TRACE(run.errors.toStdString());

  EXPECT_EQ(run.exitStatus, QProcess::NormalExit);  // no signal
  EXPECT_EQ(run.exitCode, 1);
  const std::string named = c.display.empty() ? "DISPLAY is not set" : "DISPLAY=\"" + c.display + "\"";
  EXPECT_TRUE(run.errors.contains(
    QString::fromStdString("Quillon cannot start: no display to show its windows on (" + named + ")\n")));
  EXPECT_FALSE(run.errors.contains("main window shown"));
}

INSTANTIATE_TEST_SUITE_P(Displays, MissingDisplayTest,
                         testing::Values(Case { "NoServer", FreeDisplay(), "xcb" },
                                         Case { "Nonsense", "nonsense", "xcb" },
                                         Case { "NotSet", "", "xcb" },
                                         Case { "NoSuchPlatform", FreeDisplay(), "nonsense" }),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
