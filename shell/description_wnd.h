#pragma once

// The help window: the fixed help text, read-only, with its opening run in bold, and File >
// Print to print it. Its Window menu brings up the main window or the About window. The
// module, the class and its accessor share the name DescriptionWnd, so the accessor reads
// DescriptionWnd::DescriptionWnd().

#include <string_view>

#include "shell/framework/window.h"
#include "shell/menu.h"

namespace DescriptionWnd {

class DescriptionWnd final : public fw::Window, public Menu::WindowMenuItems<DescriptionWnd> {
public:
  static constexpr std::string_view kClassFullName = "DescriptionWnd.DescriptionWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }

  void Layout() override;
  void CreateControls() override;
  void _CreateControls0();

  void AddMenuHandlers(fw::Window& w) override;
  void Event_Open() override;
  void Event_EnableMenuItems() override;
  // The menu handlers; each reports false.
  bool _ControlMenuItem_Action();
  bool _AboutMenuItem_Action();
  bool _Print_Action();
};

// The window's single instance, built on first use and again after the user closes it.
DescriptionWnd& DescriptionWnd();

}  // namespace DescriptionWnd
