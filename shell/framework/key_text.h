#pragma once

// The key a KeyDown handler gets: a one-character String. Backspace is code 8, tab 9, Return
// and Enter 13, escape 27, delete 127, a printable key its character. Keys that only move the
// caret or select (arrows, Home, End, the page keys), function keys and shortcut chords (with
// Ctrl, Alt or Meta) give nothing: they never reach a handler, so a user can always move
// through a field and use the Edit shortcuts.

#include <optional>

#include "shell/framework/text_functions.h"

class QKeyEvent;

namespace fw {

std::optional<String> KeyText(const QKeyEvent& event);

}  // namespace fw
