#include "shell/framework/runtime.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QThread>

#include "shell/framework/clipboard_text.h"
#include "shell/framework/feedback.h"
#include "shell/framework/run_watcher.h"
#include "shell/framework/window.h"

namespace fw {
namespace {

// The Qt application of the run time. An exception that escapes the handler of an event stops
// here, where Qt delivers the event, and goes to the default handling.
class RuntimeApplication final : public QApplication {
public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    ++m_deliveries;
    const auto leave = qScopeGuard([this] { --m_deliveries; });
    try {
      return QApplication::notify(receiver, event);
    } catch (...) {
      _UnhandledException(std::current_exception());
      return true;
    }
  }

  // How many events are being delivered, one inside another.
  int Deliveries() const { return m_deliveries; }

private:
  int m_deliveries { 0 };
};

// Never destroyed by a static destructor: when Qt ends the process with exit() (the X
// connection lost), the statics that Qt made during the run are gone before ours.
RuntimeApplication* g_app = nullptr;
bool g_makingApplication = false;
std::string g_programName;
std::int32_t g_quitCode = 0;
bool g_failed = false;
bool g_inEventLoop = false;
std::vector<std::function<void()>> g_whenIdle;
QtMessageHandler g_qtMessageHandler = nullptr;

// The run time's own event loop waits for events, and no event is being handled: nothing of
// the program is on the stack.
bool EventLoopIsIdle() {
  return g_inEventLoop && QThread::currentThread()->loopLevel() == 1 && (g_app == nullptr || g_app->Deliveries() == 0);
}

void RunWhenIdleCalls() {
  if (!EventLoopIsIdle())
    return;
  for (const auto& call : std::exchange(g_whenIdle, {}))
    call();
}

// The display the program was to show its windows on, as the environment names it.
std::string DisplayNamed() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr ? "DISPLAY=\"" + std::string(display) + "\"" : std::string("DISPLAY is not set");
}

// Qt's platform plugin could not start while the Qt application was being made: Qt has said
// why, and would now abort, which reads as a crash and may leave a core file. The program says
// which display it could not use and ends with a status instead. Nothing of the program exists
// yet and the Qt application is half made, so no destructor or exit handler may run.
[[noreturn]] void EndWithoutDisplay() {
  std::fprintf(stderr, "%s cannot start: no display to show its windows on (%s)\n", g_programName.c_str(),
               DisplayNamed().c_str());
  std::fflush(nullptr);
  std::_Exit(kNoDisplayStatus);
}

// Qt's X platform ends the process with exit(1) when the connection to the X server breaks,
// right after it warns so. The windows are released here, while Qt and the application object
// still stand. A fatal message while the Qt application is being made comes from a platform
// plugin that could not start.
void PassOnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  g_qtMessageHandler(type, context, message);
  if (type == QtFatalMsg && g_makingApplication)
    EndWithoutDisplay();
  if (type == QtWarningMsg && message.startsWith(QLatin1String("The X11 connection broke")))
    ReleaseImplicitWindows();
}

std::string Demangled(const char* name) {
  int status = 0;
  const std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                                        std::free);
  return status == 0 ? std::string(readable.get()) : std::string(name);
}

// "<type>: <what>" for a standard exception, the type alone for any other.
std::string Describe(std::exception_ptr e) {
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& x) {
    return Demangled(typeid(x).name()) + ": " + x.what();
  } catch (...) {
    const std::type_info* type = abi::__cxa_current_exception_type();
    return type != nullptr ? Demangled(type->name()) : std::string("unknown exception");
  }
}

}  // namespace

void RuntimeInit(int& argc, char** argv, std::string_view programName) {
  g_programName = programName;
  g_qtMessageHandler = qInstallMessageHandler(PassOnMessage);
  g_makingApplication = true;
  g_app = new RuntimeApplication(argc, argv);
  g_makingApplication = false;
  QApplication::setQuitOnLastWindowClosed(false);
  WatchClipboard();
}

const std::string& ProgramName() { return g_programName; }

std::int32_t RuntimeExit() {
  delete std::exchange(g_app, nullptr);
  return g_failed ? kUnhandledExceptionStatus : g_quitCode;
}

void _RuntimeInitExternalClasses() { }

void _InitPluginEntrypoints() { }

void _RunFrameworkInitialization(const std::function<void()>& startup) {
  startup();
  if (RunWatcher* watcher = CurrentRunWatcher())
    watcher->StartupRan();
}

void _RuntimeRun() {
  if (g_failed)
    return;
  g_inEventLoop = true;
  QApplication::exec();
  g_inEventLoop = false;
}

void WhenEventLoopIdle(std::function<void()> call) {
  static QPointer<QAbstractEventDispatcher> watched;
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(); dispatcher != watched) {
    watched = dispatcher;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, RunWhenIdleCalls);
  }
  g_whenIdle.push_back(std::move(call));
}

void _UnhandledException(std::exception_ptr e) {
  const std::string text = "An exception was not handled: " + Describe(e);
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  g_failed = true;
  MsgBox(text);
  QCoreApplication::exit(kUnhandledExceptionStatus);
}

void CallGuarded(const std::function<void()>& call) {
  try {
    call();
  } catch (...) {
    _UnhandledException(std::current_exception());
  }
}

void Quit(std::int32_t code) {
  g_quitCode = code;
  QCoreApplication::exit(code);
}

std::int32_t QuitCode() { return g_quitCode; }

}  // namespace fw
