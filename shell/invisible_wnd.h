#pragma once

// The launcher: the first window of the program, never shown. It carries the shared menu bar
// and the one timer; when it opens it shows the About window as the splash screen, and each
// time its timer fires it hides the About window and itself and shows the main window.

#include <string_view>

#include "shell/framework/timer.h"
#include "shell/framework/window.h"
#include "shell/menu.h"

namespace InvisibleWnd {

// The launcher's timer: the layer's Timer, entered in the launcher as "Timer1".
class Timer1 final : public fw::Timer {
public:
  using fw::Timer::Timer;
};

class InvisibleWnd final : public fw::Window, public Menu::WindowMenuItems<InvisibleWnd> {
public:
  static constexpr std::string_view kClassFullName = "InvisibleWnd.InvisibleWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }

  void Layout() override;
  void CreateControls() override;
  void _CreateControls0();
  void Timer1_Action();
  void Event_Open() override;
};

// The launcher's single instance, built on first use.
InvisibleWnd& InvisibleWnd();

}  // namespace InvisibleWnd
