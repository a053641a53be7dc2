// The three windows as they look: the main window after a Calculate of the help text's first
// sample, the help window and the About window, each rendered on the offscreen platform at its
// set size and compared with its reference image in this folder. A test fails when more than a
// share kMostDifferingShare of the pixels differ by more than kChannelTolerance in a colour
// channel; it then saves the new rendering and a difference image (differing pixels red on a
// pale copy of the reference) beside the build, in <build>/tests/reference_images/, and names
// them.
//
// What a picture cannot show is compared too: each window's controls as they stand, one line
// each (place and size, colours, alignment, font, state), against the window's
// <name>-controls.txt in this folder. A label one pixel taller than its text changes no pixel,
// but it changes that line.
//
// After an intended change of a window's look, renew the references and commit them:
//   QUILLON_RENEW_REFERENCE_IMAGES=1 ctest --test-dir <build> -R ReferenceImage
// The renewal writes this folder's PNGs and control lists anew from the renderings; look at
// each (positions, captions, colours and fonts of the window's table) before committing it.
//
// The renderings are pinned so that they depend on the program alone: the offscreen platform
// at scale 1, the Fusion style with its standard palette, and the windows hidden while they
// are drawn, so that no window is active and no caret or focus frame shows. The fonts are the
// Liberation fonts that scripts/install-deps installs.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTextEdit>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "shell/framework/canvas.h"
#include "shell/framework/push_button.h"
#include "shell/framework/qt_colour.h"
#include "shell/framework/rectangle.h"
#include "shell/framework/static_text.h"
#include "shell/framework/text_area.h"
#include "tests/gui/shell_fixture.h"
#include "tests/support/first_sample.h"

namespace {

namespace fs = std::filesystem;

const fs::path kReferences = fs::path(QUILLON_SOURCE_DIR) / "tests" / "reference_images";
const fs::path kRenderings = fs::path(QUILLON_RENDERING_DIR);

// A pixel differs when one of its channels differs by more than this; smaller differences are
// the edges of anti-aliased glyphs, which a font's minor version may shift. A text colour
// changed by twice as much (the About notice's #C43C13 as #DD3C13) makes some 200 pixels of
// the About window differ.
constexpr int kChannelTolerance = 12;
// A test fails when a greater share of the pixels differs: 13 pixels of the main window, where
// one changed character of a label already makes some 70.
constexpr double kMostDifferingShare = 1.0 / 20000;

bool Differs(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) > kChannelTolerance || std::abs(qGreen(a) - qGreen(b)) > kChannelTolerance ||
         std::abs(qBlue(a) - qBlue(b)) > kChannelTolerance;
}

// The differing pixels in red on a pale copy of the reference, and how many they are.
struct Difference final {
  int pixels { 0 };
  QImage image;
};

Difference Compare(const QImage& reference, const QImage& rendering) {
  Difference d;
  d.image = QImage(reference.size(), QImage::Format_RGB32);
  for (int y = 0; y < reference.height(); ++y)
    for (int x = 0; x < reference.width(); ++x) {
      const QRgb expected = reference.pixel(x, y);
      if (Differs(expected, rendering.pixel(x, y))) {
        ++d.pixels;
        d.image.setPixel(x, y, qRgb(255, 0, 0));
      } else {
        const int grey = 192 + qGray(expected) / 4;
        d.image.setPixel(x, y, qRgb(grey, grey, grey));
      }
    }
  return d;
}

std::string Hex(const QColor& colour) { return colour.name().toUpper().toStdString(); }

std::string Font(const QFont& font) {
  return " font " + std::to_string(font.pixelSize()) + (font.bold() ? "px bold" : "px");
}

std::string Alignment(Qt::Alignment alignment) {
  const Qt::Alignment across = alignment & Qt::AlignHorizontal_Mask;
  const Qt::Alignment down = alignment & Qt::AlignVertical_Mask;
  return std::string(" align ") +
         (across == Qt::AlignLeft      ? "left"
          : across == Qt::AlignHCenter ? "centre"
                                       : "right") +
         (down == Qt::AlignTop       ? " top"
          : down == Qt::AlignVCenter ? " middle"
                                     : "");
}

// One control as it stands: its name, place and size, state, and what its kind shows.
std::string ControlAsBuilt(const fw::RectControl& control) {
  std::ostringstream line;
  const QWidget& widget = control.Widget();
  const QRect place = widget.geometry();
  line << control.Name() << ' ' << place.left() << ',' << place.top() << ' ' << place.width() << 'x' << place.height()
       << (widget.isEnabled() ? " enabled" : " disabled")
       << (widget.isVisibleTo(widget.parentWidget()) ? "" : " hidden");
  if (const auto* field = dynamic_cast<const fw::TextArea*>(&control)) {
    const QTextEdit& edit = field->Edit();
    line << " field" << Font(edit.font()) << ' ' << Hex(edit.palette().color(QPalette::Text)) << " on "
         << Hex(edit.palette().color(QPalette::Base)) << Alignment(edit.document()->defaultTextOption().alignment())
         << (edit.isReadOnly() ? " read-only" : "") << " limit " << field->LimitText();
  } else if (const auto* label = dynamic_cast<const fw::StaticText*>(&control)) {
    line << " label" << Font(label->Label().font()) << ' ' << Hex(label->Label().palette().color(QPalette::WindowText))
         << Alignment(label->Label().alignment());
  } else if (const auto* button = dynamic_cast<const fw::PushButton*>(&control)) {
    line << " button" << Font(button->Button().font());
  } else if (const auto* rule = dynamic_cast<const fw::Rectangle*>(&control)) {
    line << " rule " << Hex(fw::ToQColor(rule->FillColor())) << " edges " << Hex(fw::ToQColor(rule->TopLeftColor()))
         << ' ' << Hex(fw::ToQColor(rule->BottomRightColor())) << " width " << rule->BorderWidth();
  } else {
    line << (dynamic_cast<const fw::Canvas*>(&control) != nullptr ? " canvas" : " other");
  }
  return line.str();
}

// The window's controls as they stand, one line each in creation order.
std::string ControlsAsBuilt(const fw::Window& window) {
  std::string lines;
  for (const auto& control : window.Controls())
    if (const auto* rect = dynamic_cast<const fw::RectControl*>(control.get()))
      lines += ControlAsBuilt(*rect) + '\n';
  return lines;
}

class ReferenceImageTest : public testing_support::ShellTest {
protected:
  static void SetUpTestSuite() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
  }

  // The window's content, drawn while the window is hidden, against the reference of that name.
  static void ExpectLooksLikeItsReference(fw::Window& window, const std::string& name) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"))
        << "the references are offscreen renderings";
    window.Hide();
    const QPixmap pixmap = window.Content().grab();
    ASSERT_EQ(pixmap.devicePixelRatio(), 1.0) << "the references are renderings at scale 1";
    const QImage rendering = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    const fs::path reference = kReferences / (name + ".png");
    const fs::path controlsReference = kReferences / (name + "-controls.txt");
    const std::string controls = ControlsAsBuilt(window);

    if (std::getenv("QUILLON_RENEW_REFERENCE_IMAGES") != nullptr) {
      ASSERT_TRUE(rendering.save(QString::fromStdString(reference.string())));
      std::ofstream(controlsReference) << controls;
      std::printf("renewed %s and %s\n", reference.c_str(), controlsReference.c_str());
      return;
    }
    std::ostringstream expectedControls;
    expectedControls << std::ifstream(controlsReference).rdbuf();
    EXPECT_EQ(controls, expectedControls.str())
        << name << ": the controls stand otherwise than in " << controlsReference
        << "\n  after an intended change: QUILLON_RENEW_REFERENCE_IMAGES=1 ctest -R ReferenceImage";
    const QImage expected = QImage(QString::fromStdString(reference.string())).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << "no reference image " << reference;
    const int mostDiffering = static_cast<int>(kMostDifferingShare * expected.width() * expected.height());
    const Difference difference = expected.size() == rendering.size() ? Compare(expected, rendering) : Difference {};
    const fs::path renderingFile = kRenderings / (name + ".png");
    const fs::path differenceFile = kRenderings / (name + "-difference.png");
    fs::remove(renderingFile);  // what an earlier failure left
    fs::remove(differenceFile);
    if (expected.size() == rendering.size() && difference.pixels <= mostDiffering)
      return;

    fs::create_directories(kRenderings);
    rendering.save(QString::fromStdString(renderingFile.string()));
    if (!difference.image.isNull())
      difference.image.save(QString::fromStdString(differenceFile.string()));
    ADD_FAILURE() << name << ": " << rendering.width() << "x" << rendering.height() << " rendered, " << expected.width()
                  << "x" << expected.height() << " expected; " << difference.pixels << " pixels differ (at most "
                  << mostDiffering << " may).\n  rendering:  " << renderingFile << "\n  difference: " << differenceFile
                  << "\n  after an intended change: QUILLON_RENEW_REFERENCE_IMAGES=1 ctest -R ReferenceImage";
  }
};

TEST_F(ReferenceImageTest, MainWindowWithTheFirstSampleCalculated) {
  auto& window = ControlWnd::ControlWnd();
  testing_support::EnterFirstSample(window);
  fw::ControlAs<fw::PushButton>(window, "CalculateBtn").Push();
  ASSERT_TRUE(feedback.messages.empty());
  ExpectLooksLikeItsReference(window, "main-window");
}

TEST_F(ReferenceImageTest, HelpWindow) { ExpectLooksLikeItsReference(DescriptionWnd::DescriptionWnd(), "help-window"); }

TEST_F(ReferenceImageTest, AboutWindow) { ExpectLooksLikeItsReference(AboutWnd::AboutWnd(), "about-window"); }

}  // namespace
