#pragma once

// The real main window as the benchmarks use it: its controls by name, and the numbers of a
// request typed into it.

#include <cstdint>
#include <string>

#include "calculator/control_wnd.h"
#include "shell/framework/push_button.h"
#include "shell/framework/text_area.h"

namespace bench {

inline fw::TextArea& Field(const char* name) { return fw::ControlAs<fw::TextArea>(ControlWnd::ControlWnd(), name); }

inline void Press(const char* button) { fw::ControlAs<fw::PushButton>(ControlWnd::ControlWnd(), button).Push(); }

// nv variables, 100 and 120 subjects, salience .30.
inline void TypeNumbers(std::int64_t nv) {
  Field("Nvariables").SetText(std::to_string(nv));
  Field("Nsubjects1").SetText("100");
  Field("Nsubjects2").SetText("120");
  Field("sFld").SetText(".30");
}

}  // namespace bench
