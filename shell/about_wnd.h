#pragma once

// The About window, also the splash screen: the title, two pictures and a notice line. A key
// press or a click anywhere in it hides it and shows the main window.

#include <cstdint>
#include <string_view>

#include "shell/framework/window.h"

namespace AboutWnd {

class AboutWnd final : public fw::Window {
public:
  static constexpr std::string_view kClassFullName = "AboutWnd.AboutWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }

  void Layout() override;
  void CreateControls() override;
  void _CreateControls0();
  // Both hand over to the main window, whatever the key or position, and report false.
  bool Event_KeyDown(const fw::String& key) override;
  bool Event_MouseDown(std::int32_t x, std::int32_t y) override;
};

// The window's single instance, built on first use.
AboutWnd& AboutWnd();

// What every About menu command does: shows the window, building it when none is open, and
// reports false.
bool ShowAboutWindow();

}  // namespace AboutWnd
