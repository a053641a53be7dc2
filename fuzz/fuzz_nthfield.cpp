// NthField and ReplaceAll on any text: byte 0 gives the separator's length (0 to 3), bytes 1 to
// 4 the field number, then come the separator and the text. The fields, joined again by the
// separator, give the text back, and joined by another text they give what ReplaceAll gives.

#include "fuzz/fuzz_check.h"
#include "shell/framework/text_functions.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kReplacement = "<+>";
// Joining costs a scan from the start of the text per field; more fields are checked by count.
constexpr std::int32_t kMaxJoinedFields = 256;

// The number of fields: one more than the separators found left to right without overlaps.
std::int32_t FieldCount(std::string_view text, std::string_view sep) {
  std::int32_t count = 1;
  for (std::size_t found = text.find(sep); found != std::string_view::npos; found = text.find(sep, found + sep.size()))
    ++count;
  return count;
}

fw::String Join(const std::vector<fw::String>& fields, std::string_view sep) {
  fw::String joined;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0)
      joined += sep;
    joined += fields[i];
  }
  return joined;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes = fuzz::Bytes(data, size);
  if (bytes.empty())
    return 0;
  const std::size_t sepLength = static_cast<unsigned char>(bytes[0]) % 4;
  bytes.remove_prefix(1);
  std::int32_t n = 0;
  std::memcpy(&n, bytes.data(), std::min(bytes.size(), sizeof n));
  bytes.remove_prefix(std::min(bytes.size(), sizeof n));
  const std::string_view sep = bytes.substr(0, sepLength);
  const std::string_view text = bytes.substr(sep.size());

  const fw::String field = fw::NthField(text, sep, n);
  fuzz::Check(field.size() <= text.size(), "a field is no longer than the text");
  if (sep.empty()) {
    fuzz::Check(field == (n == 1 ? text : std::string_view()), "an empty separator makes the text field 1");
    fuzz::Check(fw::ReplaceAll(text, sep, kReplacement) == text, "replacing the empty text changes nothing");
    return 0;
  }

  const std::int32_t count = FieldCount(text, sep);
  fuzz::Check(fw::NthField(text, sep, 0).empty() && fw::NthField(text, sep, count + 1).empty(),
              "there is no field before the first or after the last");
  std::vector<fw::String> fields;
  if (count <= kMaxJoinedFields) {
    for (std::int32_t i = 1; i <= count; ++i)
      fields.push_back(fw::NthField(text, sep, i));
    fuzz::Check(Join(fields, sep) == text, "the fields joined by the separator are the text");
  }
  // A replacement of another length, and one as long as the separator (byte for byte, for one byte).
  fw::String shifted(sep);
  for (char& c : shifted)
    c = static_cast<char>(c + 1);
  for (const std::string_view replacement : { kReplacement, std::string_view(shifted) }) {
    const fw::String replaced = fw::ReplaceAll(text, sep, replacement);
    const std::size_t separators = static_cast<std::size_t>(count - 1);
    fuzz::Check(replaced.size() + separators * sep.size() == text.size() + separators * replacement.size(),
                "ReplaceAll replaces every separator");
    if (!fields.empty())
      fuzz::Check(Join(fields, replacement) == replaced, "the fields joined by the replacement are ReplaceAll's text");
  }
  return 0;
}
