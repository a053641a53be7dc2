#include "shell/framework/line_wrap.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace fw {
namespace {

// Whether a block from the one that holds position `from` to the one that holds `to` has a run
// of more than kLongestWord characters with no blank or tab.
bool HoldsALongRun(const QTextDocument& document, int from, int to) {
  for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to; block = block.next()) {
    int run = 0;
    for (const QChar c : block.text()) {
      run = c == u' ' || c == u'\t' ? 0 : run + 1;
      if (run > kLongestWord)
        return true;
    }
  }
  return false;
}

}  // namespace

// The document reports a change before it lays the changed text out, so the new wrap applies
// to that layout already.
void WrapLinesCheaply(QTextEdit& edit) {
  QTextDocument* document = edit.document();
  QObject::connect(document, &QTextDocument::contentsChange, &edit, [&edit, document](int from, int, int added) {
    const bool wholeText = from == 0 && added >= document->characterCount() - 1;
    if (edit.wordWrapMode() == QTextOption::WrapAnywhere && !wholeText)
      return;  // until a whole new text
    const QTextOption::WrapMode wanted = HoldsALongRun(*document, from, from + added)
                                             ? QTextOption::WrapAnywhere
                                             : QTextOption::WrapAtWordBoundaryOrAnywhere;
    edit.setWordWrapMode(wanted);
  });
}

}  // namespace fw
