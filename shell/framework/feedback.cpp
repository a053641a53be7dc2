#include "shell/framework/feedback.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrintDialog>
#include <QPrinter>

#include "shell/framework/message_box.h"

namespace fw {
namespace {

class QtFeedback final : public Feedback {
public:
  void ShowMessage(const String& text) override { MessageBox::Run(text); }

  void Beep() override { QApplication::beep(); }

  // A long request calls this once per loop pass, hundreds of times a press; the event loop
  // gets its turn when a few milliseconds have passed since the last one, which keeps the
  // windows painted and the timer firing without spending the request's time in the loop.
  void BackgroundTask() override {
    if (m_sinceLastTurn.isValid() && m_sinceLastTurn.elapsed() < kTurnEveryMs)
      return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sinceLastTurn.start();
  }

  std::unique_ptr<QPrinter> ChoosePrinter() override {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get());
    if (dialog.exec() != QDialog::Accepted)
      return nullptr;
    return printer;
  }

private:
  static constexpr qint64 kTurnEveryMs = 10;
  QElapsedTimer m_sinceLastTurn;
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
