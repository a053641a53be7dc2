// Start-up's steps and the finaliser: the declared file types, the application object with
// the shared bar and its two handlers, the launcher, and what shut-down releases.

#include <gtest/gtest.h>

#include "shell/about_wnd.h"
#include "shell/file_types.h"
#include "shell/framework/file_type.h"
#include "shell/framework/runtime.h"
#include "shell/handle_about_menu.h"
#include "shell/invisible_wnd.h"
#include "shell/menu.h"
#include "shell/startup.h"
#include "tests/support/recording_feedback.h"

namespace {

using About = class AboutWnd::AboutWnd;
using Launcher = class InvisibleWnd::InvisibleWnd;

class StartupTest : public testing::Test {
protected:
  void TearDown() override {
    _ModuleFinaliser();
    fw::_RuntimeRegisterAppObject(nullptr);
  }
  testing_support::RecordingFeedback feedback;
};

TEST_F(StartupTest, TheTwoFileTypesAreDeclaredAndRegisteredTheEmptyOneToo) {
  const std::size_t before = fw::RegisteredFileTypes().size();
  _InitFileTypes();
  ASSERT_EQ(fw::RegisteredFileTypes().size(), before + 2);
  const fw::FileType& text = fw::RegisteredFileTypes()[before];
  EXPECT_EQ(text.Name(), "text");
  EXPECT_EQ(text.Extensions(), "");
  EXPECT_EQ(text.MacType(), "TEXT");
  EXPECT_EQ(text.MacCreator(), "R*ch");
  const fw::FileType& untitled = fw::RegisteredFileTypes()[before + 1];
  for (const fw::String& value : { untitled.Name(), untitled.Extensions(), untitled.MacType(), untitled.MacCreator() })
    EXPECT_EQ(value, "");
  ASSERT_NE(FileTypes::pText, nullptr);
  EXPECT_EQ(FileTypes::pText->Name(), "text");
  ASSERT_NE(FileTypes::pUntitledType, nullptr);
}

TEST_F(StartupTest, StartUpLeavesTheApplicationWithTheSharedBarAndTheSplashOnScreen) {
  fw::_RunFrameworkInitialization(_Startup);
  EXPECT_EQ(App().GetMenuBar(), &Menu::Menu());
  EXPECT_NE(App().MenuHandlerFor("AboutPXM"), nullptr);
  EXPECT_NE(App().MenuHandlerFor("AboutMenuItem"), nullptr);
  EXPECT_EQ(App().MenuHandlerFor("DescriptionMenuItem"), nullptr);
  const auto* launcher = dynamic_cast<const Launcher*>(fw::_GetImplicitWindow(Launcher::kClassFullName));
  ASSERT_NE(launcher, nullptr);
  EXPECT_FALSE(launcher->IsVisible());
  const fw::Window* about = fw::_GetImplicitWindow(About::kClassFullName);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->IsVisible());
}

TEST_F(StartupTest, TheApplicationsRuleEnablesAboutPXMAndTouchesNothingElse) {
  _NewAppInstance();
  for (fw::MenuItem* item : { static_cast<fw::MenuItem*>(AboutPXM()), AboutMenuItem(), ControlMenuItem() })
    item->SetEnabled(false);
  App().Event_EnableMenuItems();
  EXPECT_TRUE(AboutPXM()->Enabled());
  EXPECT_FALSE(AboutMenuItem()->Enabled());
  EXPECT_FALSE(ControlMenuItem()->Enabled());
}

TEST_F(StartupTest, TheFinaliserReleasesTheWindowsTheFileTypesAndTheBar) {
  fw::_RunFrameworkInitialization(_Startup);
  _ModuleFinaliser();
  EXPECT_TRUE(fw::ImplicitWindows().empty());
  EXPECT_EQ(FileTypes::pText, nullptr);
  EXPECT_EQ(FileTypes::pUntitledType, nullptr);
  EXPECT_EQ(Menu::_implicitInstance, nullptr);
  EXPECT_EQ(App().GetMenuBar(), nullptr);  // the application keeps no pointer to a released bar
}

}  // namespace
