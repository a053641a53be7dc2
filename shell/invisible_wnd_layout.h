#pragma once

// The launcher's property sets, as the window applies them: its own and its timer's.

#include "shell/framework/property_records.h"

namespace InvisibleWnd {

const fw::WindowProperties& InvisibleWndProperties();
// Timer1 fires once, 1500 milliseconds after the launcher is built.
const fw::TimerProperties& Timer1Properties();

}  // namespace InvisibleWnd
