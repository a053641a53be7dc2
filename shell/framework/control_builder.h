#pragma once

// Builds a window's controls from records, in the steps every window takes for each control:
// make a control of the record's kind for the window and enter it under its name, set what a
// property set never carries (the text size and then its unit 0, or a canvas's picture), apply
// the control's set, and name it for screen readers (accessible_naming.h). A window installs
// its event handlers after that itself, since they are its own operations.

#include <string>
#include <variant>

#include "shell/framework/accessible_naming.h"
#include "shell/framework/picture.h"
#include "shell/framework/property_records.h"

namespace fw {

class Control;
class Window;

using ControlProperties =
    std::variant<TextAreaProperties, PushButtonProperties, StaticTextProperties, CanvasProperties, RectangleProperties>;

struct ControlRecord {
  ControlProperties properties;
  float textSize { 0 };                 // text controls
  PicturePtr (*picture)() { nullptr };  // canvases: the picture's accessor
  AccessibleNaming naming {};           // the field a label names, or a control's own name
};

const std::string& NameOf(const ControlRecord& record);
// The record's property set, as the control gets it.
std::string SetOf(const ControlRecord& record);

// Builds the record's control in window and returns it, entered under its name and set up.
Control& BuildControl(Window& window, const ControlRecord& record);

}  // namespace fw
