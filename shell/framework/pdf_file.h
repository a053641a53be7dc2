#pragma once

// The PDF file that a print job to a file writes. The pages go through a PDF writer into a
// file that this class opens and closes itself, so that a file that cannot be written in full
// (a full disk, /dev/full) is known: Qt's own PDF printer writes the same pages but says
// nothing when its writes fail.

#include <QFile>
#include <QPdfWriter>

class QPrinter;

namespace fw {

class PdfFile final {
public:
  // Opens the file that the printer prints to, for a writer set up as the printer is: paper,
  // orientation, margins, resolution, title and creator.
  explicit PdfFile(const QPrinter& printer);
  PdfFile(const PdfFile&) = delete;
  PdfFile& operator=(const PdfFile&) = delete;

  bool IsOpen() const { return m_file.isOpen(); }
  QString FileName() const { return m_file.fileName(); }
  // What draws the pages; a painter on it is ended before Close.
  QPdfWriter& Writer() { return m_writer; }
  // Writes out what is left and closes the file; false when any of it could not be written.
  bool Close();

private:
  QFile m_file;
  QPdfWriter m_writer;  // made after the file and gone before it
};

}  // namespace fw
