#pragma once

// Feedback for measuring: messages are counted, not shown; no sound; the print dialog is
// always cancelled; the yield is the program's own.

#include <QPrinter>

#include "shell/framework/feedback.h"

namespace bench {

class SilentFeedback final : public fw::Feedback {
public:
  SilentFeedback() : m_program(fw::CurrentFeedback()) { fw::SetFeedback(this); }
  ~SilentFeedback() override { fw::SetFeedback(nullptr); }

  void ShowMessage(const fw::String&) override { ++messages; }
  void Beep() override { }
  SilentFeedback(const SilentFeedback&) = delete;
  SilentFeedback& operator=(const SilentFeedback&) = delete;

  void BackgroundTask() override { m_program.BackgroundTask(); }
  std::unique_ptr<QPrinter> ChoosePrinter() override { return nullptr; }

  int messages { 0 };

private:
  fw::Feedback& m_program;
};

}  // namespace bench
