#pragma once

// A stand-in for the real dialogs and sound: it records every message, beep and yield, and
// answers the print dialog with a PDF printer (or as cancelled). While one lives, it is the
// program's feedback.

#include <memory>
#include <string>
#include <vector>

#include "shell/framework/feedback.h"

namespace testing_support {

class RecordingFeedback final : public fw::Feedback {
public:
  RecordingFeedback() { fw::SetFeedback(this); }
  ~RecordingFeedback() override { fw::SetFeedback(nullptr); }

  void ShowMessage(const fw::String& text) override { messages.push_back(text); }
  void Beep() override { ++beeps; }
  void BackgroundTask() override { ++yields; }
  std::unique_ptr<QPrinter> ChoosePrinter() override;

  std::vector<fw::String> messages;
  int beeps { 0 };
  int yields { 0 };
  // Where the print dialog's answer prints to; empty: the user cancels.
  std::string pdfPath;
  int printDialogs { 0 };
};

}  // namespace testing_support
