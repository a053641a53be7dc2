#include "shell/framework/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include "shell/framework/feedback.h"
#include "shell/framework/pdf_file.h"
#include "shell/framework/qt_text.h"
#include "shell/framework/runtime.h"

namespace fw {
namespace {

// 3/8 inch all round.
constexpr double kDefaultMarginPoints = 27.0;

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

String Quoted(const QString& name) { return "\"" + FromQString(name) + "\""; }

// The message of a job that did not print: its name, and why.
String NotPrinted(const QString& jobName, const String& failure) {
  return Quoted(jobName) + " was not printed: " + failure + ".";
}

}  // namespace

// ---- Graphics ---------------------------------------------------------------------------

std::unique_ptr<QPrinter> NewPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  const QMarginsF margins(kDefaultMarginPoints, kDefaultMarginPoints, kDefaultMarginPoints, kDefaultMarginPoints);
  printer->setPageMargins(margins, QPageLayout::Point);
  return printer;
}

Graphics::Graphics(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {
  if (m_printer->printRange() == QPrinter::PageRange)
    m_chosenPages = m_printer->pageRanges();
  m_sheetUsed = PageChosen();
  if (m_printer->outputFormat() != QPrinter::PdfFormat) {
    if (!m_painter.begin(m_printer.get()))
      m_failure = "the printer " + Quoted(m_printer->printerName()) + " could not start the job";
    return;
  }
  m_pdf = std::make_unique<PdfFile>(*m_printer);
  if (!m_pdf->IsOpen() || !m_painter.begin(&m_pdf->Writer()))
    m_failure = "the file " + Quoted(m_pdf->FileName()) + " could not be opened for writing";
}

// The printer says whether it took the job when the painter ends; a PDF file is known to be
// whole only once it is closed. A job that did not start or did not end well is reported here,
// the one place for both.
Graphics::~Graphics() {
  if (m_painter.isActive()) {
    const bool ended = m_painter.end();
    if (m_pdf != nullptr) {
      if (!m_pdf->Close())
        m_failure = "the file " + Quoted(m_pdf->FileName()) + " could not be written in full";
    } else if (!ended || m_printer->printerState() == QPrinter::Error) {
      m_failure = "the printer " + Quoted(m_printer->printerName()) + " reported an error";
    }
  }
  if (!m_failure.empty())
    MsgBox(NotPrinted(m_printer->docName(), m_failure));
}

QPagedPaintDevice& Graphics::Device() const {
  if (m_pdf != nullptr)
    return m_pdf->Writer();
  return *m_printer;
}

// A new sheet only between two chosen pages, so that pages left out leave no blank sheet.
void Graphics::NextPage() {
  ++m_page;
  if (!PageChosen())
    return;
  if (m_sheetUsed)
    Device().newPage();
  m_sheetUsed = true;
}

// The size of the device is that of the printable area, in device units.
double Graphics::DeviceUnitsPerPageUnitX() const { return Device().width() / kPageWidth; }
double Graphics::DeviceUnitsPerPageUnitY() const { return Device().height() / kPageHeight; }

std::unique_ptr<Graphics> OpenPrinterDialog(const String& jobName) {
  std::unique_ptr<QPrinter> printer = CurrentFeedback().ChoosePrinter();
  if (printer == nullptr)
    return nullptr;
  printer->setDocName(ToQString(jobName));
  printer->setCreator(ToQString(ProgramName()));
  auto graphics = std::make_unique<Graphics>(std::move(printer));
  if (!graphics->IsActive())
    return nullptr;  // released here, it says why
  return graphics;
}

// ---- StyledTextPrinter ------------------------------------------------------------------

StyledTextPrinter::StyledTextPrinter(Graphics& graphics, const QTextDocument& text, QColor textColour, double width)
    : m_graphics(&graphics), m_text(text.clone()), m_textColour(textColour) {
  // Laid out on the printer itself, so that the lines break where the printed glyphs need.
  m_text->setDefaultFont(text.defaultFont());
  m_text->setDefaultTextOption(text.defaultTextOption());
  m_text->documentLayout()->setPaintDevice(&graphics.Device());
  m_text->setDocumentMargin(0);
  PrintFontSizes(*m_text);
  m_text->setTextWidth(width * graphics.DeviceUnitsPerPageUnitX());
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
  const double limit = height * m_graphics->DeviceUnitsPerPageUnitY();
  const double start = m_lines[m_next].top;
  std::size_t end = m_next + 1;
  while (end < m_lines.size() && m_lines[end].bottom - start <= limit)
    ++end;
  if (!m_graphics->PageChosen()) {
    m_next = end;
    return;
  }

  QPainter& painter = m_graphics->Painter();
  painter.save();
  painter.setPen(m_textColour);
  const QPointF origin(x * m_graphics->DeviceUnitsPerPageUnitX(), y * m_graphics->DeviceUnitsPerPageUnitY() - start);
  for (; m_next < end; ++m_next) {
    const Line& line = m_lines[m_next];
    line.layout->lineAt(line.index).draw(&painter, origin + line.layout->position());
  }
  painter.restore();
}

}  // namespace fw
