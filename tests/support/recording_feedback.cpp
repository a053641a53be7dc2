#include "tests/support/recording_feedback.h"

#include <QPrinter>

#include "shell/framework/printing.h"

namespace testing_support {

std::unique_ptr<QPrinter> RecordingFeedback::ChoosePrinter() {
  ++printDialogs;
  if (pdfPath.empty())
    return nullptr;
  std::unique_ptr<QPrinter> printer = fw::NewPrinter();
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(pdfPath));
  printer->setPageSize(QPageSize(paper));
  printer->setPageOrientation(orientation);
  if (margins)
    printer->setPageMargins(*margins, QPageLayout::Point);
  if (!pages.isEmpty()) {
    printer->setPrintRange(QPrinter::PageRange);
    printer->setPageRanges(QPageRanges::fromString(pages));
  }
  return printer;
}

}  // namespace testing_support
