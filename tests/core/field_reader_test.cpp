#include "calculator/field_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace calculator {
namespace {

class FieldReaderTest : public testing::TestWithParam<std::string> { };

// Reading field after field must give exactly the fields NthField finds from the start,
// empty ones and those past the end included.
TEST_P(FieldReaderTest, GivesWhatNthFieldGivesForEachFieldInTurn) {
  const std::string& text = GetParam();
  const std::string tab = "\t";
  FieldReader reader(text, tab);
  for (std::int32_t i = 1; i <= 8; ++i) {
    EXPECT_EQ(reader.Next(), fw::NthField(text, tab, i)) << "field " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, FieldReaderTest,
                         testing::Values("", "\t", "\t\t", ".5", ".5\t", "\t.5", ".5\t-.25\t\t1.5", ".5\t\n.4\t\t",
                                         "\xC3\xA9\t\xE2\x82\xAC\t.3"));

}  // namespace
}  // namespace calculator
