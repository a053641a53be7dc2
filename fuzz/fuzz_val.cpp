// Val of any bytes is a finite Double; Str of it is the text std::to_chars gives and reads back
// to the same Double, whole. Where std::from_chars reads the same plain decimal, both give one
// Double. A text that Val reads whole stays so with a blank after it and not with a letter.

#include "fuzz/fuzz_check.h"
#include "shell/framework/text_functions.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A text that starts with an optional minus and then a digit, or a point and a digit: there
// Val and std::from_chars read the same characters, and a finite result is the same Double.
bool StartsWithPlainDecimal(std::string_view text) {
  if (!text.empty() && text[0] == '-')
    text.remove_prefix(1);
  if (!text.empty() && text[0] == '.')
    text.remove_prefix(1);
  return !text.empty() && IsDigit(text[0]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Bytes(data, size);
  const double value = fw::Val(text);
  fuzz::Check(std::isfinite(value), "Val gives a finite Double");

  const fw::String str = fw::Str(value);
  fuzz::Check(fw::Val(str) == value, "Str reads back through Val to the same Double");
  fuzz::Check(fw::ValReadsWhole(str), "Val reads the text of Str whole");
  if (fw::ValReadsWhole(text)) {
    const fw::String blankAfter = fw::String(text) + " ";
    fuzz::Check(fw::ValReadsWhole(blankAfter) && fw::Val(blankAfter) == value,
                "a blank after a number changes nothing");
    fuzz::Check(!fw::ValReadsWhole(fw::String(text) + "x"), "a number with a letter after it is not read whole");
  }
  if (value != 0.0) {
    char buffer[32];
    const std::string_view shortest(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    fuzz::Check(str == shortest, "Str is the shortest text of std::to_chars");
  }

  if (StartsWithPlainDecimal(text)) {
    double expected = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
    if (result.ec == std::errc() && std::isfinite(expected))
      fuzz::Check(value == expected, "Val is correctly rounded as std::from_chars is");
  }
  return 0;
}
