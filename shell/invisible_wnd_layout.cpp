// The launcher's own properties and its timer's, as data. The launcher is never shown.

#include "shell/invisible_wnd_layout.h"

namespace InvisibleWnd {

const fw::WindowProperties& InvisibleWndProperties() {
  static const fw::WindowProperties properties { .Width = 64,
                                                 .Height = 64,
                                                 .Frame = 1,
                                                 .Title = "Untitled",
                                                 .Visible = false,
                                                 .CloseButton = false,
                                                 .Resizeable = false,
                                                 .MaximizeButton = false };
  return properties;
}

const fw::TimerProperties& Timer1Properties() {
  static const fw::TimerProperties properties { .Mode = 1, .Period = 1500 };
  return properties;
}

}  // namespace InvisibleWnd
