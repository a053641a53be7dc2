// The three keystroke filters over every character code they can be given.

#include <gtest/gtest.h>

#include "calculator/keystroke_filters.h"

namespace {

enum class Verdict { Accept, Refuse };
constexpr Verdict A = Verdict::Accept;
constexpr Verdict R = Verdict::Refuse;

struct FamilyRule {
  const char* what;
  int from, to;  // codes, both included
  Verdict count, salience, loading;
};

// The filters' table: each range of codes and what each family does with it.
constexpr FamilyRule kRules[] = {
  { "digits", 48, 57, A, A, A },
  { "point", 46, 46, R, A, A },
  { "minus", 45, 45, R, R, A },
  { "backspace", 8, 8, A, A, A },
  { "tab", 9, 9, A, A, R },
  { "line feed", 10, 10, A, R, A },
  { "Return", 13, 13, A, R, A },
  { "control codes", 0, 7, A, R, R },
  { "control codes", 11, 12, A, R, R },
  { "control codes and escape", 14, 31, A, R, R },
  { "delete", 127, 127, A, R, A },
  { "space to comma", 32, 44, R, R, R },
  { "slash", 47, 47, R, R, R },
  { "colon to tilde, letters and e/E among them", 58, 126, R, R, R },
  { "beyond ASCII", 128, 0x2264, R, R, R },
};

Verdict Of(bool refused) { return refused ? R : A; }

TEST(KeystrokeFilters, EveryCodeOfEveryFamily) {
  for (const auto& rule : kRules)
    for (int code = rule.from; code <= rule.to; ++code) {
      const fw::String key = fw::Chr(code);
      EXPECT_EQ(Of(calculator::CountFilterRefuses(key)), rule.count) << rule.what << " " << code;
      EXPECT_EQ(Of(calculator::SalienceFilterRefuses(key)), rule.salience) << rule.what << " " << code;
      EXPECT_EQ(Of(calculator::LoadingFilterRefuses(key)), rule.loading) << rule.what << " " << code;
    }
}

}  // namespace
