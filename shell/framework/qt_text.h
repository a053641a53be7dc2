#pragma once

// Conversions between the layer's Strings (UTF-8, lines separated by CR) and Qt's texts.

#include <QString>

#include "shell/framework/text_functions.h"

namespace fw {

inline QString ToQString(const String& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline String FromQString(const QString& s) { return s.toStdString(); }

// Every line end of text, whatever the source used (CRLF, a lone CR or LF), as the one
// character end.
QString WithLineEnds(QString text, QChar end);

// A field's lines as the layer gives them: separated by CR, whatever the widget holds. Qt
// separates paragraphs with LF and soft line breaks with U+2028; pasted CRLF and LF columns
// so read the same as typed ones.
String FieldTextFromQt(const QString& plain);
// CR-separated lines (LF and CRLF are taken as line ends too) as the widget's plain text.
QString FieldTextToQt(const String& text);

}  // namespace fw
