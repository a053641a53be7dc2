#pragma once

// Reads a printed PDF back with poppler's tools: the page count and title (pdfinfo), every printed line
// with its page and box in points (pdftotext -bbox-layout) and the fonts used (pdffonts).
// Tests that need them skip when the tools are missing.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace testing_support {

// The first of poppler's tools that is missing, or "" when all are there.
inline std::string MissingPdfTool() {
  for (const char* tool : { "pdfinfo", "pdftotext", "pdffonts" })
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
      return tool;
  return "";
}

inline QString RunTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished(-1);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The value of one line of pdfinfo, such as "Pages" or "Title"; empty when the file is no PDF
// or has no such entry.
inline QString PdfInfo(const std::string& path, const QString& key) {
  const QString info = RunTool(QStringLiteral("pdfinfo"), { QString::fromStdString(path) });
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^%1:\\h*(.*)$").arg(QRegularExpression::escape(key)),
                         QRegularExpression::MultilineOption)
          .match(info);
  return match.hasMatch() ? match.captured(1) : QString();
}

// The page count; 0 when the file is no PDF.
inline int PdfPageCount(const std::string& path) { return PdfInfo(path, QStringLiteral("Pages")).toInt(); }

// The title in the file's document information: a print job's name.
inline std::string PdfTitle(const std::string& path) { return PdfInfo(path, QStringLiteral("Title")).toStdString(); }

struct PdfLine final {
  int page { 0 };  // from 1
  double xMin { 0 };
  double yMin { 0 };
  double xMax { 0 };
  double yMax { 0 };
  QString text;  // its words, one blank between two that do not touch
};

// Every printed line of the file in reading order, its box in points from the page's top-left
// corner. The text is in compatibility form, so ligatures read as their letters. Words that
// touch are one (the reader parts a word where an invisible character stands in it).
inline std::vector<PdfLine> PdfLines(const std::string& path) {
  const QString html = RunTool(QStringLiteral("pdftotext"),
                               { QStringLiteral("-bbox-layout"), QString::fromStdString(path), QStringLiteral("-") });
  static const QRegularExpression element(QStringLiteral(
      "<(page|line|word)( xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*))?"));
  std::vector<PdfLine> lines;
  int page = 0;
  double wordEnd = 0;  // where the line's last word ends
  for (auto it = element.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QString kind = m.captured(1);
    if (kind == QStringLiteral("page")) {
      ++page;
    } else if (kind == QStringLiteral("line")) {
      lines.push_back(PdfLine { page, m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5).toDouble(),
                                m.captured(6).toDouble(), QString() });
    } else if (!lines.empty()) {
      PdfLine& line = lines.back();
      const double xMin = m.captured(3).toDouble();
      const bool touches = !line.text.isEmpty() && xMin - wordEnd < 0.01;
      wordEnd = m.captured(5).toDouble();
      QString word = m.captured(7);
      word.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
          .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
          .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
          .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
          .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
      line.text += (line.text.isEmpty() || touches ? QString() : QStringLiteral(" ")) +
                   word.normalized(QString::NormalizationForm_KC);
    }
  }
  return lines;
}

// The tops of the printed lines of each page (index 0 is page 1), top to bottom. Words that
// stand on one line but far apart are one line here, however the reader splits them.
inline std::vector<std::vector<double>> PdfLineTops(const std::vector<PdfLine>& lines) {
  std::vector<std::vector<double>> pages;
  for (const PdfLine& line : lines) {
    if (line.page > static_cast<int>(pages.size()))
      pages.resize(line.page);
    pages[line.page - 1].push_back(line.yMin);
  }
  for (auto& tops : pages) {
    std::sort(tops.begin(), tops.end());
    tops.erase(std::unique(tops.begin(), tops.end(), [](double a, double b) { return b - a < 0.5; }), tops.end());
  }
  return pages;
}

// pdffonts' table of the fonts in the file.
inline std::string PdfFonts(const std::string& path) {
  return RunTool(QStringLiteral("pdffonts"), { QString::fromStdString(path) }).toStdString();
}

}  // namespace testing_support

// Skips the test when poppler's tools are missing, saying which.
#define SKIP_WITHOUT_PDF_TOOLS()                                                 \
  if (const std::string tool = testing_support::MissingPdfTool(); !tool.empty()) \
  GTEST_SKIP() << "poppler's " << tool << " is not installed, so printed pages cannot be read back"
