// The picture cache against a real resources folder beside this test program's folder: made,
// filled, emptied and spoiled by the tests, so they run one at a time. The caches live as long
// as the process, so each test starts in a process of its own, as ctest runs them (by hand:
// one test at a time, with --gtest_filter).

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "calculator/control_wnd.h"
#include "shell/framework/canvas.h"
#include "shell/framework/folder_item.h"
#include "shell/pictures.h"
#include "tests/support/recording_feedback.h"

namespace {

namespace fs = std::filesystem;

const fs::path kPictures = fs::path(QUILLON_SOURCE_DIR) / "resources";

class PictureCacheTest : public testing::Test {
protected:
  void SetUp() override {
    m_resources = fw::ExecutableFile()->Parent()->Parent()->Path() / "Resources";
    fs::remove_all(m_resources);
    static int testsInThisProcess = 0;
    if (++testsInThisProcess > 1)
      GTEST_SKIP() << "the pictures may be cached already: run each test in a process of its own";
  }
  void TearDown() override {
    fw::ReleaseImplicitWindows();
    fs::remove_all(m_resources);
  }

  void Install(const char* name) {
    fs::create_directories(m_resources);
    fs::copy_file(kPictures / name, m_resources / name, fs::copy_options::overwrite_existing);
  }
  void InstallAll() {
    for (const char* name : { "FactorsImageSmall.tiff", "Q.png", "BadgeSm" })
      Install(name);
  }

  fs::path m_resources;
  testing_support::RecordingFeedback feedback;
};

TEST_F(PictureCacheTest, EachPictureIsReadOnceAndShared) {
  InstallAll();
  auto& window = ControlWnd::ControlWnd();
  const fw::PicturePtr factors = fw::ControlAs<fw::Canvas>(window, "Canvas3").Backdrop();
  ASSERT_NE(factors, nullptr);
  EXPECT_EQ(factors->Width(), 100);
  EXPECT_EQ(factors->Height(), 93);
  const fw::PicturePtr q = fw::ControlAs<fw::Canvas>(window, "Canvas1").Backdrop();
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q->Width(), 33);
  // The badge has no extension: its format comes from its content.
  const fw::PicturePtr badge = _x_BadgeSm::BadgeSm();
  ASSERT_NE(badge, nullptr);
  EXPECT_EQ(badge->Width(), 148);
  EXPECT_EQ(badge->Height(), 22);
  window.Close();

  // From here on a read of the files would find none: what the windows show comes from the
  // caches, the very pictures read at first.
  fs::remove_all(m_resources);
  auto& again = ControlWnd::ControlWnd();
  EXPECT_NE(&again, &window);
  EXPECT_EQ(fw::ControlAs<fw::Canvas>(again, "Canvas3").Backdrop(), factors);
  EXPECT_EQ(fw::ControlAs<fw::Canvas>(again, "Canvas1").Backdrop(), q);
  EXPECT_EQ(_x_FactorsImageSmall::FactorsImageSmall(), factors);
  EXPECT_EQ(_x_BadgeSm::BadgeSm(), badge);
}

TEST_F(PictureCacheTest, WithoutTheFolderEveryUseLooksAgain) {
  EXPECT_EQ(_x_Q::Q(), nullptr);
  EXPECT_EQ(_x_FactorsImageSmall::FactorsImageSmall(), nullptr);
  auto& window = ControlWnd::ControlWnd();
  EXPECT_EQ(window.Controls().size(), 30u);
  EXPECT_EQ(fw::ControlAs<fw::Canvas>(window, "Canvas3").Backdrop(), nullptr);
  InstallAll();
  EXPECT_NE(_x_Q::Q(), nullptr);
}

TEST_F(PictureCacheTest, AnUnreadableFileIsTriedAgainAndAMissingOneRaisesNilObject) {
  fs::create_directories(m_resources);
  std::ofstream(m_resources / "Q.png") << "not a picture";
  EXPECT_EQ(_x_Q::Q(), nullptr);
  EXPECT_EQ(_x_Q::Q(), nullptr);
  Install("Q.png");
  EXPECT_NE(_x_Q::Q(), nullptr);

  EXPECT_THROW(_x_BadgeSm::BadgeSm(), fw::NilObjectException);
  // The main window's first picture is missing: building it stops there, with the exception,
  // and the half-built window is not kept.
  EXPECT_THROW(ControlWnd::ControlWnd(), fw::NilObjectException);
  EXPECT_EQ(fw::_GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
}

}  // namespace
