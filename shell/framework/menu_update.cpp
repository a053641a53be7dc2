#include "shell/framework/menu_update.h"

#include <QTextEdit>

#include "shell/framework/application.h"
#include "shell/framework/clipboard_text.h"
#include "shell/framework/menu_bar_view.h"
#include "shell/framework/runtime.h"
#include "shell/framework/window.h"

namespace fw {
namespace {

// The Edit items that the layer serves on the focused text field, by their names.
struct EditCommand final {
  std::string_view itemName;
  bool (*canAct)(const QTextEdit& field);
  void (*act)(QTextEdit& field);
};

bool HasSelection(const QTextEdit& field) { return field.textCursor().hasSelection(); }

constexpr EditCommand kEditCommands[] = {
  { "EditUndo", [](const QTextEdit& f) { return !f.isReadOnly() && f.document()->isUndoAvailable(); },
    [](QTextEdit& f) { f.undo(); } },
  { "EditCut", [](const QTextEdit& f) { return !f.isReadOnly() && HasSelection(f); }, [](QTextEdit& f) { f.cut(); } },
  { "EditCopy", HasSelection, [](QTextEdit& f) { f.copy(); } },
  // Paste's rule asks no other program: the update runs before every shortcut and menu.
  { "EditPaste", [](const QTextEdit& f) { return !f.isReadOnly() && ClipboardMayHoldText(); },
    [](QTextEdit& f) { f.paste(); } },
};

const EditCommand* EditCommandFor(const MenuItem& item) {
  for (const EditCommand& command : kEditCommands)
    if (command.itemName == item.Name())
      return &command;
  return nullptr;
}

// The text field that has the focus in the front window, or nullptr. The window remembers its
// focused field while a menu of its bar is open; while the arrow keys walk the bar, the bar
// holds the focus for the field it took it from.
QTextEdit* FocusedField(const Window* front) {
  if (front == nullptr)
    return nullptr;
  QWidget* focus = front->TopLevel().focusWidget();
  if (const auto* bar = qobject_cast<const MenuBarView*>(focus))
    focus = bar->FocusBeforeBar();
  return qobject_cast<QTextEdit*>(focus);
}

bool IsQuitItem(const MenuItem& item) { return dynamic_cast<const QuitMenuItem*>(&item) != nullptr; }

// What the layer itself enables, before any rule of the program.
bool LayerEnables(const MenuItem& item, const QTextEdit* field) {
  if (!item.Children().empty() || IsQuitItem(item))
    return true;
  const EditCommand* edit = EditCommandFor(item);
  return edit != nullptr && field != nullptr && edit->canAct(*field);
}

void AddItemsBelow(const MenuItem& root, std::vector<MenuItem*>& items) {
  for (const auto& child : root.Children()) {
    items.push_back(child.get());
    AddItemsBelow(*child, items);
  }
}

}  // namespace

std::vector<MenuItem*> ItemsBelow(const MenuItem& root) {
  std::vector<MenuItem*> items;
  AddItemsBelow(root, items);
  return items;
}

void WindowMenuUpdate(Window& window, const std::vector<MenuItem*>& items) {
  window.Event_EnableMenuItems();
  for (MenuItem* item : items)
    if (window.MenuHandlerFor(item->Name()) != nullptr)
      item->Enable();
}

void UpdateMenuItems(MenuBar& bar, Window* front) {
  const std::vector<MenuItem*> items = ItemsBelow(bar);
  const QTextEdit* field = FocusedField(front);
  for (MenuItem* item : items)
    item->SetEnabled(LayerEnables(*item, field));
  if (Application* app = _GetAppObject())
    app->Event_EnableMenuItems();
  if (front != nullptr)
    WindowMenuUpdate(*front, items);
}

void ChooseMenuItem(const MenuItem& item, Window* front) {
  if (const MenuHandler* handler = front != nullptr ? front->MenuHandlerFor(item.Name()) : nullptr) {
    (*handler)();
    return;
  }
  const Application* app = _GetAppObject();
  if (const MenuHandler* handler = app != nullptr ? app->MenuHandlerFor(item.Name()) : nullptr) {
    (*handler)();
    return;
  }
  if (IsQuitItem(item)) {
    Quit(0);
    return;
  }
  QTextEdit* field = FocusedField(front);
  if (const EditCommand* edit = EditCommandFor(item); edit != nullptr && field != nullptr && edit->canAct(*field))
    edit->act(*field);
}

}  // namespace fw
