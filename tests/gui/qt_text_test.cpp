// Line ends between the layer's texts and Qt's: every CRLF, lone CR and LF is one line end, and
// a field's text reads back with CRs whatever the widget holds.

#include <gtest/gtest.h>

#include "shell/framework/qt_text.h"

namespace {

TEST(QtTextTest, EachLineEndBecomesOneOfTheGivenCharacter) {
  const struct {
    const char* text;
    const char* withCr;
  } cases[] = {
    { "", "" },
    { "a", "a" },
    { "a\r\nb\rc\nd", "a\rb\rc\rd" },
    { "\r\r\n\n\r", "\r\r\r\r" },  // CR then CRLF: two ends; LF then CR: two
    { "\r\n\r\n", "\r\r" },
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf8(c.text);
    const QString withCr = QString::fromUtf8(c.withCr);
    QString withLf = withCr;
    withLf.replace(QChar('\r'), QChar('\n'));
    EXPECT_EQ(fw::WithLineEnds(text, QChar('\r')), withCr) << c.text;
    EXPECT_EQ(fw::WithLineEnds(text, QChar('\n')), withLf) << c.text;
    EXPECT_EQ(fw::FieldTextToQt(c.text), withLf) << c.text;
    EXPECT_EQ(fw::FieldTextFromQt(text), c.withCr) << c.text;
  }
  // Qt's own soft and paragraph breaks read as line ends too.
  EXPECT_EQ(fw::FieldTextFromQt(QStringLiteral("a\u2028b\u2029c")), "a\rb\rc");
}

}  // namespace
