// Format of any Double by any mask: the first eight bytes are the Double, the rest the mask.
// It always gives a text; a finite value shows at least one digit and nothing beyond the mask's
// characters and the integer digits of the largest Double.

#include "fuzz/fuzz_check.h"
#include "shell/framework/text_functions.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double value = 0.0;
  const std::size_t taken = std::min(size, sizeof value);
  std::memcpy(&value, data, taken);
  const std::string_view mask = fuzz::Bytes(data + taken, size - taken);

  const fw::String text = fw::Format(value, mask);
  if (std::isnan(value)) {
    fuzz::Check(text == "NaN", "NaN gives \"NaN\"");
  } else if (std::isinf(value)) {
    fuzz::Check(text == (value > 0 ? "Inf" : "-Inf"), "an infinity gives \"Inf\" or \"-Inf\"");
  } else {
    fuzz::Check(std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }),
                "a finite value shows a digit");
    // Every mask character gives at most one character; beyond them come at most the integer
    // digits of DBL_MAX, a minus and a lone "0".
    fuzz::Check(text.size() <= mask.size() + DBL_MAX_10_EXP + 3, "the text is no longer than the mask allows");
  }
  return 0;
}
