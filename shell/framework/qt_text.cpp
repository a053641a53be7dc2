#include "shell/framework/qt_text.h"

namespace fw {

QString WithLineEnds(QString text, QChar end) {
  text.replace(QStringLiteral("\r\n"), QString(end));
  for (const QChar lineEnd : { QChar('\r'), QChar('\n') })
    if (lineEnd != end)
      text.replace(lineEnd, end);
  return text;
}

String FieldTextFromQt(const QString& plain) {
  QString text = WithLineEnds(plain, QChar('\r'));
  text.replace(QChar::LineSeparator, QChar('\r'));
  text.replace(QChar::ParagraphSeparator, QChar('\r'));
  return FromQString(text);
}

QString FieldTextToQt(const String& text) { return WithLineEnds(ToQString(text), QChar('\n')); }

}  // namespace fw
