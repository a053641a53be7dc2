#pragma once

// Whether the clipboard holds text, for the Paste item's enabling rule, answered without waiting
// for another program. When another program holds the clipboard, Qt asks it for its formats and
// waits for the answer, up to 5 s when that program never answers; the menu update runs before
// every shortcut and before a menu opens, so it must not ask Qt. Only a paste, which needs the
// data, asks.
//
// What this program put on the clipboard Qt holds in this process, and it is read as it is.
// What another program holds counts as text unless it is known to be none: on X11, when the
// clipboard has no owner or its owner's list of types, asked for without waiting, names no
// text; anywhere, when a paste found none there. A change of the clipboard forgets both.

class QMimeData;

namespace fw {

// Starts learning what another program's clipboard holds, so that the first menu shown knows.
// Once the Qt application is made; the first question otherwise does it.
void WatchClipboard();

// Whether the clipboard may be pasted as text now.
bool ClipboardMayHoldText();

// Tells what a paste found: source is the data it read, text whether it held text.
void NotePasteFound(const QMimeData* source, bool text);

}  // namespace fw
