#include "calculator/congruence.h"

#include "shell/framework/number_functions.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>

namespace calculator {
namespace {

// Critical values of the chi-square distribution with one degree of freedom, ascending; the
// last one that chi reaches gives the p text.
constexpr std::array<std::pair<double, std::string_view>, 9> kBrackets { {
    { 0.1, ".75" },
    { 0.45, ".50" },
    { 1.3, ".25" },
    { 2.7, ".10" },
    { 3.8, ".05" },
    { 5.0, ".025" },
    { 6.6, ".01" },
    { 7.9, ".005" },
    { 10.8, ".001" },
} };

// Str gives exactly "0", "1" and "-1" for these values; they get texts of their own.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kFixedRcTexts { {
    { "0", "0.0000" },
    { "1", "+ 1.000" },
    { "-1", "- 1.000" },
} };

fw::String RcText(double rc) {
  const fw::String t = fw::Str(rc);
  for (const auto& [str, text] : kFixedRcTexts) {
    if (t == str) {
      return fw::String(text);
    }
  }
  return fw::Format(rc, "+ #.####");
}

}  // namespace

double FisherZ(double x) {
  const double a = 1.0 + x;
  const double b = 1.0 - x;
  const double q = a / b;
  const double l = fw::Log(q);
  return 0.5 * l;
}

double SquaredZDifference(double x1, double x2) {
  const double z1 = FisherZ(x1);
  const double z2 = FisherZ(x2);
  const double d = z1 - z2;
  return d * d;
}

bool ChiSquareApplies(std::int32_t N1, std::int32_t N2) { return N1 > 4 && N2 > 4; }

fw::String PBracket(double chi) {
  // NaN is no evidence of a difference, so it gets no bracket.
  if (std::isnan(chi)) {
    return {};
  }
  fw::String p;
  if (chi > 0.02) {
    p = ".90";
  }
  for (const auto& [threshold, text] : kBrackets) {
    if (chi >= threshold) {
      p = text;
    }
  }
  return p;
}

CongruenceTexts CongruenceStage(const RequestData& data, const std::function<void()>& yield) {
  const LoadingColumn& L1 = data.L1;
  const LoadingColumn& L2 = data.L2;
  double s12 = 0.0;
  double s11 = 0.0;
  double s22 = 0.0;
  for (std::int32_t i = 1; i <= data.nv; ++i) {
    s12 = s12 + L1[i] * L2[i];
    s11 = s11 + L1[i] * L1[i];
    s22 = s22 + L2[i] * L2[i];
    yield();
  }
  const double root = fw::Sqrt(s11 * s22);
  const double rc = root == 0.0 ? 0.0 : s12 / root;

  CongruenceTexts texts;
  if (s11 == 0.0) {
    texts.warnings.emplace_back("Factor 1 loadings are all zero. Please verify data.");
  }
  if (s22 == 0.0) {
    texts.warnings.emplace_back("Factor 2 loadings are all zero. Please verify data.");
  }
  // A column with a missing or out-of-range loading gives no trustworthy rc.
  texts.rc = data.errorMarked ? fw::String(" error") : RcText(rc);

  double sumZ = 0.0;
  for (std::int32_t i = 1; i <= data.nv; ++i) {
    sumZ = sumZ + data.Z[i];
    yield();
  }
  const double meanZ = sumZ / fw::RuntimeCvtSInt32ToReal64(data.nv);
  if (!ChiSquareApplies(data.N1, data.N2)) {
    return texts;
  }
  // N1 and N2 exceed 4 here, so the Int32 subtractions cannot overflow and are at least 2.
  const double w1 = 1.0 / fw::RuntimeCvtSInt32ToReal64(data.N1 - 3);
  const double w2 = 1.0 / fw::RuntimeCvtSInt32ToReal64(data.N2 - 3);
  const double chi = meanZ / (w1 + w2);
  texts.chiSquare = ChiSquareTexts { fw::Format(chi, "#####.###"), PBracket(chi) };
  return texts;
}

}  // namespace calculator
