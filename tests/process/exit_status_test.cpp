// The program as a process: its exit status after each way of ending, and that shut-down ran.
// The test build of the program plays the user (test_actions.cpp) on the offscreen platform.

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "tests/process/run_under_test.h"

namespace {

struct Ending {
  const char* action;
  int status;
  const char* reported;  // on standard error, or "" for nothing
  bool mainWindowShown;
};

const Ending kEndings[] = {
  { "close-main", 0, "", true },
  { "quit", 0, "", true },
  { "throw-at-startup", 1, "An exception was not handled: std::runtime_error: thrown at start-up", false },
  { "throw-in-handler", 1, "An exception was not handled: std::runtime_error: thrown by a menu handler", true },
  { "throw-in-event", 1, "An exception was not handled: std::runtime_error: thrown by an event handler", true },
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.action; }

class ExitStatusTest : public testing::TestWithParam<Ending> { };

TEST_P(ExitStatusTest, TheProcessEndsWithItsStatusAfterShutDown) {
  const Ending& ending = GetParam();
  const auto run = testing_support::RunUnderTest(QStringLiteral(QUILLON_UNDER_TEST), ending.action);
  ASSERT_TRUE(run.finished) << "the program did not end";
  const QString& errors = run.errors;
  SCOPED_TRACE(errors.toStdString());

  EXPECT_EQ(run.exitStatus, QProcess::NormalExit);
  EXPECT_EQ(run.exitCode, ending.status);
  EXPECT_TRUE(errors.contains("shut-down: 0 windows, menu bar released, file types released"));
  EXPECT_EQ(errors.contains("main window shown"), ending.mainWindowShown);
  if (*ending.reported != 0) {
    EXPECT_TRUE(errors.contains(QString(ending.reported) + "\n"));                // standard error
    EXPECT_TRUE(errors.contains(QString("message: ") + ending.reported + "\n"));  // the message box
  } else {
    EXPECT_FALSE(errors.contains("not handled"));
  }
}

INSTANTIATE_TEST_SUITE_P(Endings, ExitStatusTest, testing::ValuesIn(kEndings), [](const auto& info) {
  std::string name = info.param.action;
  std::erase(name, '-');
  return name;
});

}  // namespace
