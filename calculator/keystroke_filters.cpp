#include "calculator/keystroke_filters.h"

namespace calculator {

bool CountFilterRefuses(const fw::String& key) {
  const std::int32_t c = fw::Asc(key);
  // The digits pass as text: at or above "0" and, only then, at or below "9".
  if (fw::RuntimeStringCompare(key, "0") >= 0 && fw::RuntimeStringCompare(key, "9") <= 0)
    return false;
  if (c < 32)
    return false;
  if (c == 127)
    return false;
  return true;
}

bool SalienceFilterRefuses(const fw::String& key) {
  const std::int32_t c = fw::Asc(key);
  if (47 < c && c < 58)
    return false;
  return !(c == 46 || c == 8 || c == 9);
}

bool LoadingFilterRefuses(const fw::String& key) {
  const std::int32_t c = fw::Asc(key);
  if (c == 45 || c == 46 || c == 127 || c == 10 || c == 13 || c == 8)
    return false;
  return !(47 < c && c < 58);
}

}  // namespace calculator
