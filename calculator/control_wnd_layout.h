#pragma once

// The main window's property sets, as the window applies them.

#include <string>
#include <vector>

#include "shell/framework/property_records.h"

namespace ControlWnd {

const fw::WindowProperties& ControlWndProperties();
// The thirty controls' sets, in creation order.
std::vector<std::string> ControlWndControlSets();

}  // namespace ControlWnd
