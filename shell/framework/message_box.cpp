#include "shell/framework/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>

#include "shell/framework/qt_text.h"

namespace fw {
namespace {

class CopyableMessageBox final : public QMessageBox {
public:
  CopyableMessageBox(const QString& title, const QString& text) {
    setIcon(QMessageBox::Warning);
    setWindowTitle(title);
    setText(text);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setStandardButtons(QMessageBox::Ok);
    setDefaultButton(QMessageBox::Ok);
    setEscapeButton(QMessageBox::Ok);
  }

protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Copy)) {
      QApplication::clipboard()->setText(text());
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
};

}  // namespace

void MessageBox::Run(const String& title, const String& text) {
  CopyableMessageBox box(ToQString(title), ToQString(text));
  box.exec();
}

}  // namespace fw
