#include "calculator/congruence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace calculator {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct PBracketCase {
  double chi;
  std::string p;
};

class PBracketTest : public testing::TestWithParam<PBracketCase> { };

TEST_P(PBracketTest, GivesTheBracketOfTheLastThresholdReached) {
  EXPECT_EQ(PBracket(GetParam().chi), GetParam().p) << GetParam().chi;
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, PBracketTest,
    testing::Values(PBracketCase { 0.0, "" }, PBracketCase { 0.02, "" },
                    PBracketCase { std::nextafter(0.02, kInf), ".90" },
                    PBracketCase { std::nextafter(0.1, 0.0), ".90" }, PBracketCase { 0.1, ".75" },
                    PBracketCase { 0.45, ".50" }, PBracketCase { 1.3, ".25" }, PBracketCase { 2.7, ".10" },
                    PBracketCase { 3.8, ".05" }, PBracketCase { 5.0, ".025" }, PBracketCase { 6.6, ".01" },
                    PBracketCase { 7.9, ".005" }, PBracketCase { std::nextafter(10.8, 0.0), ".005" },
                    PBracketCase { 10.8, ".001" }, PBracketCase { 1e300, ".001" }, PBracketCase { kInf, ".001" },
                    // NaN says nothing about a difference: no bracket.
                    PBracketCase { kNaN, "" }));

TEST(FisherZTest, IsTheInverseHyperbolicTangentAndInfiniteAtPlusMinusOne) {
  for (const double x : { -0.9, -0.3, 0.0, 0.5, 0.996 }) {
    EXPECT_NEAR(FisherZ(x), std::atanh(x), 1e-15) << x;
  }
  EXPECT_EQ(FisherZ(1.0), kInf);
  EXPECT_EQ(FisherZ(-1.0), -kInf);
}

// Request data as the reading loop leaves it: L1, L2 and Z of the given loadings.
RequestData DataOf(const std::vector<double>& l1, const std::vector<double>& l2, std::int32_t N1 = 100,
                   std::int32_t N2 = 100, bool errorMarked = false) {
  RequestData data;
  data.nv = static_cast<std::int32_t>(l1.size());
  data.N1 = N1;
  data.N2 = N2;
  data.errorMarked = errorMarked;
  for (std::size_t k = 0; k < l1.size(); ++k) {
    data.L1[k + 1] = l1[k];
    data.L2[k + 1] = l2[k];
    data.Z[k + 1] = SquaredZDifference(l1[k], l2[k]);
  }
  return data;
}

CongruenceTexts Stage(const RequestData& data) {
  return CongruenceStage(data, [] {});
}

struct StageCase {
  const char* name;
  RequestData data;
  std::vector<std::string> warnings;
  std::string rc;
  std::optional<std::string> chi;  // nullopt: the chi-square is left out
  std::string p;
};

void PrintTo(const StageCase& c, std::ostream* os) { *os << c.name; }

class CongruenceStageTest : public testing::TestWithParam<StageCase> { };

TEST_P(CongruenceStageTest, GivesTheWarningsAndTexts) {
  const StageCase& expected = GetParam();
  const CongruenceTexts texts = Stage(expected.data);
  EXPECT_EQ(texts.warnings, expected.warnings);
  EXPECT_EQ(texts.rc, expected.rc);
  ASSERT_EQ(texts.chiSquare.has_value(), expected.chi.has_value());
  if (texts.chiSquare) {
    EXPECT_EQ(texts.chiSquare->chi, *expected.chi);
    EXPECT_EQ(texts.chiSquare->p, expected.p);
  }
}

const std::string kZero1 = "Factor 1 loadings are all zero. Please verify data.";
const std::string kZero2 = "Factor 2 loadings are all zero. Please verify data.";

INSTANTIATE_TEST_SUITE_P(
    Cases, CongruenceStageTest,
    testing::Values(
        StageCase { "Identical", DataOf({ .5, -.2, .7 }, { .5, -.2, .7 }), {}, "+ 1.000", "0", "" },
        StageCase { "Reflected", DataOf({ .5, -.2, .7 }, { -.5, .2, -.7 }), {}, "- 1.000", "70.813", ".001" },
        StageCase { "Factor1Zero", DataOf({ 0, 0 }, { .5, .2 }), { kZero1 }, "0.0000", "8.314", ".005" },
        StageCase { "Factor2Zero", DataOf({ .5, .2 }, { 0, 0 }), { kZero2 }, "0.0000", "8.314", ".005" },
        StageCase { "BothZero", DataOf({ 0, 0 }, { 0, 0 }), { kZero1, kZero2 }, "0.0000", "0", "" },
        StageCase {
            "ZeroWithMarker", DataOf({ 0, 0 }, { .5, .2 }, 100, 100, true), { kZero1 }, " error", "8.314", ".005" },
        StageCase { "MarkerHidesRc", DataOf({ .5, .2 }, { .5, .2 }, 100, 100, true), {}, " error", "0", "" },
        StageCase { "FourSubjects", DataOf({ .5, .2 }, { .4, .2 }, 4, 100), {}, "+ .9965", std::nullopt, "" },
        StageCase { "FourSubjectsInSample2", DataOf({ .5, .2 }, { .4, .2 }, 100, 4), {}, "+ .9965", std::nullopt, "" },
        // Five subjects give w1 = 1 / 2: chi = (z(.5) - z(.4))^2 / 2 / (0.5 + 0.5).
        StageCase { "FiveSubjects", DataOf({ .5, .2 }, { .4, .2 }, 5, 5), {}, "+ .9965", ".008", "" },
        // z(1) is infinite: so is chi.
        StageCase { "PlusOne", DataOf({ 1, .5 }, { .5, .5 }), {}, "+ .9487", "Inf", ".001" },
        StageCase { "MinusOne", DataOf({ -1, .5 }, { .5, .5 }), {}, "- .3162", "Inf", ".001" },
        // The same +1 or -1 on both factors: infinity less infinity, a NaN chi, which gets no bracket.
        StageCase { "SamePlusOne", DataOf({ 1, .5 }, { 1, .5 }), {}, "+ 1.000", "NaN", "" },
        StageCase { "SameMinusOne", DataOf({ -1, .5 }, { -1, .2 }), {}, "+ .9648", "NaN", "" }),
    [](const testing::TestParamInfo<StageCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calculator
