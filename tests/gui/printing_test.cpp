// Printing styled text: the print dialog's answers, and text printed to a PDF in blocks of 720
// points at a width of 540 points, read back with poppler's tools: how many pages, where each
// line stands, and that every line is printed once, whole, in order.

#include <algorithm>
#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/framework/control_builder.h"
#include "shell/framework/printing.h"
#include "shell/framework/text_area.h"
#include "shell/framework/window.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/recording_feedback.h"

namespace {

constexpr double kMargin = 27;  // the printable area's top-left corner on the page, in points
constexpr double kWidth = 540;
constexpr double kBlockHeight = 720;

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

class PrintingTest : public testing::Test {
protected:
  void SetUp() override {
    feedback.pdfPath = QDir(folder.path()).filePath(QStringLiteral("printed.pdf")).toStdString();
  }
  void TearDown() override { fw::ReleaseImplicitWindows(); }

  fw::TextArea& Field() { return fw::ControlAs<fw::TextArea>(fw::ImplicitWindow<PrintWnd>(), "Field"); }

  // Prints the field one block to a page, as the help window does; the number of blocks.
  int Print() {
    const std::unique_ptr<fw::Graphics> graphics = fw::OpenPrinterDialog();
    EXPECT_NE(graphics, nullptr);
    if (graphics == nullptr)
      return 0;
    fw::StyledTextPrinter text = Field().styledTextPrinter(*graphics, kWidth);
    int blocks = 0;
    while (!text.Eof()) {
      text.DrawBlock(0, 0, kBlockHeight);
      ++blocks;
      if (!text.Eof())
        graphics->NextPage();
    }
    return blocks;
  }

  QTemporaryDir folder;
  testing_support::RecordingFeedback feedback;
};

TEST_F(PrintingTest, TheDialogGivesNoPrinterWhenCancelledOrWhenThePrinterCannotStart) {
  struct Case {
    const char* what;
    std::string pdfPath;
    std::size_t messages;
  };
  for (const Case& c : { Case { "cancelled", "", 0 }, Case { "unwritable", "/no/such/folder/printed.pdf", 1 } }) {
    feedback.pdfPath = c.pdfPath;
    feedback.printDialogs = 0;
    feedback.messages.clear();
    EXPECT_EQ(fw::OpenPrinterDialog(), nullptr) << c.what;
    EXPECT_EQ(feedback.printDialogs, 1) << c.what;
    EXPECT_EQ(feedback.messages.size(), c.messages) << c.what;
  }
  EXPECT_FALSE(QFile::exists(QStringLiteral("/no/such/folder/printed.pdf")));
}

TEST_F(PrintingTest, LinesFillEachPageToItsBlockAndNoneIsCutOrRepeated) {
  SKIP_WITHOUT_PDF_TOOLS();
  const int count = 150;
  std::string text;
  for (int i = 1; i <= count; ++i)
    text += (i > 1 ? "\r" : "") + ("Line " + std::to_string(i));
  Field().SetText(text);

  const int blocks = Print();
  ASSERT_GT(blocks, 2);
  EXPECT_EQ(testing_support::PdfPageCount(feedback.pdfPath), blocks);

  const auto lines = testing_support::PdfLines(feedback.pdfPath);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(count));
  const double pitch = lines[1].yMin - lines[0].yMin;
  EXPECT_GT(pitch, 11.0);  // Times 11 on paper: a line is a little taller than 11 points
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(lines[i].text, QStringLiteral("Line %1").arg(i + 1));
    EXPECT_NEAR(lines[i].xMin, kMargin, 1.5) << "line " << i + 1;
  }
  for (int page = 1; page <= blocks; ++page) {
    std::vector<testing_support::PdfLine> on;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(on), [&](const auto& l) { return l.page == page; });
    ASSERT_FALSE(on.empty()) << "page " << page;
    const double span = on.back().yMax - on.front().yMin;
    EXPECT_NEAR(on.front().yMin, kMargin, pitch) << "page " << page;
    EXPECT_LE(span, kBlockHeight + 1) << "page " << page;
    if (page < blocks) {
      EXPECT_GT(span + pitch, kBlockHeight - 1) << "page " << page << " has room for the next line";
    }
  }
}

TEST_F(PrintingTest, AParagraphWrapsWithinTheWidthInPoints) {
  SKIP_WITHOUT_PDF_TOOLS();
  std::string paragraph;
  for (int i = 0; i < 200; ++i)
    paragraph += "word" + std::to_string(1000 + i) + " ";
  Field().SetText(paragraph);

  EXPECT_EQ(Print(), 1);
  const auto lines = testing_support::PdfLines(feedback.pdfPath);
  ASSERT_GT(lines.size(), 3u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].xMax, kMargin + kWidth + 0.5) << "line " << i;
    if (i + 1 < lines.size()) {  // a full line leaves less room than one more word
      EXPECT_GT(lines[i].xMax, kMargin + kWidth - 50) << "line " << i;
    }
  }
}

}  // namespace
