#include "shell/framework/feedback.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "shell/framework/message_box.h"
#include "shell/framework/printing.h"
#include "shell/framework/runtime.h"

namespace fw {
namespace {

class QtFeedback final : public Feedback {
public:
  // The boxes bear the program's name.
  void ShowMessage(const String& text) override { MessageBox::Run(ProgramName(), text); }

  void Beep() override { QApplication::beep(); }

  void BackgroundTask() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

  std::unique_ptr<QPrinter> ChoosePrinter() override {
    std::unique_ptr<QPrinter> printer = NewPrinter();
    // The range of pages that the dialog offers is honoured by Graphics.
    QPrintDialog dialog(printer.get());
    if (dialog.exec() != QDialog::Accepted)
      return nullptr;
    return printer;
  }
};

Feedback* g_feedback = nullptr;

}  // namespace

void SetFeedback(Feedback* f) { g_feedback = f; }

Feedback& CurrentFeedback() {
  static QtFeedback qt;
  return g_feedback != nullptr ? *g_feedback : qt;
}

void MsgBox(const String& text) { CurrentFeedback().ShowMessage(text); }
void Beep() { CurrentFeedback().Beep(); }
void RuntimeBackgroundTask() { CurrentFeedback().BackgroundTask(); }

}  // namespace fw
