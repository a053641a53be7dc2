#include "shell/framework/menu_item.h"

#include "shell/framework/application.h"

namespace fw {

MenuItem::~MenuItem() = default;

MenuItem& MenuItem::Append(std::unique_ptr<MenuItem> item) {
  m_children.push_back(std::move(item));
  return *m_children.back();
}

MenuItem* MenuItem::Child(std::string_view name) const {
  for (const auto& child : m_children)
    if (child->Name() == name)
      return child.get();
  return nullptr;
}

MenuItem* MenuItem::_Lookup(std::string_view name) const {
  for (const auto& child : m_children) {
    if (child->Name() == name)
      return child.get();
    if (MenuItem* below = child->_Lookup(name))
      return below;
  }
  return nullptr;
}

MenuBar::~MenuBar() {
  if (Application* app = _GetAppObject(); app != nullptr && app->GetMenuBar() == this)
    app->SetMenuBar(nullptr);
}

}  // namespace fw
