#include "calculator/salience.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace calculator {
namespace {

struct CategoryCase {
  double x;
  SalienceCategory category;
};

class SalienceCategoryTest : public testing::TestWithParam<CategoryCase> { };

// The hyperplane band is open at both ends: the salience itself is salient.
TEST_P(SalienceCategoryTest, SortsALoadingAgainstTheSalience) {
  EXPECT_EQ(SalienceCategoryOf(GetParam().x, .30, .30 * -1.0), GetParam().category) << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(AtPointThirty, SalienceCategoryTest,
                         testing::Values(CategoryCase { .30, SalienceCategory::PositiveSalient },
                                         CategoryCase { .9, SalienceCategory::PositiveSalient },
                                         CategoryCase { .299, SalienceCategory::Hyperplane },
                                         CategoryCase { 0.0, SalienceCategory::Hyperplane },
                                         CategoryCase { -.299, SalienceCategory::Hyperplane },
                                         CategoryCase { -.30, SalienceCategory::NegativeSalient },
                                         CategoryCase { -.9, SalienceCategory::NegativeSalient }));

// Counts as written in the table: rows 1..3, then columns 1..3.
using Counts = std::vector<std::vector<std::int32_t>>;

struct IndexCase {
  const char* name;
  double sal;
  std::vector<double> l1;
  std::vector<double> l2;
  Counts T;
  std::string s;
};

void PrintTo(const IndexCase& c, std::ostream* os) { *os << c.name; }

class SalientSimilarityTest : public testing::TestWithParam<IndexCase> { };

TEST_P(SalientSimilarityTest, CountsTheCrossTableAndGivesS) {
  const IndexCase& expected = GetParam();
  RequestData data;
  data.nv = static_cast<std::int32_t>(expected.l1.size());
  data.sal = expected.sal;
  data.negSal = expected.sal * -1.0;
  for (std::size_t k = 0; k < expected.l1.size(); ++k) {
    data.L1[k + 1] = expected.l1[k];
    data.L2[k + 1] = expected.l2[k];
  }
  const SalienceCrossTable T = CountSalience(data, [] {});
  Counts counts;
  for (std::size_t r = 1; r <= 3; ++r) {
    counts.emplace_back(T[r].begin() + 1, T[r].end());
  }
  EXPECT_EQ(counts, expected.T);
  EXPECT_EQ(SalienceStep(data, [] {}), expected.s);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SalientSimilarityTest,
    testing::Values(
        IndexCase { "Agreement", .30, { .5, .5 }, { .5, .5 }, { { 2, 0, 0 }, { 0, 0, 0 }, { 0, 0, 0 } }, "1.000" },
        IndexCase { "Chance", .30, { .5, .05 }, { .05, .5 }, { { 0, 1, 0 }, { 1, 0, 0 }, { 0, 0, 0 } }, "0.000" },
        IndexCase { "Reflection", .30, { .5, -.5 }, { -.5, .5 }, { { 0, 0, 1 }, { 0, 0, 0 }, { 1, 0, 0 } }, "-1.000" },
        // Variables hyperplane on both factors leave s unchanged.
        IndexCase { "FiveVariables",
                    .30,
                    { .996, .007, .982, .449, -.004 },
                    { .981, .015, .963, .524, -.022 },
                    { { 3, 0, 0 }, { 0, 2, 0 }, { 0, 0, 0 } },
                    "1.000" },
        IndexCase { "ThirteenVariables",
                    .30,
                    { -.089, .004, -.090, .090, .801, .809, .901, .591, .919, .164, .077, -.177, -.061 },
                    { .248, .089, -.011, .121, .324, .214, .243, .291, .198, .757, .651, .703, .619 },
                    { { 1, 4, 0 }, { 4, 4, 0 }, { 0, 0, 0 } },
                    "0.200" },
        IndexCase { "ElevenVariables",
                    .40,
                    { .83, .68, .65, .70, .73, .48, .42, .48, .53, .61, .42 },
                    { .79, .65, .74, .70, .79, .59, .59, .63, .55, .50, .37 },
                    { { 10, 1, 0 }, { 0, 0, 0 }, { 0, 0, 0 } },
                    "0.952" },
        // Nothing salient on either factor: the divisor is zero and s is 0/0.
        IndexCase { "AllHyperplane",
                    .30,
                    { .1, -.2, 0 },
                    { .29, 0, -.299 },
                    { { 0, 0, 0 }, { 0, 3, 0 }, { 0, 0, 0 } },
                    "NaN" }),
    [](const testing::TestParamInfo<IndexCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calculator
