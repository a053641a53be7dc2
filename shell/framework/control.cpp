#include "shell/framework/control.h"

#include <stdexcept>

namespace fw {
namespace {

template <class Handler>
Handler Take(std::string_view event, EventHandler& handler) {
  if (auto* h = std::get_if<Handler>(&handler))
    return std::move(*h);
  throw std::invalid_argument("handler of the wrong shape for event '" + std::string(event) + "'");
}

}  // namespace

void Control::InstallHandler(std::string_view event, EventHandler handler) {
  if (event == "Action")
    m_action = Take<ActionHandler>(event, handler);
  else if (event == "KeyDown")
    m_keyDown = Take<KeyDownHandler>(event, handler);
  else if (event == "MouseDown")
    m_mouseDown = Take<MouseDownHandler>(event, handler);
  else
    throw std::invalid_argument("no event '" + std::string(event) + "' on a control");
}

bool Control::HasHandler(std::string_view event) const {
  if (event == "Action")
    return static_cast<bool>(m_action);
  if (event == "KeyDown")
    return static_cast<bool>(m_keyDown);
  if (event == "MouseDown")
    return static_cast<bool>(m_mouseDown);
  return false;
}

void Control::RaiseAction() const {
  if (m_action)
    m_action();
}

bool Control::RaiseKeyDown(const String& key) const { return m_keyDown ? m_keyDown(key) : false; }

bool Control::RaiseMouseDown(std::int32_t x, std::int32_t y) const { return m_mouseDown ? m_mouseDown(x, y) : false; }

void _InstallInstanceEventHandler(Control& control, std::string_view event, EventHandler handler) {
  control.InstallHandler(event, std::move(handler));
}

}  // namespace fw
