// The main window's menu commands and events: its Window menu's states and commands, the help
// picture, and closing the main window, which quits whatever else is open.

#include <functional>

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "shell/framework/canvas.h"
#include "shell/framework/runtime.h"
#include "tests/gui/shell_fixture.h"
#include "tests/support/menu_choice.h"

namespace {

using Help = class DescriptionWnd::DescriptionWnd;
using About = class AboutWnd::AboutWnd;

class ControlWndMenuTest : public testing_support::ShellTest {
protected:
  // Built once the application object stands, so that the window shows the application's bar.
  void SetUp() override {
    ShellTest::SetUp();
    control = &ControlWnd::ControlWnd();
  }

  class ControlWnd::ControlWnd* control { nullptr };
};

// Print belongs to the help window alone.
TEST_F(ControlWndMenuTest, TheWindowMenuEnablesAllButItsOwnEntryAndPrintStaysOff) {
  struct Expected {
    const char* item;
    bool enabled;
  };
  for (const Expected& e :
       { Expected { "ControlMenuItem", false }, Expected { "DescriptionMenuItem", true },
         Expected { "AboutMenuItem", true }, Expected { "AboutPXM", true }, Expected { "Print", false } })
    EXPECT_EQ(testing_support::ShownEnabled(*control, e.item), e.enabled) << e.item;
}

TEST_F(ControlWndMenuTest, TheDescriptionItemAndTheHelpPictureShowOneAndTheSameHelpWindow) {
  testing_support::ChooseFromMenuBar(*control, "DescriptionMenuItem");
  Help* help = Registered<Help>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->IsVisible());

  help->Hide();
  QWidget& picture = fw::ControlAs<fw::Canvas>(*control, "Canvas1").Widget();
  for (const QPoint at : { QPoint(2, 2), QPoint(30, 16) }) {
    QTest::mouseClick(&picture, Qt::LeftButton, {}, at);
    EXPECT_EQ(Registered<Help>(), help) << "a second help window";
    EXPECT_TRUE(help->IsVisible());
  }
  testing_support::ChooseFromMenuBar(*control, "DescriptionMenuItem");
  EXPECT_EQ(Registered<Help>(), help);
  EXPECT_FALSE(control->Canvas1_MouseDown(0, 0));
  EXPECT_FALSE(control->_DescriptionMenuItem_Action());
}

TEST_F(ControlWndMenuTest, AfterTheUserClosedTheHelpWindowThePictureBuildsANewOne) {
  DescriptionWnd::DescriptionWnd().Close();
  ASSERT_EQ(Registered<Help>(), nullptr);
  QTest::mouseClick(&fw::ControlAs<fw::Canvas>(*control, "Canvas1").Widget(), Qt::LeftButton);
  EXPECT_TRUE(Shown<Help>());
}

TEST_F(ControlWndMenuTest, TheAboutItemShowsTheAboutWindow) {
  testing_support::ChooseFromMenuBar(*control, "AboutPXM");
  EXPECT_TRUE(Shown<About>());
  EXPECT_FALSE(control->_AboutPXM_Action());
}

// Closing the main window ends the running event loop with code 0. A guard ends it with 99
// should the close not quit, so a fault fails the test instead of hanging it.
TEST_F(ControlWndMenuTest, ClosingTheMainWindowQuitsWithZeroWhateverElseIsOpen) {
  struct Case {
    const char* open;
    std::function<void()> show;
  };
  for (const Case& c :
       { Case { "nothing else", [] {} }, Case { "the help window", [] { DescriptionWnd::DescriptionWnd().Show(); } },
         Case { "the About window", [] { AboutWnd::AboutWnd().Show(); } } }) {
    auto& window = ControlWnd::ControlWnd();
    c.show();
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    QTimer::singleShot(0, &guard, [&window] { window.Close(); });
    EXPECT_EQ(QApplication::exec(), 0) << c.open;
    EXPECT_EQ(fw::QuitCode(), 0) << c.open;
  }
}

}  // namespace
