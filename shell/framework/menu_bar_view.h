#pragma once

// A window's menu bar on screen: a real QMenuBar that shows the item tree of a MenuBar, one
// QMenu per menu and one QAction per item. This platform has no global menu bar, so every
// document window that shows a bar carries its own widget over the one shared tree, and a
// window that shows none keeps a hidden one for the shortcuts.
//
// Before one of its menus opens, and before a shortcut of its window acts, the widget runs the
// menu update for its window (menu_update.h) and brings every action in line with its item:
// enabled or not. A chosen action goes to ChooseMenuItem with its window in front.

#include <string_view>
#include <utility>
#include <vector>

#include <QMenuBar>
#include <QPointer>

class QAction;
class QKeyEvent;

namespace fw {

class MenuBar;
class MenuItem;
class Window;

class MenuBarView final : public QMenuBar {
  Q_OBJECT

public:
  MenuBarView(Window& window, MenuBar& bar);

  // Runs the menu update for the window and shows each item's state.
  void Refresh();
  // The action that shows the item of that name, or nullptr (a menu's action included).
  QAction* ActionFor(std::string_view itemName) const;
  // Whether the key is the shortcut of one of the bar's items.
  bool IsShortcut(const QKeyEvent& key) const;
  // Makes the items' shortcuts act in window while the bar itself is not shown there.
  void KeepShortcutsIn(QWidget& window);
  // The widget of its window that last had the focus, the bar aside (the arrow keys that walk
  // its menus give the bar the focus), or nullptr.
  QWidget* FocusBeforeBar() const;

private:
  void AddItems(QMenu& menu, const MenuItem& parent);
  void Track(QAction* action, const MenuItem& item);

  Window& m_window;
  MenuBar& m_bar;
  std::vector<std::pair<QAction*, const MenuItem*>> m_actions;
  QPointer<QWidget> m_focusBeforeBar;
};

// The shortcut of a table ("Cmd+Q") as Qt reads it. This platform has no Command key: every
// "Cmd+" shortcut is Ctrl.
QString QtShortcutText(std::string_view shortcut);

}  // namespace fw
