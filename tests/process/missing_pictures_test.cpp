// The whole program over a resources folder that lacks one of its pictures, or holds one that is
// no regular file: it starts, shows the main window with that canvas empty and no message, and
// ends with status 0 when the main window is closed. Each case runs a copy of the test build in
// a folder tree of its own, bin/ with Resources/ beside it.

#include <sys/stat.h>

#include <filesystem>
#include <ostream>
#include <string>

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "tests/process/run_under_test.h"

namespace {

namespace fs = std::filesystem;

enum class Spoil { Remove, NamedPipe, Folder };

struct Case {
  const char* name;
  const char* file;
  Spoil spoil;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const Case kCases[] = {
  { "FactorsImageSmallMissing", "FactorsImageSmall.tiff", Spoil::Remove },
  { "QMissing", "Q.png", Spoil::Remove },
  { "BadgeSmMissing", "BadgeSm", Spoil::Remove },
  { "QANamedPipe", "Q.png", Spoil::NamedPipe },
  { "BadgeSmAFolder", "BadgeSm", Spoil::Folder },
};

class MissingPictureTest : public testing::TestWithParam<Case> { };

TEST_P(MissingPictureTest, TheMainWindowComesUpWithoutAMessageAndClosesWithStatus0) {
  const Case& c = GetParam();
  QTemporaryDir tree;
  ASSERT_TRUE(tree.isValid());
  const fs::path root = tree.path().toStdString();
  const fs::path program = root / "bin" / "quillon";
  fs::create_directories(program.parent_path());
  fs::copy_file(QUILLON_UNDER_TEST, program);
  fs::create_directories(root / "Resources");
  for (const char* picture : { "FactorsImageSmall.tiff", "Q.png", "BadgeSm" })
    if (picture != std::string(c.file))
      fs::copy_file(fs::path(QUILLON_SOURCE_DIR) / "resources" / picture, root / "Resources" / picture);
  const fs::path spoilt = root / "Resources" / c.file;
  if (c.spoil == Spoil::NamedPipe) {
    ASSERT_EQ(::mkfifo(spoilt.c_str(), 0600), 0);
  } else if (c.spoil == Spoil::Folder) {
    fs::create_directory(spoilt);
  }

  // The test build closes the main window once it is up.
  const auto run = testing_support::RunUnderTest(QString::fromStdString(program.string()), "close-main");
  ASSERT_TRUE(run.finished) << "the program did not end";
  const QString& errors = run.errors;
  SCOPED_TRACE(errors.toStdString());

  EXPECT_EQ(run.exitStatus, QProcess::NormalExit);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_FALSE(errors.contains("message: ")) << "a message box";
}

INSTANTIATE_TEST_SUITE_P(Pictures, MissingPictureTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
