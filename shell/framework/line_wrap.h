#pragma once

// How a field wraps its lines: at word boundaries, a word longer than a line broken anywhere.
// Qt finds where to break such a word by measuring all the rest of it for every line, so one
// long word costs the square of its length: a megabyte pasted with no blank would freeze the
// window for minutes. A field whose text holds a run of more than kLongestWord characters with
// no blank or tab breaks its lines anywhere instead, which looks the same for such a run and
// costs each line its own length; a whole new text is judged afresh.

class QTextEdit;

namespace fw {

inline constexpr int kLongestWord = 500;

// From now on the edit wraps its lines so, whatever changes its text.
void WrapLinesCheaply(QTextEdit& edit);

}  // namespace fw
