// The border of every field of the main window, whole at the scale factor the test program
// runs at (ctest runs it at 1, 1.25, 1.5, 1.75 and 2): each of its four edges is a line of
// border pixels along the field's edge in device pixels, after a Calculate has filled the
// output fields. The window is drawn by itself (QWidget::grab), in device pixels; the screen
// of the offscreen platform gives back only part of a scaled window.

#include <cmath>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "calculator/control_wnd.h"
#include "shell/framework/push_button.h"
#include "shell/framework/text_area.h"
#include "tests/gui/shell_fixture.h"
#include "tests/support/first_sample.h"

namespace {

const char* const kFields[] = { "Nvariables", "Nsubjects1", "Nsubjects2", "sFld",    "InputFld1",
                                "InputFld2",  "rOutFld",    "ChiOutFld",  "pOutFld", "sOutFld" };

// A border pixel is at most this bright; the white of the window and of the fields, and the
// scroll bar's groove beside the right edge, are brighter.
constexpr int kBrightestBorder = 230;

enum class Edge { Left, Top, Right, Bottom };

const char* EdgeName(Edge edge) {
  switch (edge) {
    case Edge::Left:
      return "left";
    case Edge::Top:
      return "top";
    case Edge::Right:
      return "right";
    default:
      return "bottom";
  }
}

// Whether a line of pixels along the edge, between the corners, is border pixels all along; the
// line may be either of the pixel lines that the field's edge, in device pixels, touches.
bool HasEdge(const QImage& image, const QRectF& field, Edge edge) {
  const bool vertical = edge == Edge::Left || edge == Edge::Right;
  const double at = edge == Edge::Left    ? field.left()
                    : edge == Edge::Top   ? field.top()
                    : edge == Edge::Right ? field.right() - 1
                                          : field.bottom() - 1;
  const int from = static_cast<int>(std::ceil(vertical ? field.top() : field.left())) + 2;
  const int to = static_cast<int>(std::floor(vertical ? field.bottom() : field.right())) - 3;
  for (int line = static_cast<int>(std::floor(at)); line <= static_cast<int>(std::ceil(at)); ++line) {
    bool whole = true;
    for (int along = from; along <= to && whole; ++along) {
      const QPoint pixel = vertical ? QPoint(line, along) : QPoint(along, line);
      whole = image.valid(pixel) && qGray(image.pixel(pixel)) <= kBrightestBorder;
    }
    if (whole)
      return true;
  }
  return false;
}

using FieldBorderTest = testing_support::ShellTest;

TEST_F(FieldBorderTest, EveryFieldHasFourEdges) {
  auto& window = ControlWnd::ControlWnd();
  testing_support::EnterFirstSample(window);
  fw::ControlAs<fw::PushButton>(window, "CalculateBtn").Push();
  ASSERT_TRUE(feedback.messages.empty());
  window.Hide();
  const QPixmap pixmap = window.Content().grab();
  const double scale = pixmap.devicePixelRatio();
  if (const char* factor = std::getenv("QT_SCALE_FACTOR")) {
    ASSERT_DOUBLE_EQ(scale, std::stod(factor)) << "the window is not drawn at the scale factor asked for";
  }

  const QImage image = pixmap.toImage();
  for (const char* name : kFields) {
    const QWidget& field = fw::ControlAs<fw::TextArea>(window, name).Widget();
    const QRect place(field.mapTo(&window.Content(), QPoint(0, 0)), field.size());
    const QRectF pixels(place.x() * scale, place.y() * scale, place.width() * scale, place.height() * scale);
    for (const Edge edge : { Edge::Left, Edge::Top, Edge::Right, Edge::Bottom })
      EXPECT_TRUE(HasEdge(image, pixels, edge)) << name << " has no " << EdgeName(edge) << " edge at scale " << scale;
  }
}

}  // namespace
