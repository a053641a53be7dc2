#include "shell/about_wnd.h"

#include <vector>

#include "calculator/control_wnd.h"
#include "shell/framework/control_builder.h"
#include "shell/framework/property_records.h"
#include "shell/pictures.h"

namespace AboutWnd {
namespace {

fw::WindowProperties Properties() {
  fw::WindowProperties p;
  p.Width = 300;
  p.Height = 200;
  p.Frame = 2;
  p.HasBackColor = true;
  p.BackColor = fw::kWhite;
  return p;
}

fw::StaticTextProperties Label(fw::ControlPlacement place, const char* text, std::uint32_t colour, const char* font,
                               bool bold) {
  fw::StaticTextProperties p;
  p.place = std::move(place);
  p.Text = text;
  p.TextAlign = 1;
  p.TextColor = fw::RGB(colour);
  p.TextFont = font;
  p.Bold = bold;
  return p;
}

// A picture holder that takes no clicks itself, so they reach the window.
fw::CanvasProperties Backdrop(fw::ControlPlacement place) {
  fw::CanvasProperties p;
  p.place = std::move(place);
  p.Enabled = false;
  return p;
}

// The four controls in creation order, which is also their tab order.
std::vector<fw::ControlRecord> ControlRecords() {
  return {
    { Label(fw::Place("StaticText5", 1, 187, 298, 15, 0), "Free software, built with Qt — check every result", 0xC43C13,
            "Times", false),
      9.0F },
    { Backdrop(fw::Place("Canvas1", 100, 60, 100, 95, 1)), 0, _x_FactorsImageSmall::FactorsImageSmall },
    { Backdrop(fw::Place("Canvas2", 77, 161, 148, 22, 2)), 0, _x_BadgeSm::BadgeSm },
    { Label(fw::Place("StaticText1", 1, 5, 298, 26, 3), "Factorial Quillon", 0xDD3C13, "System", true), 24.0F },
  };
}

// A key or a click in the window, however it was opened, brings up the main window.
bool HandOverToMainWindow() {
  AboutWnd().Hide();
  ControlWnd::ControlWnd().Show();
  return false;
}

}  // namespace

class AboutWnd& AboutWnd() {
  return fw::ImplicitWindow<class AboutWnd>();
}

bool ShowAboutWindow() {
  AboutWnd().Show();
  return false;
}

void AboutWnd::Layout() { fw::_SetProperties(*this, fw::PropertySetOf(Properties())); }

void AboutWnd::CreateControls() { _CreateControls0(); }

void AboutWnd::_CreateControls0() {
  for (const fw::ControlRecord& record : ControlRecords())
    fw::BuildControl(*this, record);
}

bool AboutWnd::Event_KeyDown(const fw::String& key) {
  (void)key;
  return HandOverToMainWindow();
}

bool AboutWnd::Event_MouseDown(std::int32_t x, std::int32_t y) {
  (void)x;
  (void)y;
  return HandOverToMainWindow();
}

}  // namespace AboutWnd
