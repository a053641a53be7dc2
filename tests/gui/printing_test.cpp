// Printing styled text: the print dialog's answers, a job that cannot be written said so, the
// job's name as the PDF's title, and text printed to a PDF in page units (the printable area of
// any paper is 540 by 720 of them), read back with poppler's tools: how many pages, where each
// line stands, that every line is printed once, whole, in order, within the paper and the
// margins the user chose, and only the pages the user chose.

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "shell/framework/control_builder.h"
#include "shell/framework/printing.h"
#include "shell/framework/text_area.h"
#include "shell/framework/window.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/recording_feedback.h"

namespace {

constexpr double kMargin = 27;  // the print dialog's first margins on every side, in points
constexpr const char* kJobName = "Numbered lines";

class PrintWnd final : public fw::Window {
public:
  static constexpr std::string_view kClassFullName = "PrintWnd.PrintWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }

protected:
  void CreateControls() override {
    fw::TextAreaProperties p;
    p.place = { "Field", 0, 0, 400, 400, true, 0 };
    p.TextFont = "Times";
    p.ReadOnly = true;
    fw::BuildControl(*this, fw::ControlRecord { p, 11 });
  }
};

// One text line a line, "Line 1" to "Line count".
std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i)
    text += (i > 1 ? "\r" : "") + ("Line " + std::to_string(i));
  return text;
}

class PrintingTest : public testing::Test {
protected:
  void SetUp() override {
    feedback.pdfPath = QDir(folder.path()).filePath(QStringLiteral("printed.pdf")).toStdString();
  }
  void TearDown() override { fw::ReleaseImplicitWindows(); }

  fw::TextArea& Field() { return fw::ControlAs<fw::TextArea>(fw::ImplicitWindow<PrintWnd>(), "Field"); }

  // Prints the field one block to a page, as the help window does, with a block width and
  // height in page units; the number of blocks.
  int Print(double width = fw::kPageWidth, double blockHeight = fw::kPageHeight) {
    std::unique_ptr<fw::Graphics> graphics = fw::OpenPrinterDialog(kJobName);
    EXPECT_NE(graphics, nullptr);
    if (graphics == nullptr)
      return 0;
    const int blocks = DrawBlocks(*graphics, width, blockHeight);
    graphics.reset();  // ends the job
    EXPECT_EQ(feedback.messages, std::vector<fw::String>());
    return blocks;
  }

  int DrawBlocks(fw::Graphics& graphics, double width, double blockHeight) {
    fw::StyledTextPrinter text = Field().styledTextPrinter(graphics, width);
    int blocks = 0;
    while (!text.Eof()) {
      text.DrawBlock(0, 0, blockHeight);
      ++blocks;
      if (!text.Eof())
        graphics.NextPage();
    }
    return blocks;
  }

  // The printable area of the paper the user chose, in points from the page's corner.
  QRectF PrintableArea() const {
    const QMarginsF margins = feedback.margins.value_or(QMarginsF(kMargin, kMargin, kMargin, kMargin));
    return QPageLayout(QPageSize(feedback.paper), feedback.orientation, margins).paintRect(QPageLayout::Point);
  }

  QTemporaryDir folder;
  testing_support::RecordingFeedback feedback;
};

// A paper with its margins, and a block in page units.
struct Layout {
  const char* name;
  QPageSize::PageSizeId paper;
  QPageLayout::Orientation orientation;
  double margin;  // in points on every side
  double width;
  double blockHeight;
};

void PrintTo(const Layout& layout, std::ostream* out) { *out << layout.name; }

const Layout kLayouts[] = {
  { "A4", QPageSize::A4, QPageLayout::Portrait, kMargin, 540, 720 },
  { "A5landscape", QPageSize::A5, QPageLayout::Landscape, kMargin, 540, 720 },
  { "LetterWithInchMargins", QPageSize::Letter, QPageLayout::Portrait, 72, 540, 720 },
  { "A4HalfBlocks", QPageSize::A4, QPageLayout::Portrait, kMargin, 270, 360 },
};

class PrintingLayoutTest : public PrintingTest, public testing::WithParamInterface<Layout> {
protected:
  void SetUp() override {
    PrintingTest::SetUp();
    const Layout& layout = GetParam();
    feedback.paper = layout.paper;
    feedback.orientation = layout.orientation;
    feedback.margins = QMarginsF(layout.margin, layout.margin, layout.margin, layout.margin);
  }
  // The block's size in points.
  double Width() const { return PrintableArea().width() * GetParam().width / fw::kPageWidth; }
  double BlockHeight() const { return PrintableArea().height() * GetParam().blockHeight / fw::kPageHeight; }
};

// Whatever runs the tests, they see no printer, so that no job of theirs can reach one
// (qt_test_main.cpp).
TEST(PrintersSeenByTheTests, ThereAreNone) {
  EXPECT_EQ(QPrinterInfo::availablePrinterNames().join(QStringLiteral(", ")).toStdString(), "");
  EXPECT_EQ(QPrinterInfo::defaultPrinterName().toStdString(), "");
}

TEST_F(PrintingTest, TheDialogGivesNoPrinterWhenCancelledOrWhenThePrinterCannotStart) {
  struct Case {
    const char* what;
    std::string pdfPath;
    std::vector<fw::String> messages;
  };
  for (const Case& c :
       { Case { "cancelled", "", {} },
         Case { "unwritable",
                "/no/such/folder/printed.pdf",
                { "\"Numbered lines\" was not printed: the file \"/no/such/folder/printed.pdf\" could not be opened "
                  "for writing." } } }) {
    feedback.pdfPath = c.pdfPath;
    feedback.printDialogs = 0;
    feedback.messages.clear();
    EXPECT_EQ(fw::OpenPrinterDialog(kJobName), nullptr) << c.what;
    EXPECT_EQ(feedback.printDialogs, 1) << c.what;
    EXPECT_EQ(feedback.messages.size(), c.messages.size()) << c.what;
    EXPECT_EQ(feedback.messages, c.messages) << c.what;
  }
  EXPECT_FALSE(QFile::exists(QStringLiteral("/no/such/folder/printed.pdf")));
}

// A disk that fills while the pages are written: the file opens, and only its end fails.
TEST_F(PrintingTest, AFileThatCannotBeWrittenInFullIsSaidSoWhenTheJobEnds) {
  if (!QFile::exists(QStringLiteral("/dev/full")))
    GTEST_SKIP() << "this system has no /dev/full";
  feedback.pdfPath = "/dev/full";
  Field().SetText(NumberedLines(200));
  std::unique_ptr<fw::Graphics> graphics = fw::OpenPrinterDialog(kJobName);
  ASSERT_NE(graphics, nullptr);
  EXPECT_EQ(DrawBlocks(*graphics, fw::kPageWidth, fw::kPageHeight), 4);
  EXPECT_TRUE(feedback.messages.empty());
  graphics.reset();
  EXPECT_EQ(feedback.messages, std::vector<fw::String> {
                                   "\"Numbered lines\" was not printed: the file \"/dev/full\" could not be written in full." });
}

TEST_F(PrintingTest, ThePdfBearsTheJobsNameAsItsTitle) {
  SKIP_WITHOUT_PDF_TOOLS();
  Field().SetText(NumberedLines(3));
  ASSERT_EQ(Print(), 1);
  EXPECT_EQ(testing_support::PdfTitle(feedback.pdfPath), kJobName);
}

TEST_P(PrintingLayoutTest, LinesFillEachPageToItsBlockAndNoneIsCutOrRepeated) {
  SKIP_WITHOUT_PDF_TOOLS();
  const int count = 150;
  Field().SetText(NumberedLines(count));

  const int blocks = Print(GetParam().width, GetParam().blockHeight);
  ASSERT_GT(blocks, 2);
  EXPECT_EQ(testing_support::PdfPageCount(feedback.pdfPath), blocks);

  const QRectF area = PrintableArea();
  const auto lines = testing_support::PdfLines(feedback.pdfPath);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(count));
  const double pitch = lines[1].yMin - lines[0].yMin;
  EXPECT_GT(pitch, 11.0);  // Times 11 on paper: a line is a little taller than 11 points
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(lines[i].text, QStringLiteral("Line %1").arg(i + 1));
    EXPECT_NEAR(lines[i].xMin, area.left(), 1.5) << "line " << i + 1;
  }
  for (int page = 1; page <= blocks; ++page) {
    std::vector<testing_support::PdfLine> on;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(on), [&](const auto& l) { return l.page == page; });
    ASSERT_FALSE(on.empty()) << "page " << page;
    const double span = on.back().yMax - on.front().yMin;
    EXPECT_NEAR(on.front().yMin, area.top(), pitch) << "page " << page;
    EXPECT_LE(span, BlockHeight() + 1) << "page " << page;
    if (page < blocks) {
      EXPECT_GT(span + pitch, BlockHeight() - 1) << "page " << page << " has room for the next line";
    }
  }
}

TEST_P(PrintingLayoutTest, AParagraphWrapsWithinTheWidth) {
  SKIP_WITHOUT_PDF_TOOLS();
  std::string paragraph;
  for (int i = 0; i < 200; ++i)
    paragraph += "word" + std::to_string(1000 + i) + " ";
  Field().SetText(paragraph);

  EXPECT_EQ(Print(GetParam().width), 1);
  const double right = PrintableArea().left() + Width();
  const auto lines = testing_support::PdfLines(feedback.pdfPath);
  ASSERT_GT(lines.size(), 3u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].xMax, right + 0.5) << "line " << i;
    if (i + 1 < lines.size()) {  // a full line leaves less room than one more word
      EXPECT_GT(lines[i].xMax, right - 50) << "line " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, PrintingLayoutTest, testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

// The lines of each page, by page from 1.
std::vector<std::vector<QString>> PageTexts(const std::string& pdfPath) {
  std::vector<std::vector<QString>> pages(static_cast<std::size_t>(testing_support::PdfPageCount(pdfPath)));
  for (const auto& line : testing_support::PdfLines(pdfPath))
    pages.at(static_cast<std::size_t>(line.page - 1)).push_back(line.text);
  return pages;
}

TEST_F(PrintingTest, OnlyThePagesOfTheChosenRangeComeOutEachAsItWouldAmongAll) {
  SKIP_WITHOUT_PDF_TOOLS();
  Field().SetText(NumberedLines(200));
  ASSERT_EQ(Print(), 4);
  const auto all = PageTexts(feedback.pdfPath);

  struct Case {
    const char* pages;
    std::vector<int> printed;
  };
  for (const Case& c :
       { Case { "2-3", { 2, 3 } }, Case { "1,4", { 1, 4 } }, Case { "4-9", { 4 } }, Case { "1-4", { 1, 2, 3, 4 } } }) {
    feedback.pages = QString::fromLatin1(c.pages);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(feedback.pdfPath)));
    EXPECT_EQ(Print(), 4) << c.pages;  // the same blocks, of which some draw nothing
    const auto pages = PageTexts(feedback.pdfPath);
    ASSERT_EQ(pages.size(), c.printed.size()) << c.pages;
    for (std::size_t i = 0; i < pages.size(); ++i)
      EXPECT_EQ(pages[i], all.at(static_cast<std::size_t>(c.printed[i] - 1))) << c.pages << ", sheet " << i + 1;
  }
}

}  // namespace
