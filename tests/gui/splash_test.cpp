// The splash sequence on the real event loop: the launcher shows the About window, its timer
// hands over to the main window one period later, and a key or click hands over at once.

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/handle_about_menu.h"
#include "shell/invisible_wnd.h"
#include "shell/startup.h"
#include "tests/gui/shell_fixture.h"

namespace {

using About = class AboutWnd::AboutWnd;
using Launcher = class InvisibleWnd::InvisibleWnd;
using Main = class ControlWnd::ControlWnd;

const fw::Timer& Timer1() { return fw::ControlAs<fw::Timer>(InvisibleWnd::InvisibleWnd(), "Timer1"); }

// Start-up's last step, with the timer's first firing still to come.
class SplashTest : public testing_support::ShellTest {
protected:
  void SetUp() override {
    ShellTest::SetUp();
    _MakeDefaultView();
  }

  // Waits on the event loop until Timer1 has fired (it fires once).
  static void WaitForTheTimer() { QTRY_VERIFY_WITH_TIMEOUT(!Timer1().IsRunning(), 10000); }

  static bool AnAboutWindowIsOnScreen() {
    for (const QWidget* top : QApplication::topLevelWidgets())
      if (const About* about = Registered<About>(); about != nullptr && top == &about->TopLevel() && top->isVisible())
        return true;
    return false;
  }
};

TEST_F(SplashTest, TheLauncherStaysHiddenAndShowsTheSplashWithAOneShotTimer) {
  EXPECT_FALSE(Shown<Launcher>());
  EXPECT_TRUE(Shown<About>());
  EXPECT_EQ(Registered<Main>(), nullptr);
  EXPECT_EQ(Timer1().Mode(), 1);
  EXPECT_EQ(Timer1().Period(), 1500);
  EXPECT_TRUE(Timer1().IsRunning());
}

TEST_F(SplashTest, LeftAloneTheMainWindowComesUpWhenTheTimerFires) {
  WaitForTheTimer();
  EXPECT_TRUE(Shown<Main>());
  EXPECT_FALSE(Shown<About>());
  EXPECT_FALSE(Shown<Launcher>());
}

TEST_F(SplashTest, AKeyHandsOverAtOnceAndTheLaterFiringHidesAnAboutWindowReopenedMeanwhile) {
  QTest::keyClick(&AboutWnd::AboutWnd().TopLevel(), Qt::Key_Space);
  EXPECT_TRUE(Shown<Main>());
  EXPECT_FALSE(Shown<About>());
  EXPECT_TRUE(Timer1().IsRunning());

  EXPECT_FALSE(App()._AboutMenuItem_Action());  // About, from the Window menu
  EXPECT_TRUE(Shown<About>());
  WaitForTheTimer();
  EXPECT_FALSE(Shown<About>());
  EXPECT_TRUE(Shown<Main>());
}

TEST_F(SplashTest, AClickHandsOverAtOnce) {
  QTest::mouseClick(&AboutWnd::AboutWnd().Content(), Qt::LeftButton, {}, QPoint(10, 100));
  EXPECT_TRUE(Shown<Main>());
  EXPECT_FALSE(Shown<About>());
}

TEST_F(SplashTest, ClosingTheSplashBeforeTheTimerLeavesNoAboutWindowOnScreen) {
  AboutWnd::AboutWnd().Close();
  WaitForTheTimer();
  EXPECT_FALSE(AnAboutWindowIsOnScreen());
  EXPECT_TRUE(Shown<Main>());
}

TEST_F(SplashTest, EveryFiringLeavesTheSameThreeWindowStates) {
  for (int firing = 0; firing < 2; ++firing) {
    AboutWnd::AboutWnd().Show();
    InvisibleWnd::InvisibleWnd().Timer1_Action();
    EXPECT_FALSE(Shown<About>());
    EXPECT_FALSE(Shown<Launcher>());
    EXPECT_TRUE(Shown<Main>());
  }
}

TEST_F(SplashTest, ActivatingTheMainWindowHidesTheAboutWindowAndBuildsOneIfNoneIsOpen) {
  Main& main = ControlWnd::ControlWnd();
  EXPECT_TRUE(Shown<About>());
  main.Event_Activate();
  EXPECT_FALSE(Shown<About>());

  About& closed = AboutWnd::AboutWnd();
  closed.Show();
  closed.Close();  // with its close button; the layer frees it once the handlers are done
  main.Event_Activate();
  ASSERT_NE(Registered<About>(), nullptr);
  EXPECT_NE(Registered<About>(), &closed);
  EXPECT_FALSE(Shown<About>());
}

}  // namespace
