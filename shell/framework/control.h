#pragma once

// The base of every control: its name in its window, its owner, and the handlers that code
// installs on its events by name ("Action", "KeyDown", "MouseDown").

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "shell/framework/property_set.h"
#include "shell/framework/text_functions.h"

namespace fw {

class Window;

using ActionHandler = std::function<void()>;
// Gets the key as a one-character String; true keeps the key out of the control.
using KeyDownHandler = std::function<bool(const String& key)>;
// Gets the click position in the control's coordinates.
using MouseDownHandler = std::function<bool(std::int32_t x, std::int32_t y)>;
using EventHandler = std::variant<ActionHandler, KeyDownHandler, MouseDownHandler>;

class Control : public PropertyTarget {
public:
  explicit Control(Window& owner) : m_owner(owner) { }
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  ~Control() override = default;

  Window& Owner() const { return m_owner; }
  const std::string& Name() const { return m_name; }
  // The name under which the window entered the control.
  void SetName(std::string name) { m_name = std::move(name); }

  // The default construction of a freshly made control; each kind makes its widget here.
  virtual void Constructor() { }

  // Installs the handler of an event: "Action" (an ActionHandler), "KeyDown" (a
  // KeyDownHandler) or "MouseDown" (a MouseDownHandler). Another event name, or a handler of
  // another shape, is a programming error and throws std::invalid_argument.
  void InstallHandler(std::string_view event, EventHandler handler);

  // Whether a handler is installed for the event.
  bool HasHandler(std::string_view event) const;

protected:
  // Raise an event; a control without a handler for it reports false.
  void RaiseAction() const;
  bool RaiseKeyDown(const String& key) const;
  bool RaiseMouseDown(std::int32_t x, std::int32_t y) const;

private:
  Window& m_owner;
  std::string m_name;
  ActionHandler m_action;
  KeyDownHandler m_keyDown;
  MouseDownHandler m_mouseDown;
};

// The one hook the program uses to install an event handler on a control.
void _InstallInstanceEventHandler(Control& control, std::string_view event, EventHandler handler);

}  // namespace fw
