#pragma once

// Printing: the print dialog, the pages of a print job, and styled text cut into blocks that
// fit a page. Positions and sizes are in page units from the top-left corner of the page's
// printable area, the paper that the user chose less the margins of the dialog: that area is
// kPageWidth units across and kPageHeight units down on every paper, in either orientation, so
// a block of that size fills the page and all of it stands on the paper. Text keeps its size
// in points (1/72 inch), whatever the page: a window's pixel prints as one point, so text keeps
// on paper the proportions it has on screen, and a smaller page takes more, shorter lines.

#include <cstddef>
#include <memory>
#include <vector>

#include <QColor>
#include <QPageRanges>
#include <QPainter>

#include "shell/framework/text_functions.h"

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;
class QTextLayout;

namespace fw {

class PdfFile;

constexpr double kPageWidth = 540;
constexpr double kPageHeight = 720;

// A printer as the print dialog first shows it: at the printer's full resolution, with
// margins of 3/8 inch on every side, which the user may change.
std::unique_ptr<QPrinter> NewPrinter();

// The pages of one print job on the chosen printer. The first page is begun when the job
// starts; the job ends, and the printer gets what was drawn, when the Graphics is released.
// When the user chose a range of pages in the dialog, only those pages come out: the others
// are laid out as ever but draw nothing and take no paper. A job that the printer or the file
// could not take in full is reported in a message when it ends, so that no failed print passes
// for a printed one.
class Graphics final {
public:
  explicit Graphics(std::unique_ptr<QPrinter> printer);
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;
  ~Graphics();

  // False when the printer refused the job (an output file that cannot be opened, say).
  bool IsActive() const { return m_painter.isActive(); }
  void NextPage();
  // Whether the page being drawn comes out: it is in the range that the user chose.
  bool PageChosen() const { return m_chosenPages.isEmpty() || m_chosenPages.contains(m_page); }

  QPainter& Painter() { return m_painter; }
  // What the pages are drawn on: the printer, or for a PDF file the writer of that file.
  QPagedPaintDevice& Device() const;
  // Device units in one page unit, across and down.
  double DeviceUnitsPerPageUnitX() const;
  double DeviceUnitsPerPageUnitY() const;

private:
  std::unique_ptr<QPrinter> m_printer;
  std::unique_ptr<PdfFile> m_pdf;  // only when the job prints to a PDF file
  QPainter m_painter;
  String m_failure;           // why the job did not start or did not end well; empty while all is well
  QPageRanges m_chosenPages;  // empty: every page
  int m_page { 1 };
  bool m_sheetUsed { false };  // a chosen page stands on the sheet being printed
};

// Runs the print dialog for a job of that name, which the printer's queue shows and a PDF file
// bears as its title. The printer's Graphics, or nullptr when the user cancelled (nothing is
// said) or the printer could not start the job (a message says so).
std::unique_ptr<Graphics> OpenPrinterDialog(const String& jobName);

// Styled text laid out for a printer at a given width, handed out a block at a time. A block
// ends between two lines, never inside one, so no line is cut across two pages.
class StyledTextPrinter final {
public:
  // Copies the text, so that the field it comes from can change or go while it prints. The
  // width is in page units.
  StyledTextPrinter(Graphics& graphics, const QTextDocument& text, QColor textColour, double width);
  StyledTextPrinter(StyledTextPrinter&&) noexcept;
  StyledTextPrinter& operator=(StyledTextPrinter&&) noexcept;
  ~StyledTextPrinter();

  // True once every line has been drawn. (The name EOF is taken by the C library's macro.)
  bool Eof() const { return m_next == m_lines.size(); }
  // Draws, with its top-left corner at (x, y), as many of the next lines as fit in height; a
  // single line taller than height is drawn all the same, so that printing always moves on.
  // On a page outside the chosen range the lines are passed over without being drawn.
  void DrawBlock(double x, double y, double height);

private:
  struct Line final {
    QTextLayout* layout { nullptr };
    int index { 0 };
    double top { 0 };  // in device units, from the top of the text
    double bottom { 0 };
  };

  Graphics* m_graphics { nullptr };
  std::unique_ptr<QTextDocument> m_text;
  QColor m_textColour;
  std::vector<Line> m_lines;
  std::size_t m_next { 0 };
};

}  // namespace fw
