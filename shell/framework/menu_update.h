#pragma once

// The menu update and the choice of an item, for the window in front. Both run on the shared
// item tree, so they are the same whether a menu opens, a shortcut acts or a test calls them.
//
// The update, before a menu opens and before a shortcut acts:
//   1. every item that holds items (a menu) is enabled, every other item disabled, but for
//      those the layer serves itself: the quit item, and the Edit items EditUndo, EditCut,
//      EditCopy and EditPaste when the front window's focused text field can do what they
//      say (for EditPaste as far as is known without asking another program, see
//      clipboard_text.h);
//   2. the application's update (its Event_EnableMenuItems only);
//   3. the window's update: its Event_EnableMenuItems, then every item whose name has a
//      handler bound on that window is enabled.
// An item that no rule enables and no handler serves thus shows disabled.
//
// A chosen item goes to the front window's handler for its name, else to the application's,
// else to the layer's own command for it (quit, or the Edit command on the focused field).

#include <vector>

#include "shell/framework/menu_item.h"

namespace fw {

class Window;

// Every item below root, depth first, in the order of the tree (menus before their items).
std::vector<MenuItem*> ItemsBelow(const MenuItem& root);

// A window's own part of the update, given the items to go through.
void WindowMenuUpdate(Window& window, const std::vector<MenuItem*>& items);

// The whole update of bar with front as the window in front (nullptr: none).
void UpdateMenuItems(MenuBar& bar, Window* front);

// Carries out a chosen item with front as the window in front; what a handler reports is not
// used.
void ChooseMenuItem(const MenuItem& item, Window* front);

}  // namespace fw
