#pragma once

// Chooses an item from a window's menu bar on screen, as the user does: the bar first runs
// the menu update for its window, as when a menu opens, and then the item's action is
// triggered. A disabled item cannot be chosen, so choosing one fails the test.

#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <QAction>

#include "shell/framework/menu_bar_view.h"
#include "shell/framework/window.h"

namespace testing_support {

// The bar that the window shows, after its menu update; nullptr when it shows none.
inline fw::MenuBarView* UpdatedMenuBar(const fw::Window& window) {
  auto* bar = window.TopLevel().findChild<fw::MenuBarView*>();
  if (bar != nullptr)
    bar->Refresh();
  return bar;
}

// Whether the window's bar shows the item enabled, after its menu update.
inline bool ShownEnabled(const fw::Window& window, std::string_view itemName) {
  fw::MenuBarView* bar = UpdatedMenuBar(window);
  const QAction* action = bar != nullptr ? bar->ActionFor(itemName) : nullptr;
  return action != nullptr && action->isEnabled();
}

inline void ChooseFromMenuBar(const fw::Window& window, std::string_view itemName) {
  fw::MenuBarView* bar = UpdatedMenuBar(window);
  ASSERT_NE(bar, nullptr) << window.ClassFullName() << " shows no menu bar";
  QAction* action = bar->ActionFor(itemName);
  ASSERT_NE(action, nullptr) << "no item " << std::string(itemName);
  ASSERT_TRUE(action->isEnabled()) << std::string(itemName) << " is disabled";
  action->trigger();
}

}  // namespace testing_support
