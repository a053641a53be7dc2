#include "shell/framework/number_functions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumberFunctions, Log) {
  EXPECT_EQ(fw::Log(1.0), 0.0);
  EXPECT_EQ(fw::Log(0.0), -kInf);
  EXPECT_EQ(fw::Log(-0.0), -kInf);
  EXPECT_EQ(fw::Log(kInf), kInf);
  EXPECT_TRUE(std::isnan(fw::Log(-1.0)));
  EXPECT_TRUE(std::isnan(fw::Log(-kInf)));
  EXPECT_TRUE(std::isnan(fw::Log(kNaN)));
  EXPECT_DOUBLE_EQ(fw::Log(std::exp(1.0)), 1.0);
  EXPECT_EQ(fw::Log(2.0), std::log(2.0));
  // The Fisher z of a loading of +1 (q = 2 / 0) and -1 (q = 0 / 2).
  EXPECT_EQ(fw::Log((1.0 + 1.0) / (1.0 - 1.0)), kInf);
  EXPECT_EQ(fw::Log((1.0 + -1.0) / (1.0 - -1.0)), -kInf);
}

TEST(NumberFunctions, Sqrt) {
  EXPECT_EQ(fw::Sqrt(0.0), 0.0);
  EXPECT_EQ(fw::Sqrt(1.0), 1.0);
  EXPECT_EQ(fw::Sqrt(4.0), 2.0);
  EXPECT_EQ(fw::Sqrt(kInf), kInf);
  EXPECT_TRUE(std::isnan(fw::Sqrt(-1.0)));
  EXPECT_TRUE(std::isnan(fw::Sqrt(kNaN)));
  EXPECT_EQ(fw::Sqrt(2.0), std::sqrt(2.0));
}

TEST(NumberFunctions, Abs) {
  const double cases[][2] = { { 0.0, 0.0 },  { -0.0, 0.0 },         { 1.0, 1.0 },    { -1.0, 1.0 },
                              { -0.3, 0.3 }, { -DBL_MAX, DBL_MAX }, { -kInf, kInf }, { kInf, kInf } };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::Abs(c[0]), c[1]) << c[0];
    EXPECT_FALSE(std::signbit(fw::Abs(c[0]))) << c[0];
  }
  EXPECT_TRUE(std::isnan(fw::Abs(kNaN)));
}

struct CvtCase {
  double in;
  std::int32_t out;
};

TEST(NumberFunctions, RuntimeCvtReal64ToSInt32) {
  const CvtCase cases[] = {
    { 0.0, 0 },
    { -0.0, 0 },
    { 1.0, 1 },
    { -1.0, -1 },
    { 2.9, 2 },
    { -2.9, -2 },
    { 0.5, 0 },
    { -0.5, 0 },
    { 0.9999999999999999, 0 },
    { 99.0, 99 },
    { 99.99, 99 },
    { 5.0, 5 },
    { 2147483647.0, INT32_MAX },
    { 2147483647.9, INT32_MAX },
    { 2147483648.0, INT32_MAX },
    { 2147483648.5, INT32_MAX },
    { -2147483648.0, INT32_MIN },
    { -2147483648.9, INT32_MIN },
    { -2147483649.0, INT32_MIN },
    { -2147483650.0, INT32_MIN },
    { 1e300, INT32_MAX },
    { -1e300, INT32_MIN },
    { DBL_MAX, INT32_MAX },
    { -DBL_MAX, INT32_MIN },
    { kInf, INT32_MAX },
    { -kInf, INT32_MIN },
    { kNaN, 0 },
    { -kNaN, 0 },
    { DBL_MIN, 0 },
    { -4.9e-324, 0 },
  };
  for (const auto& c : cases)
    EXPECT_EQ(fw::RuntimeCvtReal64ToSInt32(c.in), c.out) << c.in;
}

TEST(NumberFunctions, RuntimeCvtSInt32ToReal64) {
  const std::int32_t cases[] = { 0, 1, -1, 2, 99, 97, 125, 1937, INT32_MAX, INT32_MIN };
  for (std::int32_t n : cases) {
    const double d = fw::RuntimeCvtSInt32ToReal64(n);
    EXPECT_EQ(static_cast<std::int64_t>(d), static_cast<std::int64_t>(n));
    EXPECT_EQ(fw::RuntimeCvtReal64ToSInt32(d), n);
  }
}

}  // namespace
