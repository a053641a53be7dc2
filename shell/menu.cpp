#include "shell/menu.h"

#include <memory>
#include <optional>
#include <span>

#include "shell/handle_about_menu.h"

namespace Menu {
namespace {

enum class ItemClass { Plain, Quit, Apple };

// One menu or item of the bar. Every row but the separator sets its shortcut, if only to "".
struct ItemRow final {
  const char* name;
  ItemClass kind;
  const char* text;
  std::optional<const char*> shortcut;
  bool autoEnable;
};

constexpr ItemRow kFileMenu { "FileMenu", ItemClass::Plain, "File", "", false };
constexpr ItemRow kFileItems[] = {
  { "Print", ItemClass::Plain, "Print", "", true },
  { "FileQuit", ItemClass::Quit, "Quit", "Cmd+Q", true },
};

constexpr ItemRow kEditMenu { "UntitledMenu0", ItemClass::Plain, "Edit", "", false };
constexpr ItemRow kEditItems[] = {
  { "EditUndo", ItemClass::Plain, "Undo", "Cmd+Z", false },
  { "UntitledMenu1", ItemClass::Plain, "-", std::nullopt, false },
  { "EditCut", ItemClass::Plain, "Cut", "Cmd+X", false },
  { "EditCopy", ItemClass::Plain, "Copy", "Cmd+C", false },
  { "EditPaste", ItemClass::Plain, "Paste", "Cmd+V", false },
  { "EditClear", ItemClass::Plain, "", "", false },
};

constexpr ItemRow kWindowMenu { "WindowMenu", ItemClass::Plain, "Window", "", false };
constexpr ItemRow kWindowItems[] = {
  { "ControlMenuItem", ItemClass::Plain, "Control", "", false },
  { "DescriptionMenuItem", ItemClass::Plain, "Description", "", false },
  { "AboutMenuItem", ItemClass::Plain, "About Quillon", "", false },
  { "AboutPXM", ItemClass::Apple, "About Quillon", "", false },
};

std::unique_ptr<fw::MenuItem> NewOfClass(ItemClass kind) {
  switch (kind) {
    case ItemClass::Quit:
      return fw::NewMenuItem<fw::QuitMenuItem>();
    case ItemClass::Apple:
      return fw::NewMenuItem<fw::AppleMenuItem>();
    case ItemClass::Plain:
      break;
  }
  return fw::NewMenuItem<fw::MenuItem>();
}

std::unique_ptr<fw::MenuItem> NewItem(const ItemRow& row) {
  auto item = NewOfClass(row.kind);
  item->SetName(row.name);
  item->SetAutoEnable(row.autoEnable);
  item->SetText(row.text);
  if (row.shortcut)
    item->SetKeyboardShortcut(*row.shortcut);
  return item;
}

// The menu goes into the bar before its first item is made; each item then finds its menu
// by name among the bar's menus.
void BuildMenu(fw::MenuBar& bar, const ItemRow& menu, std::span<const ItemRow> items) {
  bar.Append(NewItem(menu));
  for (const ItemRow& row : items)
    fw::NotNil(bar.Child(menu.name), std::string("the menu ") + menu.name).Append(NewItem(row));
}

// The item of that name in the application's bar.
template <class T>
T* ApplicationItem(std::string_view name) {
  return fw::LookupAs<T>(fw::NotNil(App().GetMenuBar(), "the application's menu bar"), name);
}

// The shared bar while it exists: nil before the first Menu() and after __Exit.
std::unique_ptr<class Menu> _implicitInstance;

}  // namespace

void Menu::Constructor() {
  Untitled1();
  Untitled2();
  Untitled3();
}

void Menu::Untitled1() { BuildMenu(*this, kFileMenu, kFileItems); }
void Menu::Untitled2() { BuildMenu(*this, kEditMenu, kEditItems); }
void Menu::Untitled3() { BuildMenu(*this, kWindowMenu, kWindowItems); }

class Menu& Menu() {
  if (_implicitInstance == nullptr) {
    auto bar = std::make_unique<class Menu>();
    bar->Constructor();
    _implicitInstance = std::move(bar);
  }
  return *_implicitInstance;
}

void __Exit() { _implicitInstance.reset(); }

}  // namespace Menu

fw::AppleMenuItem* AboutPXM() { return Menu::ApplicationItem<fw::AppleMenuItem>("AboutPXM"); }
fw::MenuItem* AboutMenuItem() { return Menu::ApplicationItem<fw::MenuItem>("AboutMenuItem"); }
fw::MenuItem* DescriptionMenuItem() { return Menu::ApplicationItem<fw::MenuItem>("DescriptionMenuItem"); }
fw::MenuItem* ControlMenuItem() { return Menu::ApplicationItem<fw::MenuItem>("ControlMenuItem"); }
