#pragma once

// The About window's property sets, as the window applies them.

#include <vector>

#include "shell/framework/control_builder.h"
#include "shell/framework/property_records.h"

namespace AboutWnd {

const fw::WindowProperties& AboutWndProperties();
// The four controls in creation order, which is also their tab order.
const std::vector<fw::ControlRecord>& AboutWndControls();

}  // namespace AboutWnd
