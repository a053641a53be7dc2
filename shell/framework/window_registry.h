#pragma once

// The registry of implicit instances: the one open window of each window class, found by the
// class's full name. A window the user closes leaves it, and is released only once none of its
// handlers can be on the stack.

#include <memory>
#include <string_view>
#include <vector>

namespace fw {

class Window;

// The registered instance of the window class of that full name, or nullptr.
Window* _GetImplicitWindow(std::string_view fullName);
// Enters a new window in the registry, which keeps it until it is closed or released.
Window& RegisterImplicitWindow(std::unique_ptr<Window> window);
// Releases every window: at shut-down, or when the X connection breaks.
void ReleaseImplicitWindows();
// Takes a window out of the registry and releases it once no handler can be on the stack: when
// the event loop next waits with no event being handled (WhenEventLoopIdle).
void RetireImplicitWindow(Window& window);
// Every registered window, oldest first.
std::vector<Window*> ImplicitWindows();

}  // namespace fw
