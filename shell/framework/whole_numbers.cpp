#include "shell/framework/whole_numbers.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace fw {
namespace {

constexpr QChar kWordJoiner { 0x2060 };

bool BeginsNumber(const QString& text, qsizetype i) {
  return text[i] == QLatin1Char('.') && i + 1 < text.size() && text[i + 1].isDigit() &&
         (i == 0 || !text[i - 1].isDigit());
}

}  // namespace

void JoinNumbers(QTextDocument& document) {
  QTextCursor cursor(&document);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    // From the end of the block, so that each joiner leaves the positions before it as they were.
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
      if (BeginsNumber(text, i)) {
        cursor.setPosition(block.position() + static_cast<int>(i) + 1);
        cursor.insertText(QString(kWordJoiner));
      }
    }
  }
}

void UnjoinNumbers(QTextDocument& document) {
  QTextCursor cursor(&document);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
      if (text[i] == kWordJoiner) {
        cursor.setPosition(block.position() + static_cast<int>(i));
        cursor.deleteChar();
      }
    }
  }
}

QString WithoutJoiners(QString text) { return text.remove(kWordJoiner); }

int DocumentPosition(const QTextDocument& document, int position) {
  int at = 0;
  for (int passed = 0; passed < position; ++at)
    if (document.characterAt(at) != kWordJoiner)
      ++passed;
  return at;
}

}  // namespace fw
