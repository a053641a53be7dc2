#include "shell/framework/clipboard_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

namespace fw {
namespace {

// Qt's stand-in for data that another program holds, which it fetches from that program when
// asked, is a QInternalMimeData; what this program set is held as it was given.
bool HeldByAnotherProgram(const QMimeData& data) { return data.inherits("QInternalMimeData"); }

// What the last paste found in another program's data, forgotten when the clipboard changes.
class PasteFinding final : public QObject {
public:
  explicit PasteFinding(QClipboard& clipboard) : QObject(&clipboard) {
    connect(&clipboard, &QClipboard::dataChanged, this, [this] { foundNoText = false; });
  }

  bool foundNoText { false };
};

// One per clipboard: a test program may make more than one Qt application in turn.
PasteFinding& Finding() {
  static QPointer<PasteFinding> finding;
  if (finding.isNull())
    finding = new PasteFinding(*QGuiApplication::clipboard());
  return *finding;
}

}  // namespace

bool ClipboardMayHoldText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr)
    return false;
  if (!HeldByAnotherProgram(*data))
    return data->hasText() && !data->text().isEmpty();
  return !Finding().foundNoText;
}

void NotePasteFound(const QMimeData* source, bool text) {
  if (source != nullptr && source == QGuiApplication::clipboard()->mimeData() && HeldByAnotherProgram(*source))
    Finding().foundNoText = !text;
}

}  // namespace fw
