// ReadPropertySet of any bytes either throws PropertySetError, at an offset inside the bytes,
// or gives entries that PropertySetBuilder writes back to the same bytes.

#include "fuzz/fuzz_check.h"
#include "shell/framework/property_set.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

void Add(fw::PropertySetBuilder& builder, const fw::PropertyEntry& entry) {
  if (const auto* v = std::get_if<std::int32_t>(&entry.value))
    builder.Int32(entry.key, *v);
  if (const auto* v = std::get_if<bool>(&entry.value))
    builder.Boolean(entry.key, *v);
  if (const auto* v = std::get_if<fw::Colour>(&entry.value))
    builder.Colour(entry.key, *v);
  if (const auto* v = std::get_if<std::string>(&entry.value))
    builder.String(entry.key, *v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view set = fuzz::Bytes(data, size);
  std::vector<fw::PropertyEntry> entries;
  try {
    entries = fw::ReadPropertySet(set);
  } catch (const fw::PropertySetError& error) {
    fuzz::Check(error.offset() <= set.size(), "an error is reported inside the set");
    return 0;
  }
  fw::PropertySetBuilder builder;
  for (const auto& entry : entries)
    Add(builder, entry);
  fuzz::Check(builder.bytes() == set, "the entries written again give the same bytes");
  return 0;
}
