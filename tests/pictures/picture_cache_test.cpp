// The picture cache against a real resources folder beside this test program's folder: made,
// filled, emptied and spoiled by the tests, so they run one at a time. A missing or unreadable
// picture leaves its canvases empty, without a message, and is looked for again at every use;
// a canvas shows its picture at its size in points, every pixel of it on a screen of twice the
// density (the tests run at the scale factors 1 and 2).

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <QWidget>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
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
    shell::ForgetLoadedPictures();
  }
  void TearDown() override {
    fw::ReleaseImplicitWindows();
    fs::remove_all(m_resources);
    shell::ForgetLoadedPictures();
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
  const int before = fw::PictureFileReads();
  auto& window = ControlWnd::ControlWnd();
  const fw::PicturePtr factors = fw::ControlAs<fw::Canvas>(window, "Canvas3").Backdrop();
  ASSERT_NE(factors, nullptr);
  EXPECT_EQ(factors->Width(), 100);
  EXPECT_EQ(factors->Height(), 93);
  EXPECT_EQ(fw::ControlAs<fw::Canvas>(window, "Canvas1").Backdrop()->Width(), 33);
  window.Close();
  auto& again = ControlWnd::ControlWnd();
  EXPECT_NE(&again, &window);
  EXPECT_EQ(fw::ControlAs<fw::Canvas>(again, "Canvas3").Backdrop(), factors);
  EXPECT_EQ(_x_FactorsImageSmall::FactorsImageSmall(), factors);
  EXPECT_EQ(fw::PictureFileReads() - before, 2);
  // The badge has no extension: its format comes from its content.
  const fw::PicturePtr badge = _x_BadgeSm::BadgeSm();
  ASSERT_NE(badge, nullptr);
  EXPECT_EQ(badge->Width(), 148);
  EXPECT_EQ(badge->Height(), 22);
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

// The mean colour of the two by two pixels of image that one pixel at (x, y) covers at half size.
QColor MeanOfFour(const QImage& image, int x, int y) {
  int red = 0, green = 0, blue = 0;
  for (const QPoint p :
       { QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y), QPoint(2 * x, 2 * y + 1), QPoint(2 * x + 1, 2 * y + 1) }) {
    const QColor c = image.pixelColor(p);
    red += c.red();
    green += c.green();
    blue += c.blue();
  }
  return QColor(red / 4, green / 4, blue / 4);
}

// The picture of each canvas of the main and About windows, as they are built now.
std::vector<fw::PicturePtr> CanvasPictures() {
  auto& main = ControlWnd::ControlWnd();
  auto& about = AboutWnd::AboutWnd();
  std::vector<fw::PicturePtr> pictures { fw::ControlAs<fw::Canvas>(main, "Canvas3").Backdrop(),
                                         fw::ControlAs<fw::Canvas>(main, "Canvas1").Backdrop(),
                                         fw::ControlAs<fw::Canvas>(about, "Canvas1").Backdrop(),
                                         fw::ControlAs<fw::Canvas>(about, "Canvas2").Backdrop() };
  main.Close();
  about.Close();
  return pictures;
}

TEST_F(PictureCacheTest, AMissingFileLeavesItsCanvasesEmptyUntilItIsThere) {
  struct Case {
    const char* file;
    std::vector<bool> shown;  // main Canvas3 and Canvas1, About Canvas1 and Canvas2
  };
  for (const Case& c :
       { Case { "FactorsImageSmall.tiff", { false, true, false, true } }, Case { "Q.png", { true, false, true, true } },
         Case { "BadgeSm", { true, true, true, false } } }) {
    InstallAll();
    fs::remove(m_resources / c.file);
    shell::ForgetLoadedPictures();
    std::vector<bool> shown;
    for (const auto& picture : CanvasPictures())
      shown.push_back(picture != nullptr);
    EXPECT_EQ(shown, c.shown) << c.file;
    EXPECT_TRUE(feedback.messages.empty()) << c.file;

    Install(c.file);
    for (const auto& picture : CanvasPictures())
      EXPECT_NE(picture, nullptr) << c.file << " once it is there";
  }
}

TEST_F(PictureCacheTest, OnlyARegularFileIsReadAsAPictureAndAnythingElseIsTriedAgain) {
  const fs::path q = m_resources / "Q.png";
  struct Case {
    const char* what;
    std::function<void()> make;
  };
  const Case cases[] = {
    { "missing", [] {} },
    { "not a picture", [&] { std::ofstream(q) << "not a picture"; } },
    { "a folder", [&] { fs::create_directory(q); } },
    { "a named pipe without a writer", [&] { ASSERT_EQ(::mkfifo(q.c_str(), 0600), 0); } },
    { "a device", [&] { fs::create_symlink("/dev/zero", q); } },
  };
  for (const Case& c : cases) {
    fs::remove_all(m_resources);
    fs::create_directories(m_resources);
    c.make();
    shell::ForgetLoadedPictures();
    EXPECT_EQ(_x_Q::Q(), nullptr) << c.what;
    EXPECT_EQ(_x_Q::Q(), nullptr) << c.what;
    fs::remove_all(q);
    Install("Q.png");
    EXPECT_NE(_x_Q::Q(), nullptr) << c.what << ", then the file";
  }
}

TEST(FolderItemTest, AChildIsAnyNameInTheFolderWhetherOrNotItExists) {
  const fw::FolderItem folder(kPictures);
  ASSERT_NE(folder.Child("no such file"), nullptr);
  EXPECT_EQ(folder.Child("no such file")->Path(), kPictures / "no such file");
  EXPECT_EQ(folder.Child("no such file")->OpenAsPicture(), nullptr);
  for (const char* name : { "", ".", "..", "a/b" })
    EXPECT_EQ(folder.Child(name), nullptr) << '"' << name << '"';
}

TEST_F(PictureCacheTest, ACanvasShowsItsPictureAtItsSizeInPointsAndEveryPixelOnADenseScreen) {
  InstallAll();
  const auto& canvas = fw::ControlAs<fw::Canvas>(ControlWnd::ControlWnd(), "Canvas3");
  const fw::PicturePtr picture = canvas.Backdrop();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Image().size(), QSize(200, 186));  // drawn at twice the density
  EXPECT_EQ(QSize(picture->Width(), picture->Height()), QSize(100, 93));

  const double ratio = canvas.Widget().devicePixelRatioF();
  const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
  ASSERT_EQ(ratio, scale.toDouble());
  const QImage shown = canvas.Widget().grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(100, 93) * ratio);
  // On a screen of twice the density each pixel of the file stands as it is; on a plain one the
  // picture is scaled down smoothly, each screen pixel the mean of its four, give or take.
  const QImage file = picture->Image().convertToFormat(QImage::Format_RGB32);
  const int tolerance = ratio == 2 ? 0 : 3;
  int worst = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QColor want = ratio == 2 ? file.pixelColor(x, y) : MeanOfFour(file, x, y);
      const QColor got = shown.pixelColor(x, y);
      worst = std::max({ worst, std::abs(got.red() - want.red()), std::abs(got.green() - want.green()),
                         std::abs(got.blue() - want.blue()) });
    }
  }
  EXPECT_LE(worst, tolerance);
}

}  // namespace
