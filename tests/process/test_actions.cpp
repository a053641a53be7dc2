// The test build of the program: the shipped program's steps, as shell/main.cpp runs them,
// with a run watcher and a feedback that play the user QUILLON_TEST_ACTION names, so that a
// test can run the whole program as a process on the offscreen platform and read its exit
// status.
//   close-main        closes the main window once it is up, as its close button does
//   quit              presses Ctrl+Q in the main window once it is up
//   throw-at-startup  throws out of start-up once the launcher and the splash are built
//   throw-in-handler  a menu handler of the main window throws when its item is chosen
//   throw-in-event    an event handler throws inside the event loop
// Messages go to standard error ("message: <text>") instead of a dialog that nobody would
// dismiss. Between shut-down and the run time's exit the build says on standard error what
// shut-down left behind: "shut-down: <n> windows, menu bar released|kept, file types
// released|kept".

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include "calculator/control_wnd.h"
#include "shell/framework/application.h"
#include "shell/framework/feedback.h"
#include "shell/framework/menu_bar_view.h"
#include "shell/framework/run_watcher.h"
#include "shell/framework/runtime.h"
#include "shell/framework/window.h"
#include "shell/startup.h"

namespace {

std::string Action() {
  const char* action = std::getenv("QUILLON_TEST_ACTION");
  return action != nullptr ? action : "";
}

class StandardErrorFeedback final : public fw::Feedback {
public:
  void ShowMessage(const fw::String& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
  void Beep() override { }
  void BackgroundTask() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
  std::unique_ptr<QPrinter> ChoosePrinter() override { return nullptr; }
};

void ActOnTheMainWindow(const std::string& action) {
  class ControlWnd::ControlWnd& main = ControlWnd::ControlWnd();
  if (action == "close-main") {
    main.Close();
  } else if (action == "quit") {
    // Shortcuts act in the active window, as a user's key press would find it.
    if (!QTest::qWaitForWindowActive(&main.TopLevel()))
      std::fprintf(stderr, "the main window did not become active\n");
    QTest::keyClick(&main.TopLevel(), Qt::Key_Q, Qt::ControlModifier);
  } else if (action == "throw-in-handler") {
    main._AddMenuHandler("Print", []() -> bool { throw std::runtime_error("thrown by a menu handler"); });
    auto* bar = main.TopLevel().findChild<fw::MenuBarView*>();
    bar->Refresh();
    bar->ActionFor("Print")->trigger();
  } else if (action == "throw-in-event") {
    QTimer::singleShot(0, [] { throw std::runtime_error("thrown by an event handler"); });
  }
}

// Acts once the main window has been shown, from the event loop.
class MainWindowWatcher final : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    const fw::Window* main = fw::_GetImplicitWindow(ControlWnd::ControlWnd::kClassFullName);
    if (event->type() == QEvent::Show && main != nullptr && receiver == &main->TopLevel()) {
      std::fprintf(stderr, "main window shown\n");
      qApp->removeEventFilter(this);
      QTimer::singleShot(0, [] { ActOnTheMainWindow(Action()); });
    }
    return false;
  }
};

// Throws out of start-up when asked to, and counts the declared file types that are still held.
class TestRunWatcher final : public fw::RunWatcher {
public:
  void StartupRan() override {
    if (Action() == "throw-at-startup")
      throw std::runtime_error("thrown at start-up");
  }
  void FileTypeRegistered(const fw::FileType&) override { ++m_fileTypesHeld; }
  void FileTypeReleased(const fw::FileType&) override { --m_fileTypesHeld; }
  bool FileTypesReleased() const { return m_fileTypesHeld == 0; }

private:
  int m_fileTypesHeld { 0 };
};

// A released menu bar leaves the application without one.
bool MenuBarReleased() {
  const fw::Application* app = fw::_GetAppObject();
  return app == nullptr || app->GetMenuBar() == nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  StandardErrorFeedback feedback;
  fw::SetFeedback(&feedback);
  TestRunWatcher watcher;
  fw::SetRunWatcher(&watcher);

  fw::RuntimeInit(argc, argv, "Quillon");
  qApp->installEventFilter(new MainWindowWatcher(qApp));
  _Main();
  _ModuleFinaliser();
  std::fprintf(stderr, "shut-down: %zu windows, menu bar %s, file types %s\n", fw::ImplicitWindows().size(),
               MenuBarReleased() ? "released" : "kept", watcher.FileTypesReleased() ? "released" : "kept");
  const std::int32_t status = fw::RuntimeExit();
  fw::SetRunWatcher(nullptr);
  fw::SetFeedback(nullptr);
  return status;
}
