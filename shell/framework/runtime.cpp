#include "shell/framework/runtime.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

#include <QApplication>

#include "shell/framework/feedback.h"
#include "shell/framework/run_watcher.h"

namespace fw {
namespace {

// The Qt application of the run time. An exception that escapes the handler of an event stops
// here, where Qt delivers the event, and goes to the default handling.
class RuntimeApplication final : public QApplication {
public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (...) {
      _UnhandledException(std::current_exception());
      return true;
    }
  }
};

std::unique_ptr<RuntimeApplication> g_app;
std::string g_programName;
std::int32_t g_quitCode = 0;
bool g_failed = false;

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
  g_app = std::make_unique<RuntimeApplication>(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
}

const std::string& ProgramName() { return g_programName; }

std::int32_t RuntimeExit() {
  g_app.reset();
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
  if (!g_failed)
    QApplication::exec();
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
