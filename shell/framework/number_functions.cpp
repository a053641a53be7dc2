#include "shell/framework/number_functions.h"

#include <cmath>

namespace fw {

double Log(double d) { return std::log(d); }

double Sqrt(double d) { return std::sqrt(d); }

double Abs(double d) { return std::fabs(d); }

std::int32_t RuntimeCvtReal64ToSInt32(double d) {
  if (std::isnan(d))
    return 0;
  // 2^31 and -2^31 - 1 are exact Doubles; every d strictly between them truncates to a value
  // inside the Int32 range, so the cast below is defined.
  if (d >= 2147483648.0)
    return INT32_MAX;
  if (d <= -2147483649.0)
    return INT32_MIN;
  return static_cast<std::int32_t>(d);
}

double RuntimeCvtSInt32ToReal64(std::int32_t n) { return static_cast<double>(n); }

}  // namespace fw
