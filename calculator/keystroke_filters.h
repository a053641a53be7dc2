#pragma once

// The three keystroke filters of the main window's input fields. Each judges one key alone,
// by its character code: it says whether the key is refused. The window beeps at a refused key
// and keeps it out of the field; the values themselves are judged only by Calculate.
//
//   codes                 count filter   salience filter   loading filter
//   "0".."9"              accept         accept            accept
//   "."                   refuse         accept            accept
//   "-"                   refuse         refuse            accept
//   8 backspace           accept         accept            accept
//   9 tab                 accept         accept            refuse
//   10, 13, 127           accept         refuse            accept
//   other codes below 32  accept         refuse            refuse
//   other printable keys  refuse         refuse            refuse

#include "shell/framework/text_functions.h"

namespace calculator {

// Nvariables, Nsubjects1, Nsubjects2: whole numbers.
bool CountFilterRefuses(const fw::String& key);
// sFld: a decimal fraction such as ".10".
bool SalienceFilterRefuses(const fw::String& key);
// InputFld1, InputFld2: one signed decimal per line.
bool LoadingFilterRefuses(const fw::String& key);

}  // namespace calculator
