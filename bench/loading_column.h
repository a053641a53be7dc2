#pragma once

// A column of nv loadings as a user types them: "-.123", ".045", one per line, CR between.

#include <cstdint>
#include <cstdio>
#include <string>

namespace bench {

inline std::string LoadingColumn(std::int64_t nv, std::int64_t step) {
  std::string column;
  for (std::int64_t i = 0; i < nv; ++i) {
    const std::int64_t thousandths = (i * step) % 1999 - 999;
    char line[16];
    std::snprintf(line, sizeof line, "%s.%03lld%s", thousandths < 0 ? "-" : "",
                  static_cast<long long>(thousandths < 0 ? -thousandths : thousandths), i + 1 < nv ? "\r" : "");
    column += line;
  }
  return column;
}

}  // namespace bench
