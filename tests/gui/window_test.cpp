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

#include "shell/framework/property_set.h"
#include "shell/framework/push_button.h"
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
