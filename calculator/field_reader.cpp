#include "calculator/field_reader.h"

namespace calculator {

FieldReader::FieldReader(std::string_view text, std::string_view separator) : m_rest(text), m_separator(separator) { }

fw::String FieldReader::Next() {
  fw::String field = fw::NthField(m_rest, m_separator, 1);
  // The field ends at the first separator of the rest or at its end; in the second case
  // every later field is "", which is what NthField of the empty rest gives.
  const std::size_t used = field.size() + m_separator.size();
  m_rest = used <= m_rest.size() ? m_rest.substr(used) : std::string_view();
  return field;
}

}  // namespace calculator
