#pragma once

// Menu items and the menu bar: a tree of items, each known by its Name. A menu is an item
// that holds items; a bar is an item that holds menus. Code finds items by name (Child for a
// direct child, _Lookup at any depth) and binds menu handlers to item names (window.h,
// application.h); how the tree is shown and chosen from is menu_bar_view.h.
//
// An item's text "-" makes it a separator. Only Enabled changes once the bar is built; the
// layer's menu update sets it before a menu opens and before a shortcut acts.

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "shell/framework/text_functions.h"

namespace fw {

class MenuItem {
public:
  MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  virtual ~MenuItem();

  // The default construction of a freshly made item.
  virtual void Constructor() { }

  const String& Name() const { return m_name; }
  void SetName(String name) { m_name = std::move(name); }
  const String& Text() const { return m_text; }
  void SetText(String text) { m_text = std::move(text); }
  // The shortcut as the tables write it ("Cmd+Q"); nothing when it was never set.
  const std::optional<String>& KeyboardShortcut() const { return m_shortcut; }
  void SetKeyboardShortcut(String shortcut) { m_shortcut = std::move(shortcut); }
  bool AutoEnable() const { return m_autoEnable; }
  void SetAutoEnable(bool autoEnable) { m_autoEnable = autoEnable; }
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled) { m_enabled = enabled; }
  void Enable() { m_enabled = true; }

  bool IsSeparator() const { return m_text == "-"; }

  // Adds item as the last child and returns it.
  MenuItem& Append(std::unique_ptr<MenuItem> item);
  // The direct child of that name, or nullptr.
  MenuItem* Child(std::string_view name) const;
  // The item of that name at any depth below this one, or nullptr.
  MenuItem* _Lookup(std::string_view name) const;
  const std::vector<std::unique_ptr<MenuItem>>& Children() const { return m_children; }

private:
  String m_name;
  String m_text;
  std::optional<String> m_shortcut;
  bool m_autoEnable { false };
  bool m_enabled { true };
  std::vector<std::unique_ptr<MenuItem>> m_children;
};

// The item that carries the layer's quit command: choosing it quits with code 0, unless a
// handler is bound to its name.
class QuitMenuItem final : public MenuItem { };

// An item that a platform with an application menu would show there; this layer shows it
// where it was appended.
class AppleMenuItem final : public MenuItem { };

// The top of a tree: its children are the menus. A bar that goes away leaves no application
// object pointing at it.
class MenuBar : public MenuItem {
public:
  ~MenuBar() override;
};

// A new item of kind T, its default construction run.
template <class T>
std::unique_ptr<T> NewMenuItem() {
  auto item = std::make_unique<T>();
  item->Constructor();
  return item;
}

// The item of that name at any depth below root, taken as kind T; nullptr when there is no
// such item or it is of another kind.
template <class T>
T* LookupAs(const MenuItem& root, std::string_view name) {
  return dynamic_cast<T*>(root._Lookup(name));
}

}  // namespace fw
