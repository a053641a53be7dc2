#include "tests/support/recording_feedback.h"

#include <QPrinter>

namespace testing_support {

std::unique_ptr<QPrinter> RecordingFeedback::ChoosePrinter() {
  ++printDialogs;
  if (pdfPath.empty())
    return nullptr;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(pdfPath));
  return printer;
}

}  // namespace testing_support
