#include "shell/framework/qt_text.h"

namespace fw {

String FieldTextFromQt(const QString& plain) {
  QString text = plain;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  text.replace(QChar::LineSeparator, QChar('\r'));
  text.replace(QChar::ParagraphSeparator, QChar('\r'));
  text.replace(QChar('\n'), QChar('\r'));
  return FromQString(text);
}

QString FieldTextToQt(const String& text) {
  QString qt = ToQString(text);
  qt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  qt.replace(QChar('\r'), QChar('\n'));
  return qt;
}

}  // namespace fw
