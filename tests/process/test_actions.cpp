// Linked only into the test build of the program, never into the shipped one: it plays the
// user that QUILLON_TEST_ACTION names, so that a test can run the whole program as a process
// on the offscreen platform and read its exit status.
//   close-main        closes the main window once it is up, as its close button does
//   quit              presses Ctrl+Q in the main window once it is up
//   throw-at-startup  throws out of start-up once the launcher and the splash are built
//   throw-in-handler  a menu handler of the main window throws when its item is chosen
//   throw-in-event    an event handler throws inside the event loop
// Messages go to standard error instead of a dialog that nobody would dismiss. The linker
// wraps two of the program's functions (see CMakeLists.txt): the launcher's accessor, which
// start-up calls last, and the run time's exit, which reports what shut-down left behind.

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
#include "shell/file_types.h"
#include "shell/framework/feedback.h"
#include "shell/framework/menu_bar_view.h"
#include "shell/framework/runtime.h"
#include "shell/framework/window.h"
#include "shell/invisible_wnd.h"
#include "shell/menu.h"

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

void Install() {
  static StandardErrorFeedback feedback;
  fw::SetFeedback(&feedback);
  qApp->installEventFilter(new MainWindowWatcher(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)

extern "C" {

class InvisibleWnd::InvisibleWnd& __real__ZN12InvisibleWnd12InvisibleWndEv();
std::int32_t __real__ZN2fw11RuntimeExitEv();

class InvisibleWnd::InvisibleWnd& __wrap__ZN12InvisibleWnd12InvisibleWndEv() {
  class InvisibleWnd::InvisibleWnd& launcher = __real__ZN12InvisibleWnd12InvisibleWndEv();
  if (Action() == "throw-at-startup")
    throw std::runtime_error("thrown at start-up");
  return launcher;
}

std::int32_t __wrap__ZN2fw11RuntimeExitEv() {
  std::fprintf(stderr, "shut-down: %zu windows, menu bar %s, file types %s\n", fw::ImplicitWindows().size(),
               Menu::_implicitInstance == nullptr ? "released" : "kept",
               FileTypes::pText == nullptr && FileTypes::pUntitledType == nullptr ? "released" : "kept");
  return __real__ZN2fw11RuntimeExitEv();
}

}  // extern "C"
