#include "shell/framework/clipboard_text.h"

#include <memory>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

#include "shell/framework/x11_clipboard_targets.h"

namespace fw {
namespace {

// Qt's stand-in for data that another program holds, which it fetches from that program when
// asked, is a QInternalMimeData; what this program set is held as it was given.
bool HeldByAnotherProgram(const QMimeData& data) { return data.inherits("QInternalMimeData"); }

// What is known of another program's data: what the last paste found, and on X11 the owner's
// list of types. Other platforms have only the paste's finding: the program is made for X11,
// and elsewhere no way to learn the types without waiting has been tried.
class ClipboardWatch final : public QObject {
public:
  explicit ClipboardWatch(QClipboard& clipboard)
      : QObject(&clipboard), x11Targets(X11ClipboardTargets::ForThisApplication()) {
    connect(&clipboard, &QClipboard::dataChanged, this, [this] {
      foundNoText = false;
      if (x11Targets)
        x11Targets->OwnerChanged();
    });
  }

  bool foundNoText { false };
  const std::unique_ptr<X11ClipboardTargets> x11Targets;
};

// One per clipboard: a test program may make more than one Qt application in turn.
ClipboardWatch& Watch() {
  static QPointer<ClipboardWatch> watch;
  if (watch.isNull())
    watch = new ClipboardWatch(*QGuiApplication::clipboard());
  return *watch;
}

}  // namespace

void WatchClipboard() { (void)Watch(); }

bool ClipboardMayHoldText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr)
    return false;
  if (!HeldByAnotherProgram(*data))
    return data->hasText() && !data->text().isEmpty();
  ClipboardWatch& watch = Watch();
  return !watch.foundNoText && !(watch.x11Targets && watch.x11Targets->HoldsNoText());
}

void NotePasteFound(const QMimeData* source, bool text) {
  if (source != nullptr && source == QGuiApplication::clipboard()->mimeData() && HeldByAnotherProgram(*source))
    Watch().foundNoText = !text;
}

}  // namespace fw
