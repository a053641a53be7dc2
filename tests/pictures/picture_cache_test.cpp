// The picture cache against a real resources folder beside this test program's folder: made,
// filled, emptied and spoiled by the tests, so they run one at a time. A missing or unreadable
// picture leaves its canvases empty, without a message, and is looked for again at every use;
// a canvas shows its picture at its size in points, every pixel of it on a screen of twice the
// density (the tests run at the scale factors 1 and 2). The caches live as long as the process,
// so each test starts in a process of its own, as ctest runs them (by hand: one test at a time,
// with --gtest_filter).

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
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
const char* const kPictureFiles[] = { "FactorsImageSmall.tiff", "Q.png", "BadgeSm" };

class PictureCacheFixture {
protected:
  void Start() {
    m_resources = fw::ExecutableFile()->Parent()->Parent()->Path() / "Resources";
    fs::remove_all(m_resources);
    static int testsInThisProcess = 0;
    if (++testsInThisProcess > 1)
      GTEST_SKIP() << "the pictures may be cached already: run each test in a process of its own";
  }
  void Finish() {
    fw::ReleaseImplicitWindows();
    fs::remove_all(m_resources);
  }

  void Install(const char* name) {
    fs::create_directories(m_resources);
    fs::copy_file(kPictures / name, m_resources / name, fs::copy_options::overwrite_existing);
  }
  void InstallAll() {
    for (const char* name : kPictureFiles)
      Install(name);
  }

  fs::path m_resources;
  testing_support::RecordingFeedback feedback;
};

class PictureCacheTest : public testing::Test, protected PictureCacheFixture {
protected:
  void SetUp() override { Start(); }
  void TearDown() override { Finish(); }
};

template <class Param>
class PictureCacheTableTest : public testing::TestWithParam<Param>, protected PictureCacheFixture {
protected:
  void SetUp() override { Start(); }
  void TearDown() override { Finish(); }
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

struct MissingFile {
  const char* file;
  std::vector<bool> shown;  // main Canvas3 and Canvas1, About Canvas1 and Canvas2
};

void PrintTo(const MissingFile& c, std::ostream* out) { *out << c.file; }

using AMissingFile = PictureCacheTableTest<MissingFile>;

TEST_P(AMissingFile, LeavesItsCanvasesEmptyUntilItIsThere) {
  const MissingFile& c = GetParam();
  InstallAll();
  fs::remove(m_resources / c.file);
  std::vector<bool> shown;
  for (const auto& picture : CanvasPictures())
    shown.push_back(picture != nullptr);
  EXPECT_EQ(shown, c.shown);
  EXPECT_TRUE(feedback.messages.empty());

  Install(c.file);
  for (const auto& picture : CanvasPictures())
    EXPECT_NE(picture, nullptr) << "once it is there";
}

INSTANTIATE_TEST_SUITE_P(EachFile, AMissingFile,
                         testing::Values(MissingFile { "FactorsImageSmall.tiff", { false, true, false, true } },
                                         MissingFile { "Q.png", { true, false, true, true } },
                                         MissingFile { "BadgeSm", { true, true, true, false } }),
                         [](const auto& info) { return std::to_string(info.index); });

struct SomethingElse {
  const char* what;
  void (*make)(const fs::path& file);
};

void PrintTo(const SomethingElse& c, std::ostream* out) { *out << c.what; }

using InPlaceOfAPicture = PictureCacheTableTest<SomethingElse>;

TEST_P(InPlaceOfAPicture, OnlyARegularFileIsReadAndAnythingElseIsTriedAgain) {
  const fs::path q = m_resources / "Q.png";
  fs::create_directories(m_resources);
  GetParam().make(q);
  EXPECT_EQ(_x_Q::Q(), nullptr);
  EXPECT_EQ(_x_Q::Q(), nullptr);
  fs::remove_all(q);
  Install("Q.png");
  EXPECT_NE(_x_Q::Q(), nullptr) << "then the file";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InPlaceOfAPicture,
    testing::Values(SomethingElse { "missing", [](const fs::path&) {} },
                    SomethingElse { "not a picture", [](const fs::path& q) { std::ofstream(q) << "not a picture"; } },
                    SomethingElse { "a folder", [](const fs::path& q) { fs::create_directory(q); } },
                    SomethingElse { "a named pipe without a writer",
                                    [](const fs::path& q) { ASSERT_EQ(::mkfifo(q.c_str(), 0600), 0); } },
                    SomethingElse { "a device", [](const fs::path& q) { fs::create_symlink("/dev/zero", q); } }),
    [](const auto& info) { return std::to_string(info.index); });

TEST(FolderItemTest, AChildIsAnyNameInTheFolderWhetherOrNotItExists) {
  const fw::FolderItem folder(kPictures);
  ASSERT_NE(folder.Child("no such file"), nullptr);
  EXPECT_EQ(folder.Child("no such file")->Path(), kPictures / "no such file");
  EXPECT_EQ(folder.Child("no such file")->OpenAsPicture(), nullptr);
  for (const char* name : { "", ".", "..", "a/b" })
    EXPECT_EQ(folder.Child(name), nullptr) << '"' << name << '"';
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
