#pragma once

// Printing: the print dialog, the pages of a print job, and styled text cut into blocks that
// fit a page. Every position and size here is in points (1/72 inch) from the top-left corner
// of the page's printable area. The margins leave 558 by 738 points on US Letter and 541 by 788
// on A4, so a 540 point wide block of 720 points fits either. A window's pixel prints as one
// point, so text keeps on paper the proportions it has on screen.

#include <cstddef>
#include <memory>
#include <vector>

#include <QColor>
#include <QPainter>

class QPrinter;
class QTextDocument;
class QTextLayout;

namespace fw {

// The pages of one print job on the chosen printer. The first page is begun when the job
// starts; the job ends, and the printer gets what was drawn, when the Graphics is released.
class Graphics final {
public:
  explicit Graphics(std::unique_ptr<QPrinter> printer);
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;
  ~Graphics();

  // False when the printer refused the job (an output file that cannot be written, say).
  bool IsActive() const { return m_painter.isActive(); }
  void NextPage();

  QPainter& Painter() { return m_painter; }
  QPrinter& Printer() const { return *m_printer; }
  // Device units in one point, across and down.
  double UnitsPerPointX() const;
  double UnitsPerPointY() const;

private:
  std::unique_ptr<QPrinter> m_printer;
  QPainter m_painter;
};

// Runs the print dialog. The printer's Graphics, or nullptr when the user cancelled (nothing
// is said) or the printer could not start the job (a message says so).
std::unique_ptr<Graphics> OpenPrinterDialog();

// Styled text laid out for a printer at a given width, handed out a block at a time. A block
// ends between two lines, never inside one, so no line is cut across two pages.
class StyledTextPrinter final {
public:
  // Copies the text, so that the field it comes from can change or go while it prints.
  StyledTextPrinter(Graphics& graphics, const QTextDocument& text, QColor textColour, double width);
  StyledTextPrinter(StyledTextPrinter&&) noexcept;
  StyledTextPrinter& operator=(StyledTextPrinter&&) noexcept;
  ~StyledTextPrinter();

  // True once every line has been drawn. (The name EOF is taken by the C library's macro.)
  bool Eof() const { return m_next == m_lines.size(); }
  // Draws, with its top-left corner at (x, y), as many of the next lines as fit in height; a
  // single line taller than height is drawn all the same, so that printing always moves on.
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
