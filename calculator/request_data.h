#pragma once

// The working data of one Calculate request: made afresh at each press of Calculate, read by
// the congruence and salience steps, dropped when the request ends.

#include <array>
#include <cstddef>
#include <cstdint>

namespace calculator {

// Variable i lives in slot i; slot 0 is never used, so 100 slots hold the 99 variables at most.
inline constexpr std::size_t kSlots = 100;
inline constexpr std::int32_t kMinVariables = 2;
inline constexpr std::int32_t kMaxVariables = 99;

using LoadingColumn = std::array<double, kSlots>;

struct RequestData final {
  std::int32_t nv { 0 };
  std::int32_t N1 { 0 };
  std::int32_t N2 { 0 };
  LoadingColumn L1 {};
  LoadingColumn L2 {};
  LoadingColumn Z {};  // squared difference of the Fisher z values of L1(i) and L2(i)
  double sal { 0.0 };
  double negSal { 0.0 };
  bool errorMarked { false };  // set once a loading message of either column has been shown
};

}  // namespace calculator
