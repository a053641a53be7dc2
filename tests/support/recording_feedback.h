#pragma once

// A stand-in for the real dialogs and sound: it records every message, beep and yield, and
// answers the print dialog with a PDF printer (or as cancelled). While one lives, it is the
// program's feedback.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QPageLayout>
#include <QPageSize>
#include <QString>

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
  // What the user picks in the dialog: the paper, its orientation, margins in points (none:
  // the dialog's first ones) and a range of pages such as "2-3" (empty: all pages).
  QPageSize::PageSizeId paper { QPageSize::A4 };
  QPageLayout::Orientation orientation { QPageLayout::Portrait };
  std::optional<QMarginsF> margins;
  QString pages;
  int printDialogs { 0 };
};

}  // namespace testing_support
