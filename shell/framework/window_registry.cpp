#include "shell/framework/window_registry.h"

#include <algorithm>

#include "shell/framework/runtime.h"
#include "shell/framework/window.h"

namespace fw {

namespace {

struct Registry {
  std::vector<std::unique_ptr<Window>> open;
  // Closed windows wait here until none of their handlers can be on the stack.
  std::vector<std::unique_ptr<Window>> closed;
};

// Never destroyed by a static destructor, where Qt may be gone already: shut-down releases
// the windows (ReleaseImplicitWindows), and so does the run time when the X connection breaks.
Registry& TheRegistry() {
  static auto* const registry = new Registry;
  return *registry;
}

}  // namespace

void RetireImplicitWindow(Window& window) {
  auto& open = TheRegistry().open;
  const auto it = std::find_if(open.begin(), open.end(), [&](const auto& w) { return w.get() == &window; });
  if (it == open.end())
    return;
  TheRegistry().closed.push_back(std::move(*it));
  open.erase(it);
  WhenEventLoopIdle([] { TheRegistry().closed.clear(); });
}

Window* _GetImplicitWindow(std::string_view fullName) {
  for (const auto& window : TheRegistry().open)
    if (window->ClassFullName() == fullName)
      return window.get();
  return nullptr;
}

Window& RegisterImplicitWindow(std::unique_ptr<Window> window) {
  TheRegistry().open.push_back(std::move(window));
  return *TheRegistry().open.back();
}

void ReleaseImplicitWindows() {
  // Newest first, so a window never outlives one it was built after.
  auto& open = TheRegistry().open;
  while (!open.empty())
    open.pop_back();
  TheRegistry().closed.clear();
}

std::vector<Window*> ImplicitWindows() {
  std::vector<Window*> windows;
  for (const auto& window : TheRegistry().open)
    windows.push_back(window.get());
  return windows;
}

}  // namespace fw
