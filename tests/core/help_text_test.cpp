// The help text is fixed data that the help window shows and prints as it is. These tests hold
// its form: CR-separated lines, the few characters outside ASCII and where they stand, the
// headings with the empty lines before them, the worked samples' results and the references.

#include "shell/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kPlusMinus = "\xC2\xB1";      // U+00B1
constexpr std::string_view kNotEqual = "\xE2\x89\xA0";   // U+2260
constexpr std::string_view kLessEqual = "\xE2\x89\xA4";  // U+2264

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\r', start);
    lines.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos)
      return lines;
    start = end + 1;
  }
}

std::size_t Count(std::string_view text, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size()))
    ++n;
  return n;
}

// Index of the first line equal to `line` at or after `from`; lines.size() when there is none.
std::size_t Find(const std::vector<std::string_view>& lines, std::string_view line, std::size_t from = 0) {
  const auto it =
      std::find(lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())), lines.end(), line);
  return static_cast<std::size_t>(it - lines.begin());
}

bool IsRule(std::string_view line) { return !line.empty() && line.find_first_not_of('-') == std::string_view::npos; }

TEST(HelpText, LinesAndCharactersOutsideAscii) {
  const std::string_view text = shell::HelpText();
  const auto lines = Lines(text);

  EXPECT_EQ(lines.size(), 158u);
  EXPECT_EQ(Count(text, "\r"), 157u);
  EXPECT_EQ(text.find('\n'), std::string_view::npos);
  EXPECT_EQ(text.find('\t'), std::string_view::npos);
  ASSERT_FALSE(text.empty());
  EXPECT_NE(text.back(), '\r');
  EXPECT_EQ(lines[0], "Quillon");
  EXPECT_EQ(lines[1], "");

  // Two ±, one ≠ and four ≤ account for every byte outside ASCII: 2 * 2 + 3 + 4 * 3.
  const auto nonAscii =
      std::count_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  EXPECT_EQ(nonAscii, 19);
  EXPECT_EQ(Count(text, kPlusMinus), 2u);
  EXPECT_EQ(Count(text, kNotEqual), 1u);
  EXPECT_EQ(Count(text, kLessEqual), 4u);

  const std::size_t section3 = Find(lines, "3.  Salient Variable Similarity Index (s)");
  const std::size_t operation = Find(lines, "Operation of Program");
  ASSERT_LT(operation, lines.size());
  ASSERT_GE(operation, 4u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    SCOPED_TRACE("line " + std::to_string(i + 1));
    if (Count(line, kPlusMinus) > 0) {
      // The paragraph on salience cut-offs, in section 3; both ± stand in it.
      EXPECT_EQ(Count(line, kPlusMinus), 2u);
      EXPECT_NE(line.find("<="), std::string_view::npos);
      EXPECT_NE(line.find(">="), std::string_view::npos);
      EXPECT_GT(i, section3);
      EXPECT_LT(i, operation);
    }
    if (Count(line, kNotEqual) > 0) {  // the last paragraph of section 3
      EXPECT_EQ(i, operation - 4);
    }
    if (Count(line, kLessEqual) > 0) {  // only in the samples' chi-square results
      EXPECT_TRUE(line.starts_with("Chi-Square = ")) << line;
    }
  }
}

TEST(HelpText, OutlineSamplesAndReferences) {
  const auto lines = Lines(shell::HelpText());

  struct Heading {
    std::string_view text;
    std::size_t emptyLinesBefore;
  };
  constexpr std::array<Heading, 6> kHeadings { {
      { "1.  Coefficient of Congruence (Rc)", 1 },
      { "2.  Chi-Square Goodness of Fit", 2 },
      { "3.  Salient Variable Similarity Index (s)", 2 },
      { "Operation of Program", 3 },
      { "Samples", 2 },
      { "References", 2 },
  } };
  std::size_t at = 0;
  for (const Heading& heading : kHeadings) {
    SCOPED_TRACE(std::string(heading.text));
    at = Find(lines, heading.text, at);
    ASSERT_LT(at + 1, lines.size());
    ASSERT_GT(at, heading.emptyLinesBefore);
    for (std::size_t k = 1; k <= heading.emptyLinesBefore; ++k)
      EXPECT_EQ(lines[at - k], "");
    EXPECT_NE(lines[at - heading.emptyLinesBefore - 1], "");
    EXPECT_NE(lines[at + 1], "");  // the first paragraph follows directly
  }

  // Each sample ends with a rule and its three result lines.
  constexpr std::array<std::array<std::string_view, 3>, 4> kResults { {
      { "The resulting Rc = .9985.", "Chi-Square = 7.335 (p \xE2\x89\xA4 .01)", "s = 1.00" },
      { "The resulting Rc = .361.", "Chi-Square = 29.83 (p \xE2\x89\xA4 .001)", "s = .200" },
      { "Rc = .9904", "Chi-Square = 1.082 (p \xE2\x89\xA4 .50)", "s = .952" },
      { "Rc = .9992", "Chi-Square = 1.328 (p \xE2\x89\xA4 .25)", "s = 1.0" },
  } };
  const std::size_t samples = Find(lines, "Samples");
  const std::size_t references = Find(lines, "References");
  at = samples;
  for (const auto& result : kResults) {
    SCOPED_TRACE(std::string(result[0]));
    at = Find(lines, result[0], at);
    ASSERT_LT(at + 2, references);
    EXPECT_TRUE(IsRule(lines[at - 1]));
    EXPECT_EQ(lines[at + 1], result[1]);
    EXPECT_EQ(lines[at + 2], result[2]);
  }

  // Fifteen references, each followed by an empty line, then the asterisk line and a closing
  // notice of three paragraphs.
  const std::size_t stars = Find(lines, std::string(51, '*'));
  ASSERT_LT(stars, lines.size());
  ASSERT_EQ(stars, references + 31);
  for (std::size_t i = references + 1; i < stars; i += 2) {
    EXPECT_NE(lines[i], "") << "line " << i + 1;
    EXPECT_EQ(lines[i + 1], "") << "line " << i + 2;
  }
  ASSERT_EQ(lines.size(), stars + 6);
  for (std::size_t k = 1; k <= 5; ++k)
    EXPECT_EQ(lines[stars + k].empty(), k % 2 == 0) << "line " << stars + k + 1;
}

}  // namespace
