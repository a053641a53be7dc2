// Start-up's steps and the finaliser: the declared file types, the application object with
// the shared bar and its two handlers, the launcher, and what shut-down releases.

#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "shell/about_wnd.h"
#include "shell/framework/file_type.h"
#include "shell/framework/run_watcher.h"
#include "shell/framework/runtime.h"
#include "shell/handle_about_menu.h"
#include "shell/invisible_wnd.h"
#include "shell/menu.h"
#include "shell/startup.h"
#include "tests/support/recording_feedback.h"

namespace {

using About = class AboutWnd::AboutWnd;
using Launcher = class InvisibleWnd::InvisibleWnd;

// A declared file type's four values: name, extensions, type and creator.
using FileTypeValues = std::array<fw::String, 4>;

// Records the file types as they are registered and released.
class FileTypeWatcher final : public fw::RunWatcher {
public:
  FileTypeWatcher() { fw::SetRunWatcher(this); }
  ~FileTypeWatcher() override { fw::SetRunWatcher(nullptr); }

  void FileTypeRegistered(const fw::FileType& type) override { registered.push_back(ValuesOf(type)); }
  void FileTypeReleased(const fw::FileType& type) override { released.push_back(ValuesOf(type)); }

  std::vector<FileTypeValues> registered;
  std::vector<FileTypeValues> released;

private:
  static FileTypeValues ValuesOf(const fw::FileType& type) {
    return { type.Name(), type.Extensions(), type.MacType(), type.MacCreator() };
  }
};

const FileTypeValues kText { "text", "", "TEXT", "R*ch" };
const FileTypeValues kUntitled { "", "", "", "" };

class StartupTest : public testing::Test {
protected:
  void TearDown() override {
    _ModuleFinaliser();
    fw::_RuntimeRegisterAppObject(nullptr);
  }
  testing_support::RecordingFeedback feedback;
  FileTypeWatcher fileTypes;
};

TEST_F(StartupTest, TheTwoFileTypesAreDeclaredAndRegisteredTheEmptyOneToo) {
  _InitFileTypes();
  EXPECT_EQ(fileTypes.registered, (std::vector<FileTypeValues> { kText, kUntitled }));
  EXPECT_TRUE(fileTypes.released.empty());  // the module holds both
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
  EXPECT_EQ(fileTypes.released, (std::vector<FileTypeValues> { kText, kUntitled }));
  // A released bar leaves the application without one; the application keeps no pointer to it.
  EXPECT_EQ(App().GetMenuBar(), nullptr);
}

}  // namespace
