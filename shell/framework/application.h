#pragma once

// The application object: the one object of the program that outlives every window. It holds
// the menu bar that windows without a bar of their own show, the menu handlers bound to item
// names for the whole application, and its menu-enabling rule. The program registers one
// instance at start-up; the layer keeps it for the rest of the process.

#include <memory>
#include <string_view>

#include "shell/framework/menu_handlers.h"

namespace fw {

class MenuBar;

class Application {
public:
  Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application() = default;

  // The application's bar (Application.MenuBar), or none.
  MenuBar* GetMenuBar() const { return m_menuBar; }
  void SetMenuBar(MenuBar* bar) { m_menuBar = bar; }

  // Binds a handler to a menu item's name for the whole application.
  void _AddMenuHandler(std::string_view itemName, MenuHandler handler) {
    m_menuHandlers.Add(itemName, std::move(handler));
  }
  // The handler the application bound to that item name, or nullptr.
  const MenuHandler* MenuHandlerFor(std::string_view itemName) const { return m_menuHandlers.Find(itemName); }

  // The application's menu update: sets the Enabled state of the items it cares for. Its
  // handlers enable nothing by themselves.
  virtual void Event_EnableMenuItems() { }

private:
  MenuHandlerTable m_menuHandlers;
  MenuBar* m_menuBar { nullptr };
};

// Makes app the application object, in place of any earlier one (nullptr: none); the layer
// keeps it.
void _RuntimeRegisterAppObject(std::unique_ptr<Application> app);
// The application object, or nullptr before one is registered.
Application* _GetAppObject();

}  // namespace fw
