#pragma once

// The help text's first sample (five variables, 100 subjects in each sample, salience .30)
// typed into the main window's six input fields.

#include "shell/framework/text_area.h"
#include "shell/framework/window.h"

namespace testing_support {

inline void EnterFirstSample(const fw::Window& mainWindow) {
  const auto field = [&](const char* name) -> fw::TextArea& { return fw::ControlAs<fw::TextArea>(mainWindow, name); };
  field("Nvariables").SetText("5");
  field("Nsubjects1").SetText("100");
  field("Nsubjects2").SetText("100");
  field("sFld").SetText(".30");
  field("InputFld1").SetText(".996\r.007\r.982\r.449\r-.004");
  field("InputFld2").SetText(".981\r.015\r.963\r.524\r-.022");
}

}  // namespace testing_support
