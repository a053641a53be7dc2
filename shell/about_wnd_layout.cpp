// The About window's own properties and its four controls, as data: the notice line, the two
// pictures and the title.

#include "shell/about_wnd_layout.h"

#include "shell/pictures.h"

namespace AboutWnd {

const fw::WindowProperties& AboutWndProperties() {
  static const fw::WindowProperties properties { .Width = 300, .Height = 200, .Frame = 2, .HasBackColor = true };
  return properties;
}

// The canvases take no clicks themselves, so the clicks reach the window.
const std::vector<fw::ControlRecord>& AboutWndControls() {
  static const std::vector<fw::ControlRecord> controls {
    { fw::Label(fw::Place("StaticText5", 1, 187, 298, 15, 0), "Free software, built with Qt — check every result",
                "Times", 1, false, fw::RGB(0xC43C13)),
      9 },
    { fw::CanvasProperties { .place = fw::Place("Canvas1", 100, 60, 100, 95, 1), .Enabled = false }, 0,
      _x_FactorsImageSmall::FactorsImageSmall },
    { fw::CanvasProperties { .place = fw::Place("Canvas2", 77, 161, 148, 22, 2), .Enabled = false }, 0,
      _x_BadgeSm::BadgeSm },
    { fw::Label(fw::Place("StaticText1", 1, 5, 298, 26, 3), "Factorial Quillon", "System", 1, true, fw::RGB(0xDD3C13)),
      24 },
  };
  return controls;
}

}  // namespace AboutWnd
