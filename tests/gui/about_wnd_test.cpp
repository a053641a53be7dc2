// The About window: its four controls, and the hand-over to the main window on any key or
// click, wherever in the window it lands.

#include <gtest/gtest.h>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/framework/canvas.h"
#include "shell/framework/static_text.h"
#include "tests/gui/shell_fixture.h"

namespace {

using About = class AboutWnd::AboutWnd;
using Main = class ControlWnd::ControlWnd;
using AboutWndTest = testing_support::ShellTest;

struct ExpectedControl {
  const char* name;
  bool isLabel;
  QRect geometry;
};

const ExpectedControl kControls[] = {
  { "StaticText5", true, QRect(1, 187, 298, 15) },
  { "Canvas1", false, QRect(100, 60, 100, 95) },
  { "Canvas2", false, QRect(77, 161, 148, 22) },
  { "StaticText1", true, QRect(1, 5, 298, 26) },
};

TEST_F(AboutWndTest, TheWindowHoldsItsFourControlsInCreationOrderAndNoMenuBar) {
  const About& about = AboutWnd::AboutWnd();
  EXPECT_EQ(about.Content().size(), QSize(300, 200));
  // The shared bar stays in force for its shortcuts, unseen.
  const QMenuBar* bar = about.TopLevel().findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isHidden());
  ASSERT_EQ(about.Controls().size(), std::size(kControls));
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    const ExpectedControl& expected = kControls[i];
    const fw::Control& control = *about.Controls()[i];
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(control.Name(), expected.name);
    const auto* rect = dynamic_cast<const fw::RectControl*>(&control);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->TabIndex(), static_cast<std::int32_t>(i));
    EXPECT_EQ(rect->Widget().geometry(), expected.geometry);
    if (expected.isLabel)
      EXPECT_NE(dynamic_cast<const fw::StaticText*>(&control), nullptr);
    else
      EXPECT_FALSE(dynamic_cast<const fw::Canvas&>(control).Widget().isEnabled());
  }
}

TEST_F(AboutWndTest, TheTitleAndTheNoticeFitTheirLabels) {
  const About& about = AboutWnd::AboutWnd();
  const QLabel& title = fw::ControlAs<fw::StaticText>(about, "StaticText1").Label();
  const QLabel& notice = fw::ControlAs<fw::StaticText>(about, "StaticText5").Label();
  EXPECT_EQ(title.text(), QStringLiteral("Factorial Quillon"));
  EXPECT_TRUE(title.font().bold());
  ASSERT_FALSE(notice.text().isEmpty());
  EXPECT_LE(QFontMetrics(notice.font()).horizontalAdvance(notice.text()), notice.width());
  EXPECT_LE(QFontMetrics(notice.font()).height(), notice.height() + 1);
}

TEST_F(AboutWndTest, AnyClickInTheWindowHandsOverToTheMainWindow) {
  // The labels, the disabled canvases and the bare window.
  for (const char* target : { "StaticText5", "Canvas1", "Canvas2", "StaticText1", "" }) {
    SCOPED_TRACE(target);
    About& about = AboutWnd::AboutWnd();
    about.Show();
    QWidget& widget = *target != 0 ? fw::ControlAs<fw::RectControl>(about, target).Widget() : about.Content();
    QTest::mouseClick(&widget, Qt::LeftButton, {}, *target != 0 ? QPoint(2, 2) : QPoint(5, 40));
    EXPECT_FALSE(Shown<About>());
    EXPECT_TRUE(Shown<Main>());
    ControlWnd::ControlWnd().Hide();
  }
}

TEST_F(AboutWndTest, AnyKeyHandsOverToTheMainWindow) {
  for (const Qt::Key key : { Qt::Key_A, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left }) {
    About& about = AboutWnd::AboutWnd();
    about.Show();
    QTest::keyClick(&fw::ControlAs<fw::RectControl>(about, "StaticText1").Widget(), key);
    EXPECT_FALSE(Shown<About>()) << key;
    EXPECT_TRUE(Shown<Main>()) << key;
    ControlWnd::ControlWnd().Hide();
  }
}

TEST_F(AboutWndTest, AModifierKeyAloneDoesNotHandOver) {
  About& about = AboutWnd::AboutWnd();
  about.Show();
  const std::pair<Qt::Key, Qt::KeyboardModifiers> modifiers[] = {
    { Qt::Key_Alt, Qt::AltModifier },   { Qt::Key_Shift, Qt::ShiftModifier }, { Qt::Key_Control, Qt::ControlModifier },
    { Qt::Key_Meta, Qt::MetaModifier }, { Qt::Key_AltGr, Qt::NoModifier },    { Qt::Key_CapsLock, Qt::NoModifier },
  };
  for (const auto& [key, modifier] : modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifier);
    QApplication::sendEvent(&about.TopLevel(), &press);
    EXPECT_TRUE(Shown<About>()) << key;
  }
  EXPECT_EQ(Registered<Main>(), nullptr);
}

TEST_F(AboutWndTest, TheHandlersReportFalse) {
  About& about = AboutWnd::AboutWnd();
  EXPECT_FALSE(about.Event_KeyDown("q"));
  EXPECT_FALSE(about.Event_MouseDown(150, 100));
}

TEST_F(AboutWndTest, AfterTheUserClosesItTheAccessorBuildsOneThatLooksTheSame) {
  AboutWnd::AboutWnd().Close();
  EXPECT_EQ(Registered<About>(), nullptr);
  const About& fresh = AboutWnd::AboutWnd();
  EXPECT_TRUE(fresh.IsVisible());
  EXPECT_EQ(fresh.Controls().size(), std::size(kControls));
}

}  // namespace
