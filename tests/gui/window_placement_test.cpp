// Where a window opens: centred on the screen's available area when it fits; in a direction in
// which it is larger than the area, its frame starts at the area's edge, so that the title bar
// stays in reach. As a table of areas and sizes, and through Window::Show on the offscreen
// screen, which gives its windows no frame.

#include <string>

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "shell/framework/property_records.h"
#include "shell/framework/property_set.h"
#include "shell/framework/window.h"
#include "shell/framework/window_placement.h"

namespace {

struct PlacementCase {
  const char* what;
  QRect area;
  QSize size;
  QPoint topLeft;
};

// Centred as QRect::center() has it: the area's middle pixel, rounded towards its top-left.
const PlacementCase kCases[] = {
  { "fits: centred", QRect(0, 0, 1920, 1080), QSize(500, 569), QPoint(709, 255) },
  { "fits in an area beside a panel: centred in it", QRect(64, 32, 1856, 1048), QSize(400, 300), QPoint(791, 405) },
  { "fits exactly: at the corner, not a pixel past it", QRect(0, 0, 960, 540), QSize(960, 540), QPoint(0, 0) },
  { "taller: at the top, centred across", QRect(0, 0, 960, 540), QSize(500, 569), QPoint(229, 0) },
  { "taller, under a top panel: just below it", QRect(0, 27, 960, 513), QSize(500, 569), QPoint(229, 27) },
  { "wider: at the left, centred down", QRect(0, 0, 400, 700), QSize(500, 300), QPoint(0, 199) },
  { "wider, beside a left panel: just right of it", QRect(48, 0, 352, 700), QSize(500, 300), QPoint(48, 199) },
  { "taller and wider: at the top-left corner", QRect(10, 20, 400, 300), QSize(500, 569), QPoint(10, 20) },
};

TEST(WindowPlacement, AWindowThatFitsIsCentredAndOneThatDoesNotStartsInTheArea) {
  for (const PlacementCase& c : kCases)
    EXPECT_EQ(fw::PlacedTopLeft(c.area, c.size), c.topLeft) << c.what;
}

class PlacedWnd final : public fw::Window {
public:
  static constexpr std::string_view kClassFullName = "PlacedWnd.PlacedWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }
};

// A window that fits opens centred; one larger than the screen both ways opens at the area's
// corner, its content too: the offscreen screen gives a window no frame.
TEST(WindowPlacement, ShowPlacesTheWindowOnTheScreenOnce) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  for (const QSize size : { QSize(area.width() / 2, area.height() / 3), area.size() + QSize(100, 200) }) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()) + " in an area of " +
                 std::to_string(area.width()) + "x" + std::to_string(area.height()));
    PlacedWnd window;
    fw::_SetProperties(
        window, fw::PropertySetOf(fw::WindowProperties {
                    .Width = size.width(), .Height = size.height(), .Visible = false, .MenuBarVisible = false }));
    window.Constructor();
    window.Show();
    EXPECT_EQ(window.TopLevel().frameGeometry().topLeft(), fw::PlacedTopLeft(area, size));
    EXPECT_TRUE(area.contains(window.TopLevel().frameGeometry().topLeft()));
    window.TopLevel().move(area.topLeft() + QPoint(7, 9));
    window.Hide();
    window.Show();
    EXPECT_EQ(window.TopLevel().pos(), area.topLeft() + QPoint(7, 9)) << "shown again, the window stays where it was";
  }
}

}  // namespace
