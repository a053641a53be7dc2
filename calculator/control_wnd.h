#pragma once

// The main window: the factor comparison calculator in thirty controls. The window reads
// its fields, shows the computation's messages and writes its results; the computation itself
// is calculate_request.h. The module, the class and its accessor share the name ControlWnd,
// so the accessor reads ControlWnd::ControlWnd().

#include <cstdint>
#include <string_view>

#include "shell/framework/window.h"

namespace ControlWnd {

class ControlWnd final : public fw::Window {
public:
  static constexpr std::string_view kClassFullName = "ControlWnd.ControlWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }

  void Layout() override;
  void CreateControls() override;
  void _CreateControls0();

  // The keystroke filters: true refuses the key, after a beep.
  bool Nvariables_KeyDown(const fw::String& key);
  bool Nsubjects1_KeyDown(const fw::String& key);
  bool Nsubjects2_KeyDown(const fw::String& key);
  bool sFld_KeyDown(const fw::String& key);
  bool InputFld1_KeyDown(const fw::String& key);
  bool InputFld2_KeyDown(const fw::String& key);

  void ClearBtn_Action();
  void CalculateBtn_Action();
  // A click on the help picture shows the help window; reports false.
  bool Canvas1_MouseDown(std::int32_t x, std::int32_t y);

  void AddMenuHandlers(fw::Window& w) override;
  void Event_Close() override;
  // Hides the About window, the splash included, whenever the main window becomes active.
  void Event_Activate() override;
  void Event_EnableMenuItems() override;
  // The menu handlers; each shows its window and reports false.
  bool _DescriptionMenuItem_Action();
  bool _AboutPXM_Action();
};

// The window's single instance, built on first use.
ControlWnd& ControlWnd();

}  // namespace ControlWnd
