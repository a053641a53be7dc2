#pragma once

// The help window's property sets, as the window applies them.

#include <vector>

#include "shell/framework/control_builder.h"
#include "shell/framework/property_records.h"

namespace DescriptionWnd {

const fw::WindowProperties& DescriptionWndProperties();
// The two text fields, in creation order: DescribeFld, then DescribeFld2 with the help text.
const std::vector<fw::ControlRecord>& DescriptionWndControls();

}  // namespace DescriptionWnd
