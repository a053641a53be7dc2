#pragma once

// The main window's property sets, as the window applies them, and the handler that each
// control gets.

#include <cstdint>
#include <variant>
#include <vector>

#include "calculator/control_wnd.h"
#include "shell/framework/control_builder.h"
#include "shell/framework/property_records.h"

namespace ControlWnd {

// A control's record and the window's operation that the window installs on it as the
// handler of its event: KeyDown, Action or MouseDown, or none.
struct ControlRow final : fw::ControlRecord {
  using KeyDown = bool (ControlWnd::*)(const fw::String&);
  using Action = void (ControlWnd::*)();
  using MouseDown = bool (ControlWnd::*)(std::int32_t, std::int32_t);
  std::variant<std::monostate, KeyDown, Action, MouseDown> handler {};
};

const fw::WindowProperties& ControlWndProperties();
// The thirty controls in creation order, which is also their tab order.
const std::vector<ControlRow>& ControlWndControls();

}  // namespace ControlWnd
