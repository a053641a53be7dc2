#pragma once

// Qt's line breaking takes the point of a number that begins with it (".30", "-.10", "±.40") for
// the end of a word and may break the line after it, leaving the digits to start the next line.
// A read-only field keeps such numbers whole with a word joiner (U+2060) after the point, which
// forbids the break and shows nothing, on screen and in print. The joiners belong to the widget
// only: a field's Text, its positions and what is copied from it know nothing of them.

#include <QString>

class QTextDocument;

namespace fw {

// Puts a joiner after every point that begins a number, or takes every joiner out. Both work
// in place, so that every other character keeps its format.
void JoinNumbers(QTextDocument& document);
void UnjoinNumbers(QTextDocument& document);

QString WithoutJoiners(QString text);

// Where the character at position in the text without joiners stands in the document.
int DocumentPosition(const QTextDocument& document, int position);

}  // namespace fw
