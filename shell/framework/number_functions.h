#pragma once

// Number functions of the framework layer: Log, Sqrt, Abs and the conversions between Double
// and Int32. Plain IEEE 754 double arithmetic; nothing traps.

#include <cstdint>

namespace fw {

// Natural logarithm: Log(1) is 0, Log(0) is -infinity, Log(+infinity) is +infinity, a
// negative argument or NaN gives NaN.
double Log(double d);

// Square root: Sqrt(0) is 0; a negative argument gives NaN.
double Sqrt(double d);

double Abs(double d);

// Double to Int32: truncation toward zero, saturating at the Int32 bounds; NaN gives 0.
// Never undefined behaviour.
std::int32_t RuntimeCvtReal64ToSInt32(double d);

// Int32 to Double, exact.
double RuntimeCvtSInt32ToReal64(std::int32_t n);

}  // namespace fw
