#pragma once

#include "shell/framework/text_functions.h"

namespace fw {

// The modal message box, titled as its caller says. Its text can be selected with the mouse and
// copied with Ctrl+C, so a user who reports a message can paste it; Return, Escape or Space
// dismisses it.
class MessageBox final {
public:
  static void Run(const String& title, const String& text);
};

}  // namespace fw
