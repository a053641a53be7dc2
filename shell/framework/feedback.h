#pragma once

// What the program tells the user outside its windows: message boxes, the alert sound, the
// print dialog, and the cooperative yield. All of it goes through one seam, so that a test can
// put a recorder in place of the real Qt dialogs and sound and answer at once.

#include <memory>

#include "shell/framework/text_functions.h"

class QPrinter;

namespace fw {

class Feedback {
public:
  virtual ~Feedback() = default;
  // Shows the text modally; returns when the user has dismissed it.
  virtual void ShowMessage(const String& text) = 0;
  virtual void Beep() = 0;
  // Lets the event loop handle what is pending, but holds user input back, so that no key or
  // click can start another handler in the middle of a request.
  virtual void BackgroundTask() = 0;
  // The printer the user chose in the print dialog, which starts from NewPrinter's settings
  // (printing.h), or nothing when the dialog was cancelled.
  virtual std::unique_ptr<QPrinter> ChoosePrinter() = 0;
};

// Puts f in place of the real dialogs and sound until it is called again; nullptr goes back to
// them. The caller keeps f alive meanwhile.
void SetFeedback(Feedback* f);
Feedback& CurrentFeedback();

void MsgBox(const String& text);
void Beep();
void RuntimeBackgroundTask();

}  // namespace fw
