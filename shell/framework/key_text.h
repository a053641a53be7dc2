#pragma once

// Which key presses reach KeyDown handlers, and as what. A handler gets one character as a
// String: backspace 8, tab 9, Return and Enter 13, escape 27, delete 127, or a character that
// typing puts into a field, whatever chord typed it: a plain key, or one with Shift, Alt,
// AltGr or Meta (Alt+e gives "e"). A key that types several characters gives them one at a
// time, and so does the text an input method commits (a dead key, a compose sequence).
//
// A field's handler gets nothing for the keys the field handles by itself, so a user can
// always move through a field and use the Edit shortcuts: keys that only move the caret or
// select (arrows, Home, End, the page keys), function keys, chords with Ctrl, and tab or
// Shift+Tab in a field that does not accept tabs, where they move the focus. A window's
// handler gets such a key as "".
//
// A modifier key pressed alone (Shift, Ctrl, Alt, AltGr, Meta, Super, Caps Lock, Num Lock)
// reaches no handler at all, so pressing Alt for Alt+F4 does nothing of its own.

#include <optional>
#include <vector>

#include "shell/framework/text_functions.h"

class QKeyEvent;
class QString;

namespace fw {

// The keys a text field's KeyDown handler gets for a key press, in order; none for a key that
// the field handles by itself.
std::vector<String> FieldKeys(const QKeyEvent& event, bool acceptsTabs);

// The keys of a text that an input method commits: one per character.
std::vector<String> CommittedKeys(const QString& text);

// The key a window's KeyDown handler gets, or nothing for a modifier key alone.
std::optional<String> WindowKey(const QKeyEvent& event);

// Whether the key is one of the control keys above (backspace, tab, Return, escape, delete)
// rather than a typed character.
bool IsControlKey(const String& key);

}  // namespace fw
