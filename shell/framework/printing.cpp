#include "shell/framework/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include "shell/framework/feedback.h"

namespace fw {
namespace {

constexpr double kPointsPerInch = 72.0;
// 3/8 inch all round: the widest margin that still leaves 540 points across an A4 page.
constexpr double kMarginPoints = 27.0;

// Sizes given in window pixels become the same number of points.
void PixelSizeToPoints(QTextCharFormat& format) {
  if (!format.hasProperty(QTextFormat::FontPixelSize))
    return;
  format.setFontPointSize(format.intProperty(QTextFormat::FontPixelSize));
  format.clearProperty(QTextFormat::FontPixelSize);
}

void PrintFontSizes(QTextDocument& text) {
  QFont font = text.defaultFont();
  if (font.pixelSize() > 0) {
    font.setPointSizeF(font.pixelSize());
    text.setDefaultFont(font);
  }
  QTextCursor cursor(&text);
  for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
    QTextCharFormat blockFormat = block.charFormat();
    PixelSizeToPoints(blockFormat);
    cursor.setPosition(block.position());
    cursor.setBlockCharFormat(blockFormat);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextCharFormat format = fragment.charFormat();
      PixelSizeToPoints(format);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
  }
}

}  // namespace

// ---- Graphics ---------------------------------------------------------------------------

Graphics::Graphics(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {
  m_printer->setPageMargins(QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints), QPageLayout::Point);
  m_painter.begin(m_printer.get());
}

Graphics::~Graphics() {
  if (m_painter.isActive())
    m_painter.end();
}

void Graphics::NextPage() { m_printer->newPage(); }

double Graphics::UnitsPerPointX() const { return m_printer->logicalDpiX() / kPointsPerInch; }
double Graphics::UnitsPerPointY() const { return m_printer->logicalDpiY() / kPointsPerInch; }

std::unique_ptr<Graphics> OpenPrinterDialog() {
  std::unique_ptr<QPrinter> printer = CurrentFeedback().ChoosePrinter();
  if (printer == nullptr)
    return nullptr;
  auto graphics = std::make_unique<Graphics>(std::move(printer));
  if (!graphics->IsActive()) {
    MsgBox("The printer could not start printing.");
    return nullptr;
  }
  return graphics;
}

// ---- StyledTextPrinter ------------------------------------------------------------------

StyledTextPrinter::StyledTextPrinter(Graphics& graphics, const QTextDocument& text, QColor textColour, double width)
    : m_graphics(&graphics), m_text(text.clone()), m_textColour(textColour) {
  // Laid out on the printer itself, so that the lines break where the printed glyphs need.
  m_text->setDefaultFont(text.defaultFont());
  m_text->setDefaultTextOption(text.defaultTextOption());
  m_text->documentLayout()->setPaintDevice(&graphics.Printer());
  m_text->setDocumentMargin(0);
  PrintFontSizes(*m_text);
  m_text->setTextWidth(width * graphics.UnitsPerPointX());
  m_text->documentLayout()->documentSize();  // finishes the layout

  for (QTextBlock block = m_text->begin(); block.isValid(); block = block.next()) {
    QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      const double top = layout->position().y() + line.y();
      m_lines.push_back(Line { layout, i, top, top + line.height() });
    }
  }
}

StyledTextPrinter::StyledTextPrinter(StyledTextPrinter&&) noexcept = default;
StyledTextPrinter& StyledTextPrinter::operator=(StyledTextPrinter&&) noexcept = default;
StyledTextPrinter::~StyledTextPrinter() = default;

void StyledTextPrinter::DrawBlock(double x, double y, double height) {
  if (Eof())
    return;
  const double limit = height * m_graphics->UnitsPerPointY();
  const double start = m_lines[m_next].top;
  std::size_t end = m_next + 1;
  while (end < m_lines.size() && m_lines[end].bottom - start <= limit)
    ++end;

  QPainter& painter = m_graphics->Painter();
  painter.save();
  painter.setPen(m_textColour);
  const QPointF origin(x * m_graphics->UnitsPerPointX(), y * m_graphics->UnitsPerPointY() - start);
  for (; m_next < end; ++m_next) {
    const Line& line = m_lines[m_next];
    line.layout->lineAt(line.index).draw(&painter, origin + line.layout->position());
  }
  painter.restore();
}

}  // namespace fw
