#pragma once

// The run time of the layer: start, the start-up callback, the event loop, quitting with a
// code, the default handling of an exception that nothing else caught, and exit.
//
// No exception may unwind through Qt's own frames. The application object that RuntimeInit
// makes catches whatever escapes an event handler where Qt delivers the event, and the layer's
// dispatch points into program code catch it sooner (CallGuarded); either way it goes to
// _UnhandledException.

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace fw {

// The process status after an exception reached _UnhandledException.
inline constexpr std::int32_t kUnhandledExceptionStatus = 1;
// The process status when no display could be opened, or no platform of Qt's started.
inline constexpr std::int32_t kNoDisplayStatus = 1;

// Starts the run time of the program of that name: the one Qt application, made before any
// window. It keeps running when its last window closes; the program decides when to quit. When
// there is no display to open (no X server, an unreadable DISPLAY, no platform that starts),
// the process ends here with kNoDisplayStatus after saying so on standard error, the display
// named. When the connection to the X server breaks, Qt ends the process at once; the run time
// releases the windows before.
void RuntimeInit(int& argc, char** argv, std::string_view programName);

// The name the run time was started with, which its message boxes bear as their title; empty
// before RuntimeInit.
const std::string& ProgramName();

// Stops the run time and returns the process exit status: the code of the last Quit, or
// kUnhandledExceptionStatus once an exception has reached _UnhandledException, so that a
// failure never reports success.
std::int32_t RuntimeExit();

// Readies the layer's external classes. This layer has none: the step keeps its place in
// start-up.
void _RuntimeInitExternalClasses();

// Creates the table of plug-in entry points; the program declares none, and this layer loads
// no plug-ins.
void _InitPluginEntrypoints();

// Runs the program's start-up sequence, once, and then tells a run watcher (run_watcher.h).
void _RunFrameworkInitialization(const std::function<void()>& startup);

// The event loop: returns when the application quits. After an unhandled exception it is not
// entered (again).
void _RuntimeRun();

// Runs call once the event loop of _RuntimeRun next waits for events while no event is being
// handled: then no handler is on the stack, however deep the yields, message boxes and dialogs
// that ran their own loops in the meantime.
void WhenEventLoopIdle(std::function<void()> call);

// The default handling of an exception that nothing caught: names it on standard error and in
// a message box, and marks the run as failed. A running event loop then ends.
void _UnhandledException(std::exception_ptr e);

// Runs call; an exception that escapes it goes to _UnhandledException instead of on.
void CallGuarded(const std::function<void()>& call);

// Asks the event loop to end; the exit code becomes what RuntimeExit returns. The caller
// returns normally.
void Quit(std::int32_t code = 0);

// The code of the last Quit (0 when nothing quit with another code).
std::int32_t QuitCode();

}  // namespace fw
