#include "calculator/salience.h"

#include "shell/framework/number_functions.h"

namespace calculator {
namespace {

using CategoryColumn = std::array<SalienceCategory, kSlots>;

// Row or column of the cross table: 1, 2, 3 for the categories 1, 0, -1.
std::size_t CrossTableIndex(SalienceCategory category) {
  return static_cast<std::size_t>(2 - static_cast<std::int32_t>(category));
}

}  // namespace

SalienceCategory SalienceCategoryOf(double x, double sal, double negSal) {
  if (x >= sal) {
    return SalienceCategory::PositiveSalient;
  }
  if (x <= negSal) {
    return SalienceCategory::NegativeSalient;
  }
  return SalienceCategory::Hyperplane;
}

SalienceCrossTable CountSalience(const RequestData& data, const std::function<void()>& yield) {
  SalienceCrossTable T {};
  for (std::size_t r = 1; r <= 3; ++r) {
    for (std::size_t c = 1; c <= 3; ++c) {
      T[r][c] = 0;
      yield();
    }
    yield();
  }

  CategoryColumn C1 {};
  CategoryColumn C2 {};
  for (std::int32_t i = 1; i <= data.nv; ++i) {
    C1[i] = SalienceCategoryOf(data.L1[i], data.sal, data.negSal);
    C2[i] = SalienceCategoryOf(data.L2[i], data.sal, data.negSal);
    yield();
  }

  for (std::int32_t i = 1; i <= data.nv; ++i) {
    std::int32_t& cell = T[CrossTableIndex(C1[i])][CrossTableIndex(C2[i])];
    cell = cell + 1;
    yield();
  }
  return T;
}

double SalientSimilarity(const SalienceCrossTable& T) {
  const double A = fw::RuntimeCvtSInt32ToReal64(T[1][1] + T[3][3] - T[1][3] - T[3][1]);
  const double B = fw::RuntimeCvtSInt32ToReal64(T[1][1] + T[3][3] + T[1][3] + T[3][1]);
  const double H = fw::RuntimeCvtSInt32ToReal64(T[1][2] + T[2][1] + T[2][3] + T[3][2]);
  const double halfH = 0.5 * H;
  const double divisor = B + halfH;
  return A / divisor;
}

fw::String SalienceStep(const RequestData& data, const std::function<void()>& yield) {
  return fw::Format(SalientSimilarity(CountSalience(data, yield)), "0.000");
}

}  // namespace calculator
