// The help window: its two fields as built, the bold opening run (again in a window built anew
// after a close), its Window menu, no number broken across lines at any width, and File > Print
// through the print dialog's seam on papers of several sizes in both orientations, with the
// printed PDF read back by poppler's tools, and to files that cannot be written.

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "shell/description_wnd_layout.h"
#include "shell/framework/text_area.h"
#include "shell/help_text.h"
#include "tests/gui/shell_fixture.h"
#include "tests/support/menu_choice.h"
#include "tests/support/pdf_reader.h"

namespace {

constexpr int kBoldRun = 29;
constexpr double kMargin = 27;  // the print dialog's margins on every side, in points

// The positions of the field's bold characters.
std::vector<int> BoldPositions(const fw::TextArea& field) {
  std::vector<int> bold;
  for (QTextBlock block = field.Edit().document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().fontWeight() >= QFont::Bold)
        for (int i = 0; i < it.fragment().length(); ++i)
          bold.push_back(it.fragment().position() + i);
  return bold;
}

// The positions of the help text's first characters but its line ends, which are no
// characters of a line and carry no format.
std::vector<int> OpeningRun() {
  std::vector<int> positions;
  for (int i = 0; i < kBoldRun; ++i)
    if (shell::HelpText()[i] != '\r')
      positions.push_back(i);
  return positions;
}

QString HelpText() { return QString::fromUtf8(shell::HelpText().data(), shell::HelpText().size()); }

// The text's characters without its blanks and line ends, in the compatibility form that the
// PDF reader gives: what printing must neither lose, repeat nor reorder.
QString Printable(const QString& text) {
  return text.normalized(QString::NormalizationForm_KC).remove(QRegularExpression(QStringLiteral("\\s")));
}

// The text's letters and digits, in the compatibility form that the PDF reader gives.
QString LettersAndDigits(const QString& text) {
  return text.normalized(QString::NormalizationForm_KC).remove(QRegularExpression(QStringLiteral("[^\\p{L}\\p{N}]")));
}

// How many characters of wanted stand in text in their order, others between them allowed.
qsizetype FoundInOrder(const QString& text, const QString& wanted) {
  qsizetype found = 0;
  for (const QChar c : text)
    if (found < wanted.size() && c == wanted[found])
      ++found;
  return found;
}

// How many numbers that begin with their point (".30", "+.90", "\u00B1.40") the text holds whole.
qsizetype NumbersFromTheirPoint(const QString& text) {
  static const QRegularExpression number(QStringLiteral("(?<![\\d.])\\.\\d"));
  qsizetype n = 0;
  for (auto it = number.globalMatch(text); it.hasNext(); it.next())
    ++n;
  return n;
}

// The empty lines of the help text, which print as lines without a word.
int EmptyLines() { return static_cast<int>(HelpText().split(QLatin1Char('\r')).count(QString())); }

// The Alignment code in the set that the window builds the field of that name from.
std::int32_t AlignmentInTheSet(const std::string& name) {
  for (const fw::ControlRecord& record : DescriptionWnd::DescriptionWndControls())
    if (fw::NameOf(record) == name)
      for (const fw::PropertyEntry& entry : fw::ReadPropertySet(fw::SetOf(record)))
        if (entry.key == "Alignment")
          return fw::AsInt32(entry.value);
  return -1;
}

class DescriptionWndTest : public testing_support::ShellTest {
protected:
  fw::TextArea& Field(const char* name) { return fw::ControlAs<fw::TextArea>(DescriptionWnd::DescriptionWnd(), name); }
  std::string PdfPath() const { return QDir(folder.path()).filePath(QStringLiteral("help.pdf")).toStdString(); }

  QTemporaryDir folder;
};

TEST_F(DescriptionWndTest, TheHelpTextStandsReadOnlyInFrontOfAnEmptyField) {
  auto& help = DescriptionWnd::DescriptionWnd();
  EXPECT_EQ(help.TopLevel().windowTitle(), QStringLiteral("Description"));
  EXPECT_EQ(help.Content().size(), QSize(427, 491));
  EXPECT_EQ(help.GetMenuBar(), &Menu::Menu());
  ASSERT_EQ(help.Controls().size(), 2u);
  EXPECT_EQ(help.Controls()[0]->Name(), "DescribeFld");
  EXPECT_EQ(help.Controls()[1]->Name(), "DescribeFld2");

  struct Expected {
    const char* name;
    QRect geometry;
    int pixelSize;
    std::int32_t alignment;  // the set's code: 0 and 1 both lay the text out from the left
    std::string text;
  };
  for (const Expected& e :
       { Expected { "DescribeFld", QRect(1, -1, 427, 478), 10, 0, "\r" },
         Expected { "DescribeFld2", QRect(-1, -1, 429, 476), 11, 1, std::string(shell::HelpText()) } }) {
    const fw::TextArea& field = Field(e.name);
    EXPECT_EQ(field.Widget().geometry(), e.geometry) << e.name;
    EXPECT_EQ(AlignmentInTheSet(e.name), e.alignment) << e.name;
    EXPECT_EQ(field.Edit().document()->defaultTextOption().alignment(), Qt::AlignLeft) << e.name;
    EXPECT_EQ(field.Edit().document()->defaultFont().pixelSize(), e.pixelSize) << e.name;
    EXPECT_EQ(field.Text(), e.text) << e.name;
    EXPECT_TRUE(field.Edit().isReadOnly()) << e.name;
    EXPECT_EQ(field.Edit().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << e.name;
    EXPECT_EQ(field.Edit().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << e.name;
  }
  const QWidget* front = help.Content().childAt(200, 200);
  EXPECT_TRUE(front != nullptr && Field("DescribeFld2").Widget().isAncestorOf(front));
}

TEST_F(DescriptionWndTest, TheFirst29CharactersAreBoldInEveryNewHelpWindow) {
  for (const char* build : { "first", "after a close" }) {
    auto& help = DescriptionWnd::DescriptionWnd();
    EXPECT_EQ(BoldPositions(Field("DescribeFld2")), OpeningRun()) << build;
    EXPECT_EQ(Field("DescribeFld2").Edit().document()->defaultFont().weight(), QFont::Normal) << build;
    help.Close();
    ASSERT_EQ(Registered<class DescriptionWnd::DescriptionWnd>(), nullptr);
  }
}

TEST_F(DescriptionWndTest, TheWindowMenuBringsUpTheOtherWindowsAndLeavesTheHelpWindowOpen) {
  auto& help = DescriptionWnd::DescriptionWnd();
  for (const char* item : { "ControlMenuItem", "AboutMenuItem", "Print" })
    EXPECT_TRUE(testing_support::ShownEnabled(help, item)) << item;

  testing_support::ChooseFromMenuBar(help, "ControlMenuItem");
  EXPECT_TRUE(Shown<class ControlWnd::ControlWnd>());
  testing_support::ChooseFromMenuBar(help, "AboutMenuItem");
  EXPECT_TRUE(Shown<class AboutWnd::AboutWnd>());
  EXPECT_EQ(Registered<class DescriptionWnd::DescriptionWnd>(), &help);
  EXPECT_TRUE(help.IsVisible());

  EXPECT_FALSE(help._ControlMenuItem_Action());
  EXPECT_FALSE(help._AboutMenuItem_Action());
}

// The field's text as its lines stand in the window, each ended by a line feed, without the
// invisible joiners that keep numbers whole.
QString ShownLines(const fw::TextArea& field) {
  QTextDocument& document = *field.Edit().document();
  QString shown;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    document.documentLayout()->blockBoundingRect(block);  // lays the block out
    for (int i = 0; i < block.layout()->lineCount(); ++i) {
      const QTextLine line = block.layout()->lineAt(i);
      shown += block.text().mid(line.textStart(), line.textLength()) + QLatin1Char('\n');
    }
  }
  return shown.remove(QChar(0x2060));
}

TEST_F(DescriptionWndTest, NoLineOfTheHelpTextEndsInsideANumberHoweverWideTheWindow) {
  auto& help = DescriptionWnd::DescriptionWnd();
  const fw::TextArea& field = Field("DescribeFld2");
  for (int width = 200; width <= 600; width += 4) {
    help.TopLevel().resize(width, 491);
    ASSERT_EQ(field.Widget().width(), width + 2);  // the field follows the window's edges
    const QString shown = ShownLines(field);
    EXPECT_EQ(NumbersFromTheirPoint(shown), NumbersFromTheirPoint(HelpText())) << "at a width of " << width;
    EXPECT_EQ(Printable(shown).toStdString(), Printable(HelpText()).toStdString());
  }
}

// Both fields are locked at all four edges: they grow and shrink with the window, across and
// down.
TEST_F(DescriptionWndTest, TheFieldsFollowEveryEdgeOfTheWindow) {
  auto& help = DescriptionWnd::DescriptionWnd();
  const QSize built = help.TopLevel().size();
  for (const QSize grown : { QSize(73, 109), QSize(-120, -200), QSize(0, 50) }) {
    help.TopLevel().resize(built + grown);
    ASSERT_EQ(help.Content().size(), QSize(427, 491) + grown);
    EXPECT_EQ(Field("DescribeFld").Widget().geometry(), QRect(1, -1, 427 + grown.width(), 478 + grown.height()));
    EXPECT_EQ(Field("DescribeFld2").Widget().geometry(), QRect(-1, -1, 429 + grown.width(), 476 + grown.height()));
  }
}

// A paper the user can pick in the print dialog.
struct Paper {
  const char* name;
  QPageSize::PageSizeId size;
  QPageLayout::Orientation orientation;
  int pages;  // how many pages the help text takes on it, or 0 where that is not fixed
};

void PrintTo(const Paper& paper, std::ostream* out) { *out << paper.name; }

const Paper kPapers[] = {
  { "A4", QPageSize::A4, QPageLayout::Portrait, 4 },
  { "A4landscape", QPageSize::A4, QPageLayout::Landscape, 0 },
  { "Letter", QPageSize::Letter, QPageLayout::Portrait, 4 },
  { "Letterlandscape", QPageSize::Letter, QPageLayout::Landscape, 0 },
  { "A5", QPageSize::A5, QPageLayout::Portrait, 0 },
  { "A3", QPageSize::A3, QPageLayout::Portrait, 0 },
};

class HelpPrintingTest : public DescriptionWndTest, public testing::WithParamInterface<Paper> { };

TEST_P(HelpPrintingTest, TheWholeHelpTextPrintsInWholeLinesWithinThePrintableArea) {
  SKIP_WITHOUT_PDF_TOOLS();
  const Paper& paper = GetParam();
  feedback.pdfPath = PdfPath();
  feedback.paper = paper.size;
  feedback.orientation = paper.orientation;
  auto& help = DescriptionWnd::DescriptionWnd();
  testing_support::ChooseFromMenuBar(help, "Print");

  const int pages = testing_support::PdfPageCount(feedback.pdfPath);
  EXPECT_GT(pages, 1);
  if (paper.pages > 0) {
    EXPECT_EQ(pages, paper.pages);
  }
  EXPECT_EQ(feedback.yields, pages);  // one yield per page
  EXPECT_TRUE(feedback.messages.empty());
  EXPECT_EQ(testing_support::PdfTitle(feedback.pdfPath), "Quillon - Description");

  const auto lines = testing_support::PdfLines(feedback.pdfPath);
  QString printed;
  for (const auto& line : lines)
    printed += line.text + QLatin1Char('\n');
  // Neither a letter nor a digit lost, added or out of order, and no other character either.
  const QString wanted = LettersAndDigits(HelpText());
  EXPECT_EQ(LettersAndDigits(printed).size(), wanted.size()) << "letters and digits printed";
  EXPECT_EQ(FoundInOrder(LettersAndDigits(printed), wanted), wanted.size()) << "letters and digits found in order";
  EXPECT_EQ(Printable(printed).toStdString(), Printable(HelpText()).toStdString());
  EXPECT_EQ(NumbersFromTheirPoint(printed), NumbersFromTheirPoint(HelpText()));

  // The printable area: the paper less the margins that the dialog starts with.
  const QRectF area =
      QPageLayout(QPageSize(paper.size), paper.orientation, QMarginsF(kMargin, kMargin, kMargin, kMargin))
          .paintRect(QPageLayout::Point);
  for (const auto& line : lines) {
    EXPECT_GE(line.xMin, area.left() - 0.5) << "page " << line.page << ": " << line.text.toStdString();
    EXPECT_LE(line.xMax, area.right() + 0.5) << "page " << line.page << ": " << line.text.toStdString();
    EXPECT_GE(line.yMin, area.top() - 0.5) << "page " << line.page << ": " << line.text.toStdString();
    EXPECT_LE(line.yMax, area.bottom() + 1) << "page " << line.page << ": " << line.text.toStdString();
  }

  // Every line of the help text is as tall as the next, so a page holds as many lines as fit
  // in its printable area, and the pages are as many as such blocks it takes to hold every
  // line, the empty ones included.
  const auto tops = testing_support::PdfLineTops(lines);
  ASSERT_EQ(static_cast<int>(tops.size()), pages);
  double pitch = area.height();
  int printedLines = 0;
  for (const auto& page : tops) {
    printedLines += static_cast<int>(page.size());
    for (std::size_t i = 1; i < page.size(); ++i)
      pitch = std::min(pitch, page[i] - page[i - 1]);
  }
  const int perBlock = static_cast<int>(area.height() / pitch);
  const int allLines = printedLines + EmptyLines();
  EXPECT_EQ(pages, (allLines + perBlock - 1) / perBlock) << allLines << " lines, " << perBlock << " to a page";

  const std::string fonts = testing_support::PdfFonts(feedback.pdfPath);
  EXPECT_NE(fonts.find("Bold"), std::string::npos) << fonts;      // the opening run
  EXPECT_EQ(BoldPositions(Field("DescribeFld2")), OpeningRun());  // the field as it was
}

INSTANTIATE_TEST_SUITE_P(Papers, HelpPrintingTest, testing::ValuesIn(kPapers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DescriptionWndTest, ACancelledDialogPrintsNothingAndAShortTextPrintsOnePage) {
  SKIP_WITHOUT_PDF_TOOLS();
  struct Case {
    const char* what;
    bool cancel;
    int pages;
  };
  auto& help = DescriptionWnd::DescriptionWnd();
  Field("DescribeFld2").SetText("Quillon\rA short text.");
  for (const Case& c : { Case { "cancelled", true, 0 }, Case { "short", false, 1 } }) {
    feedback.pdfPath = c.cancel ? "" : PdfPath();
    feedback.yields = 0;
    testing_support::ChooseFromMenuBar(help, "Print");
    EXPECT_EQ(testing_support::PdfPageCount(PdfPath()), c.pages) << c.what;
    EXPECT_EQ(feedback.yields, c.pages) << c.what;
    EXPECT_TRUE(feedback.messages.empty()) << c.what;
  }
  EXPECT_EQ(feedback.printDialogs, 2);
  EXPECT_FALSE(help._Print_Action());
}

TEST_F(DescriptionWndTest, APrintThatCannotBeWrittenSaysSoAndWhy) {
  struct Case {
    const char* file;
    int yields;  // the pages laid out before the failure shows
    const char* why;
  };
  auto& help = DescriptionWnd::DescriptionWnd();
  for (const Case& c : { Case { "/no/such/folder/help.pdf", 0, "could not be opened for writing" },
                         Case { "/dev/full", 4, "could not be written in full" } }) {
    if (std::string_view(c.file) == "/dev/full" && !QFile::exists(QStringLiteral("/dev/full")))
      continue;  // not on this system
    feedback.pdfPath = c.file;
    feedback.yields = 0;
    feedback.messages.clear();
    testing_support::ChooseFromMenuBar(help, "Print");
    EXPECT_EQ(feedback.yields, c.yields) << c.file;
    EXPECT_EQ(feedback.messages, std::vector<fw::String> { "\"Quillon - Description\" was not printed: the file \"" +
                                                           std::string(c.file) + "\" " + c.why + "." })
        << c.file;
  }
  EXPECT_FALSE(QFile::exists(QStringLiteral("/no/such/folder/help.pdf")));
}

}  // namespace
