#pragma once

// Menu handlers bound to item names, for one window or for the whole application.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

// A menu command's handler; every handler of the program reports false.
using MenuHandler = std::function<bool()>;

class MenuHandlerTable final {
public:
  void Add(std::string_view itemName, MenuHandler handler) {
    m_handlers.emplace_back(std::string(itemName), std::move(handler));
  }
  // The first handler bound to that item name, or nullptr.
  const MenuHandler* Find(std::string_view itemName) const {
    for (const auto& [name, handler] : m_handlers)
      if (name == itemName)
        return &handler;
    return nullptr;
  }

private:
  std::vector<std::pair<std::string, MenuHandler>> m_handlers;
};

}  // namespace fw
