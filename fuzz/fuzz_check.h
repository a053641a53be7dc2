#pragma once

// What a fuzz target does when an invariant does not hold: it names the invariant and aborts,
// so that libFuzzer reports the input as a crash and keeps it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

inline void Check(bool holds, const char* invariant) {
  if (holds)
    return;
  std::fprintf(stderr, "invariant does not hold: %s\n", invariant);
  std::abort();
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

}  // namespace fuzz
