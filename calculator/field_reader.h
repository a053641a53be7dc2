#pragma once

// Reads the fields of a text one after the other: the i-th call of Next gives what
// NthField(text, separator, i) gives, but each call starts where the last one ended, so reading
// n fields costs one pass over them instead of n passes from the start.

#include "shell/framework/text_functions.h"

#include <string_view>

namespace calculator {

class FieldReader final {
public:
  FieldReader(std::string_view text, std::string_view separator);

  // The next field; "" once the fields are used up.
  fw::String Next();

private:
  std::string_view m_rest;  // the text after the fields read so far
  std::string_view m_separator;
};

}  // namespace calculator
