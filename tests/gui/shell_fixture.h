#pragma once

// What the shell's tests start from: the application object as start-up makes it, with the
// shared bar and its two About handlers, and recorded feedback. Each test ends as shut-down
// does: windows, then the application object, then the bar.

#include <gtest/gtest.h>
#include <QApplication>

#include "shell/framework/application.h"
#include "shell/framework/window.h"
#include "shell/menu.h"
#include "shell/startup.h"
#include "tests/support/recording_feedback.h"

namespace testing_support {

class ShellTest : public testing::Test {
protected:
  void SetUp() override {
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
  }
  void TearDown() override {
    fw::ReleaseImplicitWindows();
    fw::_RuntimeRegisterAppObject(nullptr);
    Menu::__Exit();
  }

  // The registered instance of a window class W, or nullptr: asks without building one.
  template <class W>
  static W* Registered() {
    return dynamic_cast<W*>(fw::_GetImplicitWindow(W::kClassFullName));
  }
  template <class W>
  static bool Shown() {
    const W* window = Registered<W>();
    return window != nullptr && window->IsVisible();
  }

  RecordingFeedback feedback;
};

}  // namespace testing_support
