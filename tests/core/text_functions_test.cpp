#include "shell/framework/text_functions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace {

using namespace std::string_literals;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

// ---------------------------------------------------------------------------------------------
// Len, Asc, Chr

struct CharCase {
  std::string text;
  std::int32_t len;
  std::int32_t asc;
};

TEST(TextFunctions, LenAndAsc) {
  const CharCase cases[] = {
    { "", 0, 0 },
    { "a", 1, 97 },
    { "abc", 3, 97 },
    { " ", 1, 32 },
    { "\r", 1, 13 },
    { "\t", 1, 9 },
    { "\n", 1, 10 },
    { "\0"s, 1, 0 },
    { "\xC2\xB1", 1, 177 },              // ±
    { "\xE2\x89\xA4", 1, 8804 },         // ≤
    { "p \xE2\x89\xA4", 3, 112 },        // "p ≤"
    { "\xC3\xA9t\xC3\xA9", 3, 233 },     // été
    { "\xF0\x9F\x98\x80", 1, 0x1F600 },  // 4-byte character
    { "\xEF\xBF\xBF", 1, 0xFFFF },
    { "\xF4\x8F\xBF\xBF", 1, 0x10FFFF },
    // Invalid bytes: each one a character of its own, Asc U+FFFD.
    { "\x80", 1, 0xFFFD },
    { "\xFF", 1, 0xFFFD },
    { "\xC2", 1, 0xFFFD },              // truncated sequence
    { "\xC2x", 2, 0xFFFD },             // lead byte without its continuation
    { "\xE2\x89", 2, 0xFFFD },          // truncated 3-byte sequence
    { "\xC0\xAF", 2, 0xFFFD },          // overlong "/"
    { "\xE0\x80\xAF", 3, 0xFFFD },      // overlong 3-byte
    { "\xED\xA0\x80", 3, 0xFFFD },      // surrogate U+D800
    { "\xF4\x90\x80\x80", 4, 0xFFFD },  // above U+10FFFF
    { "\xF8\x88\x80\x80\x80", 5, 0xFFFD },
    { "a\x80"
      "b",
      3, 97 },
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::Len(c.text), c.len) << c.text;
    EXPECT_EQ(fw::Asc(c.text), c.asc) << c.text;
  }
}

TEST(TextFunctions, Chr) {
  const struct {
    std::int32_t code;
    std::string text;
  } cases[] = {
    { 13, "\r" },
    { 9, "\t" },
    { 10, "\n" },
    { 0, "\0"s },
    { 65, "A" },
    { 127, "\x7F" },
    { 128, "\xC2\x80" },
    { 177, "\xC2\xB1" },
    { 0x7FF, "\xDF\xBF" },
    { 0x800, "\xE0\xA0\x80" },
    { 8804, "\xE2\x89\xA4" },
    { 0xFFFD, "\xEF\xBF\xBD" },
    { 0x10000, "\xF0\x90\x80\x80" },
    { 0x10FFFF, "\xF4\x8F\xBF\xBF" },
    // No Unicode scalar value: U+FFFD.
    { -1, "\xEF\xBF\xBD" },
    { INT32_MIN, "\xEF\xBF\xBD" },
    { 0xD800, "\xEF\xBF\xBD" },
    { 0xDFFF, "\xEF\xBF\xBD" },
    { 0x110000, "\xEF\xBF\xBD" },
    { INT32_MAX, "\xEF\xBF\xBD" },
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::Chr(c.code), c.text) << c.code;
    EXPECT_EQ(fw::Len(fw::Chr(c.code)), 1) << c.code;
  }
}

TEST(TextFunctions, ChrAscRoundTrip) {
  for (std::int32_t code = 0; code <= 0x10FFFF; code += (code < 0x3000 ? 1 : 97)) {
    if (code >= 0xD800 && code <= 0xDFFF)
      continue;
    ASSERT_EQ(fw::Asc(fw::Chr(code)), code);
  }
}

// ---------------------------------------------------------------------------------------------
// Val

struct ValCase {
  std::string text;
  double value;
};

TEST(TextFunctions, Val) {
  const ValCase cases[] = {
    // Nothing readable.
    { "", 0.0 },
    { " ", 0.0 },
    { "\t\t", 0.0 },
    { "-", 0.0 },
    { "+", 0.0 },
    { ".", 0.0 },
    { "+.", 0.0 },
    { "-.", 0.0 },
    { "abc", 0.0 },
    { "e5", 0.0 },
    { ".e5", 0.0 },
    { "- 5", 0.0 },
    { "--5", 0.0 },
    { "+-5", 0.0 },
    { "\r5", 0.0 },  // only spaces and tabs are skipped
    { "\n5", 0.0 },
    { "x1", 0.0 },
    { "Data as read", 0.0 },
    { "NaN", 0.0 },
    { "nan", 0.0 },
    { "inf", 0.0 },
    { "Infinity", 0.0 },
    { "0x10", 0.0 },
    // Plain numbers.
    { "0", 0.0 },
    { "1", 1.0 },
    { "-1", -1.0 },
    { "+1", 1.0 },
    { "5", 5.0 },
    { "99", 99.0 },
    { "100", 100.0 },
    { "007", 7.0 },
    { ".5", 0.5 },
    { "5.", 5.0 },
    { "-.3", -0.3 },
    { "+.3", 0.3 },
    { ".10", 0.1 },
    { ".996", 0.996 },
    { "-.004", -0.004 },
    { "0.9999", 0.9999 },
    { "1.5", 1.5 },
    { "1.0", 1.0 },
    { "-1.0", -1.0 },
    { "123.456", 123.456 },
    // Blanks and what follows the number.
    { "  .5", 0.5 },
    { "\t-2", -2.0 },
    { " \t 3.25xyz", 3.25 },
    { "12abc", 12.0 },
    { "1.2.3", 1.2 },
    { "1..2", 1.0 },
    { "3 4", 3.0 },
    { ".5\n", 0.5 },
    { ".5\r.7", 0.5 },
    { "1,5", 1.0 },
    { "5%", 5.0 },
    // Exponents.
    { "1.2E-02", 0.012 },
    { "1e5", 1e5 },
    { "1E5", 1e5 },
    { "1e+5", 1e5 },
    { "-2.5e-3", -2.5e-3 },
    { ".5e1", 5.0 },
    { "5.e1", 50.0 },
    { "1e05", 1e5 },
    { "1e0000000000000000000000000002", 100.0 },
    { "1e", 1.0 },
    { "1e+", 1.0 },
    { "1e-", 1.0 },
    { "1E", 1.0 },
    { "1ex", 1.0 },
    { "1e+x", 1.0 },
    { "1e 5", 1.0 },
    { "1e5e6", 1e5 },
    { "1e5.5", 1e5 },
    // Correct rounding.
    { "0.1", 0.1 },
    { "0.30000000000000004", 0.30000000000000004 },
    { "9007199254740993", 9007199254740992.0 },  // tie, to even
    { "9007199254740993.0000000000000000000001", 9007199254740994.0 },
    { "2.2250738585072014e-308", DBL_MIN },
    { "1.7976931348623157e308", DBL_MAX },
    // Saturation and underflow: always finite.
    { "1e999", DBL_MAX },
    { "-1e999", -DBL_MAX },
    { "1.7976931348623159e308", DBL_MAX },
    { "-1.7976931348623159e308", -DBL_MAX },
    { "1e308", 1e308 },
    { "1e99999999999999999999999999", DBL_MAX },
    { "1e-400", 0.0 },
    { "-1e-400", 0.0 },
    { "1e-99999999999999999999999999", 0.0 },
    { "0e999999", 0.0 },
    { "4.9406564584124654e-324", kDenormMin },
    { "5e-324", kDenormMin },
    { "3e-324", kDenormMin },
    { "2e-324", 0.0 },
    { "2.2250738585072009e-308", 2.2250738585072009e-308 },
  };
  for (const auto& c : cases) {
    const double v = fw::Val(c.text);
    EXPECT_TRUE(std::isfinite(v)) << c.text;
    EXPECT_EQ(v, c.value) << '"' << c.text << '"';
  }
}

// Whether Val reads the whole text as one number, blanks before and after set aside.
TEST(TextFunctions, ValReadsWhole) {
  const std::pair<std::string, bool> cases[] = {
    { ".996", true },   { "+.996", true },     { "-.004", true },  { "9.96E-01", true },  { "7e-3", true },
    { "1e+5", true },   { "-0", true },        { "5.", true },     { "  .007", true },    { ".982  ", true },
    { "\t.5\t", true }, { " -1 ", true },      { "", false },      { " ", false },        { "\t", false },
    { ".", false },     { "-", false },        { "+.", false },    { "Factor 1", false }, { "F1", false },
    { "0,449", false }, { ".007abc", false },  { "n/a", false },   { ".5.24", false },    { "\u2212.004", false },
    { "1e", false },    { "1e+", false },      { "1e5e6", false }, { "3 4", false },      { "- 5", false },
    { ".5\n", false },  { "\n.5", false },     { "\r.5", false },  { "5%", false },       { "0x10", false },
    { "NaN", false },   { "\u00A0.5", false },
  };
  for (const auto& [text, whole] : cases)
    EXPECT_EQ(fw::ValReadsWhole(text), whole) << '"' << text << '"';
}

TEST(TextFunctions, ValLongIntegers) {
  // DBL_MAX written out in full (309 digits), and its neighbours.
  EXPECT_EQ(fw::Val("17976931348623157" + std::string(292, '0')), DBL_MAX);
  EXPECT_EQ(fw::Val("-17976931348623157" + std::string(292, '0')), -DBL_MAX);
  EXPECT_EQ(fw::Val("17976931348623159" + std::string(292, '0')), DBL_MAX);  // would be inf
  EXPECT_EQ(fw::Val("1" + std::string(309, '0')), DBL_MAX);
  EXPECT_EQ(fw::Val("1" + std::string(308, '0')), 1e308);
}

TEST(TextFunctions, ValSignOfZero) {
  EXPECT_FALSE(std::signbit(fw::Val("")));
  EXPECT_FALSE(std::signbit(fw::Val("-")));
  EXPECT_FALSE(std::signbit(fw::Val("0")));
  EXPECT_TRUE(std::signbit(fw::Val("-0")));
  EXPECT_TRUE(std::signbit(fw::Val("-1e-400")));
}

TEST(TextFunctions, ValHugeInputs) {
  const std::size_t mb = 1 << 20;

  EXPECT_EQ(fw::Val(std::string(mb, '9')), DBL_MAX);
  EXPECT_EQ(fw::Val("-" + std::string(mb, '1')), -DBL_MAX);
  EXPECT_EQ(fw::Val(std::string(mb, '0') + "1"), 1.0);
  EXPECT_EQ(fw::Val(std::string(mb, '0')), 0.0);
  EXPECT_EQ(fw::Val("0." + std::string(mb, '0') + "1"), 0.0);
  EXPECT_EQ(fw::Val("1" + std::string(mb, '0') + "e-1048576"), 1.0);
  EXPECT_EQ(fw::Val("." + std::string(mb, '0') + "5e1048576"), 0.5);
  EXPECT_EQ(fw::Val("0.1" + std::string(mb, '0')), 0.1);
  EXPECT_EQ(fw::Val("1e" + std::string(mb, '9')), DBL_MAX);
  EXPECT_EQ(fw::Val("1e-" + std::string(mb, '9')), 0.0);
  EXPECT_EQ(fw::Val(std::string(mb, ' ') + "2"), 2.0);
  EXPECT_EQ(fw::Val(std::string(mb, 'x')), 0.0);
  // A tie far beyond the digits that decide most numbers: the sticky digit decides.
  EXPECT_EQ(fw::Val("9007199254740993" + std::string(mb, '0')), DBL_MAX);
  EXPECT_EQ(fw::Val("9007199254740993." + std::string(mb, '0')), 9007199254740992.0);
  EXPECT_EQ(fw::Val("9007199254740993." + std::string(mb, '0') + "1"), 9007199254740994.0);
  EXPECT_EQ(fw::Val("0.9" + std::string(mb, '9')), 1.0);
}

// ---------------------------------------------------------------------------------------------
// Str

struct StrCase {
  double value;
  std::string text;
};

TEST(TextFunctions, Str) {
  const StrCase cases[] = {
    { 0.0, "0" },
    { -0.0, "0" },
    { 1.0, "1" },
    { -1.0, "-1" },
    { 0.996, "0.996" },
    { -0.004, "-0.004" },
    { 0.5, "0.5" },
    { 0.1, "0.1" },
    { 0.1 + 0.2, "0.30000000000000004" },
    { 100.0, "100" },
    { 1.5, "1.5" },
    { 1e-5, "1e-05" },
    { 1e21, "1e+21" },
    { 123456789012.0, "123456789012" },
    { DBL_MAX, "1.7976931348623157e+308" },
    { kDenormMin, "5e-324" },
    { kNaN, "NaN" },
    { kInf, "Inf" },
    { -kInf, "-Inf" },
  };
  for (const auto& c : cases)
    EXPECT_EQ(fw::Str(c.value), c.text) << c.value;
}

TEST(TextFunctions, StrRoundTripsThroughVal) {
  const double values[] = {
    0.0,
    1.0,
    -1.0,
    0.996,
    0.007,
    0.982,
    0.449,
    -0.004,
    -0.089,
    0.3,
    1e-5,
    -1e-5,
    1e-300,
    1e300,
    1e21,
    1e22,
    123.456,
    1.0 / 3.0,
    2.0 / 3.0,
    0.9984748335142183,
    0.3613356285513909,
    0.9904006789969405,
    0.9992090313118029,
    7.335177658475547,
    29.83030444832799,
    1.0822436436731986,
    1.3281482840238252,
    DBL_MAX,
    -DBL_MAX,
    DBL_MIN,
    -DBL_MIN,
    kDenormMin,
    -kDenormMin,
    2.2250738585072009e-308,
    9007199254740993.0,
    4503599627370497.5,
    0.1 + 0.2,
    std::nextafter(1.0, 2.0),
    std::nextafter(1.0, 0.0),
    std::nextafter(0.0, 1.0),
  };
  for (double v : values) {
    const std::string s = fw::Str(v);
    EXPECT_EQ(fw::Val(s), v) << s;
  }
  // A sweep of bit patterns across the whole range of finite Doubles.
  std::uint64_t bits = 0x0000000000000001ULL;
  for (int k = 0; k < 20000; ++k) {
    bits = bits * 6364136223846793005ULL + 1442695040888963407ULL;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v))
      continue;
    ASSERT_EQ(fw::Val(fw::Str(v)), v) << fw::Str(v);
  }
}

// What std::to_chars gives, shortest form: Str's text for every finite non-zero Double.
std::string ToChars(double d) {
  char buffer[64];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, d).ptr);
}

// The Double nearest to the decimal text, correctly rounded.
double FromChars(const std::string& text) {
  double d = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), d);
  return d;
}

// A decimal of 1 to 17 significant digits (the Doubles' range of precision and a little more)
// and a power of ten between 10^-25 and 10^25, as "ddd", "ddd.dd" or ".000ddd" with an optional
// exponent: the forms people type and the long and far ones beside them.
std::string RandomDecimal(std::mt19937_64& random) {
  const std::size_t count = random() % 17 + 1;
  std::string digits;
  for (std::size_t k = 0; k < count; ++k)
    digits += static_cast<char>('0' + random() % 10);
  const std::size_t point = random() % (count + 3);  // past the digits: zeros after the point
  std::string text = random() % 2 == 0 ? "-" : "";
  if (point <= count) {
    text += digits.substr(0, point) + "." + digits.substr(point);
  } else {
    text += "." + std::string(point - count, '0') + digits;
  }
  if (random() % 2 == 0)
    text += "e" + std::to_string(static_cast<int>(random() % 51) - 25);
  return text;
}

TEST(TextFunctions, StrIsToCharsForTypedDecimals) {
  // Every k / 10^p for |k| < 10^6 and p up to 6: all loadings, counts and saliences typed.
  // Fourteen million values, so a mismatch is looked for before any assertion is made.
  double power = 1.0;
  for (int p = 0; p <= 6; ++p, power *= 10.0) {
    for (std::int64_t k = 1; k < 1000000; ++k) {
      for (const double v : { static_cast<double>(k) / power, -static_cast<double>(k) / power }) {
        const std::string expected = ToChars(v);
        if (fw::Str(v) != expected)
          FAIL() << fw::Str(v) << " for " << expected;
      }
    }
  }
}

TEST(TextFunctions, StrIsToCharsForRandomDoubles) {
  std::mt19937_64 random(20240607);
  for (int k = 0; k < 200000; ++k) {
    for (const double v : { FromChars(RandomDecimal(random)), std::bit_cast<double>(random()) }) {
      if (std::isfinite(v) && v != 0.0) {
        ASSERT_EQ(fw::Str(v), ToChars(v));
      }
    }
  }
}

TEST(TextFunctions, ValIsFromCharsForRandomDecimals) {
  std::mt19937_64 random(20240608);
  for (int k = 0; k < 200000; ++k) {
    const std::string text = RandomDecimal(random);
    const double v = fw::Val(text);
    ASSERT_EQ(v, FromChars(text)) << text;
    ASSERT_EQ(std::signbit(v), text[0] == '-') << text;
  }
}

// ---------------------------------------------------------------------------------------------
// Format

struct FormatCase {
  double value;
  std::string mask;
  std::string text;
};

TEST(TextFunctions, Format) {
  const FormatCase cases[] = {
    // rc of the worked examples with "+ #.####".
    { 0.99851, "+ #.####", "+ .9985" },
    { -0.36131, "+ #.####", "- .3613" },
    { 0.9984748335142183, "+ #.####", "+ .9985" },
    { 0.3613356285513909, "+ #.####", "+ .3613" },
    { -0.3613356285513909, "+ #.####", "- .3613" },
    { 0.9904006789969405, "+ #.####", "+ .9904" },
    { 0.9992090313118029, "+ #.####", "+ .9992" },
    { 0.5, "+ #.####", "+ .5" },
    { 0.12, "+ #.####", "+ .12" },
    { -0.0001, "+ #.####", "- .0001" },
    { 0.99996, "+ #.####", "+ 1" },
    { -0.99996, "+ #.####", "- 1" },
    { 0.99994, "+ #.####", "+ .9999" },
    { 1.0, "+ #.####", "+ 1" },
    { -1.0, "+ #.####", "- 1" },
    { 1.5, "+ #.####", "+ 1.5" },
    { 0.0, "+ #.####", "+ 0" },
    { -0.0, "+ #.####", "+ 0" },
    { 0.00004, "+ #.####", "+ 0" },
    { -0.00004, "+ #.####", "+ 0" },  // rounds to zero: no minus
    { -1e-17, "+ #.####", "+ 0" },
    { 12.34567, "+ #.####", "+ 12.3457" },
    // chi of the worked examples with "#####.###".
    { 7.33456, "#####.###", "7.335" },
    { 7.335177658475547, "#####.###", "7.335" },
    { 29.83, "#####.###", "29.83" },
    { 29.83030444832799, "#####.###", "29.83" },
    { 1.0822436436731986, "#####.###", "1.082" },
    { 1.3281482840238252, "#####.###", "1.328" },
    { 0.0, "#####.###", "0" },
    { 0.0004, "#####.###", "0" },
    { 0.0005, "#####.###", ".001" },  // 0.0005 is a little above its decimal
    { 0.25, "#####.###", ".25" },
    { 10.8, "#####.###", "10.8" },
    { 12345.678, "#####.###", "12345.678" },
    { 1234567.25, "#####.###", "1234567.25" },
    { 99999.9999, "#####.###", "100000" },
    { -3.5, "#####.###", "-3.5" },
    { -0.25, "#####.###", "-.25" },
    { 1e20, "#####.###", "100000000000000000000" },
    // "0.000".
    { 0.2, "0.000", "0.200" },
    { -1.0, "0.000", "-1.000" },
    { 1.0, "0.000", "1.000" },
    { 0.0, "0.000", "0.000" },
    { 10.0 / 10.5, "0.000", "0.952" },
    { 0.9995, "0.000", "1.000" },  // 0.9995 is a little above its decimal
    { 0.99951, "0.000", "1.000" },
    { 123.4567, "0.000", "123.457" },
    { -0.0001, "0.000", "0.000" },
    // Ties of exactly representable values go to the even digit.
    { 0.5, "0", "0" },
    { 1.5, "0", "2" },
    { 2.5, "0", "2" },
    { 0.125, "0.00", "0.12" },
    { 0.375, "0.00", "0.38" },
    // Other masks.
    { 5.0, "#", "5" },
    { 0.0, "#", "0" },
    { 0.4, "#", "0" },
    { 123.0, "#", "123" },
    { 5.0, "000", "005" },
    { -5.0, "000", "-005" },
    { 5.0, "#0", "5" },
    { 5.0, "0#", "05" },
    { 0.1, "#.#0", ".10" },
    { 0.1, "#.0#", ".1" },
    { 0.0, "#.##", "0" },
    { 0.0, ".##", "0" },
    { 0.25, ".##", ".25" },
    { 3.25, ".##", "3.25" },
    { 5.0, "0.", "5" },
    { 5.0, "", "5" },
    { -5.0, "", "-5" },
    { 0.0, "", "0" },
    { 2.0, "x", "x2" },
    { -2.0, "$#.00", "$-2.00" },
    { 2.0, "$#.00", "$2.00" },
    { 2.5, "-#.#", "2.5" },
    { -2.5, "-#.#", "-2.5" },
    { 2.5, "#.# -", "2.5 " },
    { -2.5, "#.# -", "2.5 -" },
    { -2.5, "#.#+", "2.5-" },
    { 2.5, "(+) #.#", "(+) 2.5" },
    { 2.5, "#.#.#", "2.5." },  // the second point stands as it is
    { 0.5, "#.# %", ".5 %" },
  };
  for (const auto& c : cases)
    EXPECT_EQ(fw::Format(c.value, c.mask), c.text) << c.value << " \"" << c.mask << '"';
}

TEST(TextFunctions, FormatNonFinite) {
  const char* masks[] = { "+ #.####", "#####.###", "0.000", "", "#", "x" };
  for (const char* mask : masks) {
    EXPECT_EQ(fw::Format(kNaN, mask), "NaN") << mask;
    EXPECT_EQ(fw::Format(-kNaN, mask), "NaN") << mask;
    EXPECT_EQ(fw::Format(kInf, mask), "Inf") << mask;
    EXPECT_EQ(fw::Format(-kInf, mask), "-Inf") << mask;
  }
}

TEST(TextFunctions, FormatHugeValues) {
  const std::string dblMax =
      "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558"
      "632766878171540458953514382464234321326889464182768467546703537516986049910576551282076245"
      "490090389328944075868508455133942304583236903222948165808559332123348274797826204144723168"
      "738177180919299881250404026184124858368";
  EXPECT_EQ(fw::Format(DBL_MAX, "#####.###"), dblMax);
  EXPECT_EQ(fw::Format(-DBL_MAX, "#####.###"), "-" + dblMax);
  EXPECT_EQ(fw::Format(DBL_MAX, "+ #.####"), "+ " + dblMax);
  EXPECT_EQ(fw::Format(DBL_MAX, "0.000"), dblMax + ".000");
  EXPECT_EQ(fw::Format(kDenormMin, "0.000"), "0.000");
  EXPECT_EQ(fw::Format(kDenormMin, "+ #.####"), "+ 0");
  // A mask of many places.
  const std::string manyPlaces = "0." + std::string(400, '0');
  const std::string text = fw::Format(kDenormMin, manyPlaces);
  ASSERT_EQ(text.size(), 402u);
  EXPECT_EQ(text.substr(0, 2), "0.");
  EXPECT_EQ(text.substr(2 + 323, 2), "49");
  EXPECT_EQ(fw::Format(DBL_MAX, manyPlaces), dblMax + "." + std::string(400, '0'));
}

// ---------------------------------------------------------------------------------------------
// NthField

struct FieldCase {
  std::string text;
  std::string sep;
  std::int32_t n;
  std::string field;
};

TEST(TextFunctions, NthField) {
  const FieldCase cases[] = {
    { "a\tb\tc", "\t", 1, "a" },
    { "a\tb\tc", "\t", 2, "b" },
    { "a\tb\tc", "\t", 3, "c" },
    { "a\tb\tc", "\t", 4, "" },
    { "a\tb\tc", "\t", 100, "" },
    { "a\tb\tc", "\t", 0, "" },
    { "a\tb\tc", "\t", -1, "" },
    { "a\tb\tc", "\t", INT32_MIN, "" },
    { "a\tb\tc", "\t", INT32_MAX, "" },
    { "a\t\tc", "\t", 2, "" },
    { "a\t\tc", "\t", 3, "c" },
    { "\ta", "\t", 1, "" },
    { "\ta", "\t", 2, "a" },
    { "a\t", "\t", 1, "a" },
    { "a\t", "\t", 2, "" },
    { "a\t", "\t", 3, "" },
    { "", "\t", 1, "" },
    { "", "\t", 2, "" },
    { "abc", "\t", 1, "abc" },
    { "abc", "\t", 2, "" },
    { ".5\n.6\t.7", "\t", 1, ".5\n.6" },  // a line feed stays inside the field
    { "a::b::::c", "::", 1, "a" },
    { "a::b::::c", "::", 2, "b" },
    { "a::b::::c", "::", 3, "" },
    { "a::b::::c", "::", 4, "c" },
    { "a::b::::c", "::", 5, "" },
    { "a:::b", "::", 2, ":b" },
    { "abcabc", "abc", 1, "" },
    { "abcabc", "abc", 3, "" },
    { "abcabc", "abc", 4, "" },
    { "a\xC2\xB1"
      "b\xC2\xB1"
      "c",
      "\xC2\xB1", 2, "b" },
    { "abc", "", 1, "abc" },
    { "abc", "", 2, "" },
    { "abc", "", 0, "" },
  };
  for (const auto& c : cases)
    EXPECT_EQ(fw::NthField(c.text, c.sep, c.n), c.field) << c.text << " / " << c.sep << " / " << c.n;
}

TEST(TextFunctions, NthFieldOfALongText) {
  // 100,000 lines of "0.5" followed by 10 MB more, fields 1..99 read as the request reads them.
  std::string text;
  for (int k = 0; k < 100000; ++k)
    text += (k < 99 ? fw::Str(k / 100.0) : "0.5") + "\t";
  text += std::string(10 << 20, 'x');
  for (std::int32_t n = 1; n <= 99; ++n)
    ASSERT_EQ(fw::Val(fw::NthField(text, "\t", n)), (n - 1) / 100.0);
  EXPECT_EQ(fw::NthField(text, "\t", 100001), std::string(10 << 20, 'x'));
}

// ---------------------------------------------------------------------------------------------
// ReplaceAll

struct ReplaceCase {
  std::string text;
  std::string find;
  std::string repl;
  std::string result;
};

TEST(TextFunctions, ReplaceAll) {
  const ReplaceCase cases[] = {
    { ".1\r.2\r.3", "\r", "\t", ".1\t.2\t.3" },
    { "\r\r", "\r", "\t", "\t\t" },
    { "", "\r", "\t", "" },
    { "abc", "", "x", "abc" },
    { "abc", "d", "x", "abc" },
    { "aaa", "a", "", "" },
    { "aaa", "aa", "b", "ba" },  // non-overlapping, left to right
    { "aaaa", "aa", "b", "bb" },
    { "abab", "ab", "abab", "abababab" },  // the replacement is not scanned again
    { "a", "a", "aa", "aa" },
    { "x\r\ny", "\r\n", "\r", "x\ry" },
    { "\xC2\xB1"
      "1",
      "\xC2\xB1", "+-", "+-1" },
    { "abc", "abcd", "x", "abc" },
  };
  for (const auto& c : cases)
    EXPECT_EQ(fw::ReplaceAll(c.text, c.find, c.repl), c.result) << c.text << " / " << c.find;
}

TEST(TextFunctions, ReplaceAllOfALongText) {
  std::string text;
  for (int k = 0; k < 1000000; ++k)
    text += "\r.5";
  const std::string out = fw::ReplaceAll(text, "\r", "\t");
  ASSERT_EQ(out.size(), text.size());
  EXPECT_EQ(out.find('\r'), std::string::npos);
  EXPECT_EQ(out.substr(0, 6), "\t.5\t.5");
  EXPECT_EQ(fw::ReplaceAll(text, "\r", "").size(), 3000000u - 1000000u);
}

// ---------------------------------------------------------------------------------------------
// Comparison and concatenation

TEST(TextFunctions, RuntimeStringCompare) {
  const struct {
    std::string a, b;
    int sign;
  } cases[] = {
    { "", "", 0 },
    { "error", "error", 0 },
    { "", "a", -1 },
    { "a", "", 1 },
    { "a", "b", -1 },
    { "b", "a", 1 },
    { "0", "1", -1 },
    { "-1", "0", -1 },
    { "abc", "abd", -1 },
    { "abc", "ab", 1 },
    { "A", "a", -1 },
    { "\x7F", "\xC2\x80", -1 },  // U+007F < U+0080: bytes compare unsigned
    { "\xC2\xB1", "\xE2\x89\xA4", -1 },
    { "\xEF\xBF\xBD", "\xF0\x90\x80\x80", -1 },
    { "a\0b"s, "a\0c"s, -1 },
    { "a\0"s, "a", 1 },
  };
  for (const auto& c : cases) {
    const std::int32_t r = fw::RuntimeStringCompare(c.a, c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " / " << c.b;
    const std::int32_t back = fw::RuntimeStringCompare(c.b, c.a);
    EXPECT_EQ((back > 0) - (back < 0), -c.sign) << c.b << " / " << c.a;
  }
  // One-character ASCII Strings order as their codes.
  for (std::int32_t x = 0; x < 128; ++x)
    for (std::int32_t y = 0; y < 128; ++y) {
      const std::int32_t r = fw::RuntimeStringCompare(fw::Chr(x), fw::Chr(y));
      ASSERT_EQ((r > 0) - (r < 0), (x > y) - (x < y)) << x << " " << y;
    }
}

TEST(TextFunctions, RuntimeAddString) {
  EXPECT_EQ(fw::RuntimeAddString("", ""), "");
  EXPECT_EQ(fw::RuntimeAddString("a", ""), "a");
  EXPECT_EQ(fw::RuntimeAddString("", "b"), "b");
  EXPECT_EQ(fw::RuntimeAddString(" ", "error"), " error");
  EXPECT_EQ(fw::RuntimeAddString("a\0"s, "b"), "a\0b"s);
  EXPECT_EQ(fw::RuntimeAddString("\r\r", "Data as read"), "\r\rData as read");
}

// ---------------------------------------------------------------------------------------------
// Locale independence: Qt calls setlocale(LC_ALL, "") at start-up.

TEST(TextFunctions, NoLocaleDependence) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const char* names[] = { "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR" };
  const char* found = nullptr;
  for (const char* name : names)
    if (std::setlocale(LC_ALL, name) != nullptr) {
      found = name;
      break;
    }
  if (found == nullptr) {
    std::setlocale(LC_ALL, saved.c_str());
    GTEST_SKIP() << "no locale with a decimal comma is installed";
  }
  const double val = fw::Val("0.996");
  const double valComma = fw::Val("0,996");
  const std::string str = fw::Str(0.996);
  const std::string format = fw::Format(0.99851, "+ #.####");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(val, 0.996) << found;
  EXPECT_EQ(valComma, 0.0) << found;
  EXPECT_EQ(str, "0.996") << found;
  EXPECT_EQ(format, "+ .9985") << found;
}

}  // namespace
