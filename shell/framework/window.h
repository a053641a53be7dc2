#pragma once

// The base of the program's windows. A window is built by Constructor, which runs its hooks
// Layout, CreateControls and AddMenuHandlers and then raises Open; its controls are entered
// under their names and found by them. Every window class has one implicit instance, kept in
// the registry (window_registry.h) and reached through the class's accessor (ImplicitWindow):
// a window the user closes leaves the registry, so the accessor then builds a new one. Hiding
// keeps it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/framework/control.h"
#include "shell/framework/menu_handlers.h"
#include "shell/framework/nil_object_exception.h"
#include "shell/framework/property_set.h"
#include "shell/framework/window_registry.h"

class QWidget;

namespace fw {

class MenuBar;
class WindowWidget;

class Window : public PropertyTarget {
public:
  Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window() override;

  // The class's full name, as the registry knows it ("ControlWnd.ControlWnd").
  virtual std::string_view ClassFullName() const = 0;

  // Builds the window: Layout, CreateControls, AddMenuHandlers, then the Open event. A window
  // whose set says Visible is shown once it is built; it reaches the screen when the event loop
  // next turns, unless it is hidden before.
  void Constructor();
  // Shows the window, restored if it was minimized, in front and with the focus.
  void Show();
  void Hide();
  bool IsVisible() const;
  // Closes the window as its close button does: raises Close, and the window leaves the
  // registry.
  void Close();

  // A new control of kind T for this window, constructed but not yet entered.
  template <class T>
  std::unique_ptr<T> __New() {
    auto control = std::make_unique<T>(*this);
    control->Constructor();
    return control;
  }
  // Enters the control under its name; from then on the name finds it.
  Control& _AddControl(std::string name, std::unique_ptr<Control> control);
  // The control of that name, or nullptr.
  Control* FindControl(std::string_view name) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return m_controls; }

  void SetProperty(std::string_view key, const PropertyValue& value) override;
  // The window takes the size and the size limits that the set gave, if it gave any.
  void SetComplete() override;

  // The window's own bar, or none. A document window (Frame 0) shows its own bar at its top,
  // or else the application's.
  MenuBar* GetMenuBar() const { return m_menuBar; }
  void SetMenuBar(MenuBar* bar);

  // Binds a handler to a menu item's name for this window.
  void _AddMenuHandler(std::string_view itemName, MenuHandler handler);
  // Binds the operation to the item name for this window, run on receiver taken as the
  // operation's class W: an AddMenuHandlers hook binds its handlers so, on the window it is
  // given. A receiver of another class raises NilObjectException.
  template <class W>
  void _AddMenuHandler(std::string_view itemName, Window& receiver, bool (W::*operation)());
  // The handler this window bound to that item name, or nullptr.
  const MenuHandler* MenuHandlerFor(std::string_view itemName) const;

  QWidget& TopLevel() const;
  // The area that holds the controls; positions are in its coordinates.
  QWidget& Content() const;

  // Window events; a class hooks the ones it handles.
  virtual void Event_Open() { }
  virtual void Event_Close() { }
  virtual void Event_Activate() { }
  virtual void Event_EnableMenuItems() { }
  virtual bool Event_KeyDown(const String& key) {
    (void)key;
    return false;
  }
  virtual bool Event_MouseDown(std::int32_t x, std::int32_t y) {
    (void)x;
    (void)y;
    return false;
  }

protected:
  virtual void Layout() { }
  virtual void CreateControls() { }
  virtual void AddMenuHandlers(Window& w) { (void)w; }

private:
  friend class WindowWidget;
  void ShowWhenBuilt();
  void CancelShowWhenBuilt();
  void ApplyTabOrder();
  void ApplySizeLimits();
  void ShowMenuBar();
  void ContentResized(int width, int height);

  std::unique_ptr<WindowWidget> m_widget;
  std::vector<std::unique_ptr<Control>> m_controls;
  MenuHandlerTable m_menuHandlers;
  MenuBar* m_menuBar { nullptr };
  bool m_visibleWhenBuilt { true };
  bool m_showPending { false };
  bool m_resizeable { true };
  bool m_sizeGiven { false };  // a size key came in the set being given
  std::int32_t m_frame { 0 };
  int m_width { 0 };
  int m_height { 0 };
  int m_minWidth { 0 };
  int m_minHeight { 0 };
  int m_maxWidth { 32000 };
  int m_maxHeight { 32000 };
  bool m_menuBarVisible { true };
  bool m_placed { false };
};

// The window's control of that name; NilObjectException when it has none.
Control& RuntimeWindowControlByName(const Window& window, std::string_view name);

// The control of that name taken as kind T; NilObjectException when it has none of that kind.
template <class T>
T& ControlAs(const Window& window, std::string_view name) {
  return NotNil(dynamic_cast<T*>(window.FindControl(name)),
                "no control '" + std::string(name) + "' of that kind in " + std::string(window.ClassFullName()));
}

// The window taken as its class W; NilObjectException when it is of another class.
template <class W>
W& WindowAs(Window& window) {
  return NotNil(dynamic_cast<W*>(&window),
                std::string(window.ClassFullName()) + " as " + std::string(W::kClassFullName));
}

template <class W>
void Window::_AddMenuHandler(std::string_view itemName, Window& receiver, bool (W::*operation)()) {
  W& target = WindowAs<W>(receiver);
  _AddMenuHandler(itemName, [&target, operation] { return (target.*operation)(); });
}

// The accessor of a window class W with a constant kClassFullName: the registered instance,
// or else a new one, registered and built. A window whose building fails is released, so the
// next use builds it afresh instead of finding it half made.
template <class W>
W& ImplicitWindow() {
  if (Window* open = _GetImplicitWindow(W::kClassFullName))
    return WindowAs<W>(*open);
  auto& window = static_cast<W&>(RegisterImplicitWindow(std::make_unique<W>()));
  try {
    window.Constructor();
  } catch (...) {
    RetireImplicitWindow(window);
    throw;
  }
  return window;
}

}  // namespace fw
