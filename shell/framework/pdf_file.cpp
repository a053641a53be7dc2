#include "shell/framework/pdf_file.h"

#include <QPrinter>

namespace fw {

PdfFile::PdfFile(const QPrinter& printer) : m_file(printer.outputFileName()), m_writer(&m_file) {
  m_writer.setPageLayout(printer.pageLayout());
  m_writer.setResolution(printer.resolution());
  m_writer.setPdfVersion(printer.pdfVersion());
  m_writer.setTitle(printer.docName());
  m_writer.setCreator(printer.creator());
  // The writer does not open the file it is given; the file stays open until Close.
  (void)m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

// A failed write leaves its error on the file until the file is closed well, so the error is
// read before the last flush and again after the close.
bool PdfFile::Close() {
  if (!m_file.isOpen())
    return false;
  const bool written = m_file.error() == QFileDevice::NoError && m_file.flush();
  m_file.close();
  return written && m_file.error() == QFileDevice::NoError;
}

}  // namespace fw
