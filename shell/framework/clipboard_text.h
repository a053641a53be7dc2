#pragma once

// Whether the clipboard holds text, for the Paste item's enabling rule, answered without asking
// another program anything. When another program holds the clipboard, Qt asks it for its
// formats and waits for the answer, up to 5 s when that program never answers; the menu update
// runs before every shortcut and before a menu opens, so it must not ask. Only a paste, which
// needs the data, asks.
//
// What this program put on the clipboard Qt holds in this process, and it is read as it is.
// What another program holds counts as text until a paste finds none there; a change of the
// clipboard forgets that finding.

class QMimeData;

namespace fw {

// Whether the clipboard may be pasted as text now.
bool ClipboardMayHoldText();

// Tells what a paste found: source is the data it read, text whether it held text.
void NotePasteFound(const QMimeData* source, bool text);

}  // namespace fw
