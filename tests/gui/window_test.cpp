// The window layer: controls by name, key handlers on a real text field, field texts with CR
// line ends, numbers kept whole in a read-only field, and the implicit instance of a window
// class.

#include <gtest/gtest.h>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>

#include "shell/framework/line_wrap.h"
#include "shell/framework/property_records.h"
#include "shell/framework/property_set.h"
#include "shell/framework/push_button.h"
#include "shell/framework/qt_text.h"
#include "shell/framework/runtime.h"
#include "shell/framework/text_area.h"
#include "shell/framework/window.h"
#include "tests/support/recording_feedback.h"

namespace {

class SampleWnd final : public fw::Window {
public:
  static constexpr std::string_view kClassFullName = "SampleWnd.SampleWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }

  ~SampleWnd() override {
    if (onRelease)
      onRelease();
  }

  std::vector<std::string> keysSeen;
  int opens { 0 };
  int closes { 0 };
  int chosen { 0 };

  bool SampleItem_Action() {
    ++chosen;
    return false;
  }
  std::function<void()> onRelease;

protected:
  void CreateControls() override {
    _AddControl("Field", __New<fw::TextArea>());
    _AddControl("Button", __New<fw::PushButton>());
    fw::_InstallInstanceEventHandler(fw::RuntimeWindowControlByName(*this, "Field"), "KeyDown",
                                     fw::KeyDownHandler([this](const fw::String& key) {
                                       keysSeen.push_back(key);
                                       return key == "x";  // refuse x, take the rest
                                     }));
    fw::_InstallInstanceEventHandler(fw::RuntimeWindowControlByName(*this, "Button"), "Action",
                                     fw::ActionHandler([] { fw::MsgBox("first"), fw::MsgBox("second"); }));
  }
  void AddMenuHandlers(fw::Window& w) override { _AddMenuHandler("SampleItem", w, &SampleWnd::SampleItem_Action); }
  void Event_Open() override { ++opens; }
  void Event_Close() override { ++closes; }
};

SampleWnd& Sample() { return fw::ImplicitWindow<SampleWnd>(); }

class OtherWnd final : public fw::Window {
public:
  static constexpr std::string_view kClassFullName = "OtherWnd.OtherWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }
};

class WindowTest : public testing::Test {
protected:
  void TearDown() override { fw::ReleaseImplicitWindows(); }
  testing_support::RecordingFeedback feedback;
};

TEST_F(WindowTest, ControlsAreFoundByNameAndAMissingNameRaisesNilObject) {
  SampleWnd& w = Sample();
  EXPECT_EQ(&fw::RuntimeWindowControlByName(w, "Field"), w.FindControl("Field"));
  EXPECT_EQ(fw::ControlAs<fw::TextArea>(w, "Field").Name(), "Field");
  EXPECT_THROW(fw::RuntimeWindowControlByName(w, "NoSuchField"), fw::NilObjectException);
  EXPECT_THROW(fw::ControlAs<fw::TextArea>(w, "Button"), fw::NilObjectException);
}

TEST_F(WindowTest, AKeyDownHandlerReturningTrueKeepsTheKeyOutOfTheField) {
  SampleWnd& w = Sample();
  auto& field = fw::ControlAs<fw::TextArea>(w, "Field");
  field.Edit().setFocus();
  QTest::keyClicks(&field.Edit(), "axb");
  QTest::keyClick(&field.Edit(), Qt::Key_Backspace);
  QTest::keyClick(&field.Edit(), Qt::Key_Left);                    // moves the caret only: no handler call
  QTest::keyClick(&field.Edit(), Qt::Key_C, Qt::ControlModifier);  // a shortcut chord: none either
  EXPECT_EQ(field.Text(), "a");
  EXPECT_EQ(w.keysSeen, (std::vector<std::string> { "a", "x", "b", "\x08" }));
}

TEST_F(WindowTest, FieldTextIsReadWithCarriageReturnsWhateverTheLineEnds) {
  auto& field = fw::ControlAs<fw::TextArea>(Sample(), "Field");
  for (const QString& pasted :
       { QStringLiteral(".1\n.2\n"), QStringLiteral(".1\r\n.2\r\n"), QStringLiteral(".1\r.2\r") }) {
    field.SetText("");
    QApplication::clipboard()->setText(pasted);
    field.Edit().paste();
    EXPECT_EQ(field.Text(), ".1\r.2\r") << pasted.toStdString();
  }
  field.SetText("a\rb");
  EXPECT_EQ(field.Edit().toPlainText(), QStringLiteral("a\nb"));
  EXPECT_EQ(field.Text(), "a\rb");
}

// Whether some line of the field, laid out at that width, begins inside a number.
bool BreaksInsideANumber(QTextDocument& document, int width) {
  document.setTextWidth(width);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    document.documentLayout()->blockBoundingRect(block);  // lays the block out
    for (int i = 1; i < block.layout()->lineCount(); ++i) {
      const QChar first = block.text().at(block.layout()->lineAt(i).textStart());
      if (first.isDigit() || first == QChar(0x2060))
        return true;
    }
  }
  return false;
}

TEST_F(WindowTest, AReadOnlyFieldKeepsNumbersThatBeginWithTheirPointWhole) {
  auto& field = fw::ControlAs<fw::TextArea>(Sample(), "Field");
  // Every digit here follows a point that begins its number.
  const std::string text = "such as .30 or -.10,\r\xC2\xB1.40 (.5) and +.90.";
  field.SetText(text);
  QTextDocument& document = *field.Edit().document();
  // At how many widths some number is broken.
  const auto breaks = [&] {
    int widths = 0;
    for (int width = 60; width <= 200; ++width)  // wide enough for every word
      widths += BreaksInsideANumber(document, width) ? 1 : 0;
    return widths;
  };
  EXPECT_GT(breaks(), 0);  // an editable field holds just what it was given

  field.SetProperty("ReadOnly", fw::PropertyValue(true));
  EXPECT_EQ(breaks(), 0);
  field.SetText(text);  // a new text of a read-only field is kept whole too
  EXPECT_EQ(breaks(), 0);
  EXPECT_EQ(field.Text(), text);
  // Positions count the field's own characters: 8 to 11 are ".30".
  field.SetSelStart(8);
  field.SetSelLength(3);
  EXPECT_EQ(field.Edit().textCursor().selectedText().remove(QChar(0x2060)), QStringLiteral(".30"));
  field.Edit().selectAll();
  field.Edit().copy();
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));

  field.SetProperty("ReadOnly", fw::PropertyValue(false));
  EXPECT_FALSE(field.Edit().toPlainText().contains(QChar(0x2060)));
  EXPECT_FALSE(document.isUndoAvailable());  // nothing to undo but what the user does
  EXPECT_EQ(field.Text(), text);
}

// A new text that extends the field's own is added at its end, and the field is then as after
// any new text: the same text, no undo history, the caret at the start.
TEST_F(WindowTest, ANewTextThatExtendsTheFieldsOwnIsAddedAtItsEnd) {
  auto& field = fw::ControlAs<fw::TextArea>(Sample(), "Field");
  QTextEdit& edit = field.Edit();
  struct Change {
    int from, removed, added;
  };
  std::vector<Change> changes;
  QObject::connect(edit.document(), &QTextDocument::contentsChange, [&](int from, int removed, int added) {
    changes.push_back({ from, removed, added });
  });
  const struct {
    std::string first, second;
    bool appended;
  } cases[] = {
    { ".5\r.25", ".5\r.25\r\rData as read\r0.5\r0.25\r", true },
    { "a\r", "a\r\rb", true },
    { "a", "a\n\u00A0b\u2028c\td", true },  // LF, no-break space, line separator, tab
    { "a\r", "a\r\nb", false },             // the CR LF is one line end in the whole text
    { "ab", "abc", true },
    { "ab", "a", false },
    { "ab", "ab", false },
    { "", "ab", false },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first + " then " + c.second);
    field.SetText(c.second);
    const std::string whole = field.Text();
    const QString wholePlain = edit.toPlainText();
    field.SetText(c.first);
    QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    changes.clear();
    field.SetText(c.second);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.front().removed == 0 && changes.front().from > 0, c.appended);
    EXPECT_EQ(field.Text(), whole);
    EXPECT_EQ(edit.toPlainText(), wholePlain);
    EXPECT_EQ(field.Text(), fw::FieldTextFromQt(edit.toPlainText()));
    EXPECT_FALSE(edit.document()->isUndoAvailable());
    EXPECT_EQ(edit.textCursor().position(), 0);
  }

  // The text typed into the field is the one a new text extends.
  field.SetText("a");
  edit.setFocus();
  QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(&edit, "b");
  EXPECT_EQ(field.Text(), "ab");
  field.SetText("ab\rc");
  EXPECT_EQ(field.Text(), "ab\rc");

  // A field with bold characters takes every new text whole.
  field.SetSelStart(0);
  field.SetSelLength(2);
  field.SetSelBold(true);
  changes.clear();
  field.SetText("ab\rcd");
  EXPECT_EQ(field.Text(), "ab\rcd");
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.front().from, 0);
  EXPECT_GT(changes.front().removed, 0);
}

// A field breaks its lines anywhere once it holds a run of more characters with no blank or tab
// than a word has, and at word boundaries again after a whole new text without one.
TEST_F(WindowTest, ALongRunWithNoBlankBreaksTheLinesAnywhere) {
  auto& field = fw::ControlAs<fw::TextArea>(Sample(), "Field");
  QTextEdit& edit = field.Edit();
  const std::string word(fw::kLongestWord, '7');
  field.SetText(word + " " + word + "\t" + word);
  EXPECT_EQ(edit.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

  // Typed and pasted characters that make one run with those before them.
  field.SetText("-.5\r.4");
  edit.setFocus();
  QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
  QApplication::clipboard()->setText(QString::fromStdString(word));
  edit.paste();
  EXPECT_EQ(edit.wordWrapMode(), QTextOption::WrapAnywhere);
  EXPECT_EQ(field.Text(), "-.5\r.4" + word);

  field.SetText(field.Text() + "\r\rData as read\r0.4\r");
  EXPECT_EQ(edit.wordWrapMode(), QTextOption::WrapAnywhere);
  field.SetText(".5\r.4");
  EXPECT_EQ(edit.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

TEST_F(WindowTest, MessagesArriveInOrderThroughTheFeedback) {
  fw::ControlAs<fw::PushButton>(Sample(), "Button").Button().click();
  EXPECT_EQ(feedback.messages, (std::vector<std::string> { "first", "second" }));
}

TEST_F(WindowTest, AMenuHandlerRunsOnTheWindowItsHookWasGivenAndOnlyOfTheHooksClass) {
  SampleWnd& w = Sample();
  const fw::MenuHandler* handler = w.MenuHandlerFor("SampleItem");
  ASSERT_NE(handler, nullptr);
  EXPECT_FALSE((*handler)());
  EXPECT_EQ(w.chosen, 1);
  OtherWnd& other = fw::ImplicitWindow<OtherWnd>();
  EXPECT_THROW(w._AddMenuHandler("SampleItem", other, &SampleWnd::SampleItem_Action), fw::NilObjectException);
}

TEST_F(WindowTest, TheAccessorKeepsOneInstanceUntilTheUserClosesIt) {
  SampleWnd& first = Sample();
  EXPECT_EQ(&Sample(), &first);
  EXPECT_EQ(first.opens, 1);
  first.Close();
  EXPECT_EQ(first.closes, 1);
  EXPECT_EQ(fw::_GetImplicitWindow(SampleWnd::kClassFullName), nullptr);
  SampleWnd& second = Sample();
  EXPECT_EQ(second.opens, 1);
  EXPECT_EQ(fw::_GetImplicitWindow(SampleWnd::kClassFullName), &second);
}

// A window that its own handler closes stays whole while the handler runs on, through the
// yield and through a nested event loop such as a message box's; it is released once the event
// loop waits with nothing on the stack.
TEST_F(WindowTest, AClosedWindowIsReleasedOnlyOnceNoHandlerIsOnTheStack) {
  SampleWnd& w = Sample();
  bool released = false;
  bool releasedDuringTheHandler = false;
  w.onRelease = [&released] {
    released = true;
    QCoreApplication::exit(0);
  };
  fw::_InstallInstanceEventHandler(fw::RuntimeWindowControlByName(w, "Button"), "Action",
                                   fw::ActionHandler([&w, &released, &releasedDuringTheHandler] {
                                     w.Close();
                                     QCoreApplication::processEvents();  // the yield
                                     QEventLoop box;
                                     QTimer::singleShot(0, &box, &QEventLoop::quit);
                                     box.exec();
                                     releasedDuringTheHandler = released;
                                     EXPECT_EQ(w.FindControl("Field")->Name(), "Field");  // still there
                                   }));
  const QObject scope;
  QTimer::singleShot(0, &scope, [&w] { fw::ControlAs<fw::PushButton>(w, "Button").Button().click(); });
  QTimer::singleShot(10000, &scope, [] { QCoreApplication::exit(1); });  // only if it is never released
  fw::_RuntimeRun();
  EXPECT_FALSE(releasedDuringTheHandler);
  ASSERT_TRUE(released);
}

// Whether the window's platform window is shown: on a desktop, mapped for the window manager.
bool OnScreen(const fw::Window& w) {
  return w.TopLevel().windowHandle() != nullptr && w.TopLevel().windowHandle()->isVisible();
}

TEST_F(WindowTest, AWindowBuiltVisibleReachesTheScreenWhenTheEventLoopTurnsUnlessHiddenFirst) {
  SampleWnd& left = Sample();
  EXPECT_TRUE(left.IsVisible());
  EXPECT_FALSE(OnScreen(left));
  QCoreApplication::processEvents();
  EXPECT_TRUE(OnScreen(left));
  left.Close();

  // Built only to be hidden: it never reaches the screen, where a window manager would still
  // map it and give it the focus.
  SampleWnd& hidden = Sample();
  const bool onScreenWhenBuilt = OnScreen(hidden);
  hidden.Hide();
  QCoreApplication::processEvents();
  EXPECT_FALSE(onScreenWhenBuilt);
  EXPECT_FALSE(hidden.IsVisible());
  EXPECT_FALSE(OnScreen(hidden));
}

// A window takes its size from a set that gives one, and keeps the size the user gave it
// through a set that gives none.
TEST_F(WindowTest, ASetResizesTheWindowOnlyWhenItGivesASize) {
  SampleWnd& w = Sample();
  QWidget& top = w.TopLevel();
  fw::_SetProperties(w, fw::PropertySetOf(fw::WindowProperties { .Width = 300, .Height = 200, .Title = "One" }));
  EXPECT_EQ(top.size(), QSize(300, 200));
  top.resize(350, 250);
  fw::_SetProperties(w, fw::PropertySetBuilder().String("Title", "Two").Boolean("Visible", true).bytes());
  EXPECT_EQ(top.windowTitle(), QStringLiteral("Two"));
  EXPECT_EQ(top.size(), QSize(350, 250));
  fw::_SetProperties(w, fw::PropertySetBuilder().Int32("Height", 220).bytes());
  EXPECT_EQ(top.size(), QSize(300, 220));
}

TEST_F(WindowTest, ShowRestoresAMinimizedWindow) {
  SampleWnd& w = Sample();
  w.Show();
  w.TopLevel().setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(w.TopLevel().isMinimized());
  w.Show();
  EXPECT_FALSE(w.TopLevel().isMinimized());
  EXPECT_TRUE(w.IsVisible());
}

}  // namespace
