#pragma once

// The program's one menu bar, File, Edit and Window, shared by the application object and by
// every window that shows a bar; and the accessors that find its items by name. A lookup of a
// name that no item bears yields nil (nullptr); the caller that uses it raises
// NilObjectException (fw::NotNil).

#include <string>
#include <string_view>

#include "shell/framework/menu_item.h"
#include "shell/framework/nil_object_exception.h"
#include "shell/framework/window.h"

namespace Menu {

class Menu final : public fw::MenuBar {
public:
  // Builds the three menus, in order.
  void Constructor() override;
  void Untitled1();  // File
  void Untitled2();  // Edit
  void Untitled3();  // Window
};

// The shared bar, built on the first call; every call returns the same one.
class Menu& Menu();

// Releases the shared bar at shut-down; the reference becomes nil.
void __Exit();

// The sixteen item accessors of a window that shows the bar, written once: a window class W
// derives from WindowMenuItems<W> and gains them as members. Each looks its name up in the
// window's own bar (Window.MenuBar); a window without a bar raises NilObjectException.
template <class W>
class WindowMenuItems {
public:
  fw::MenuItem* WindowMenu() const { return Item<fw::MenuItem>("WindowMenu"); }
  fw::AppleMenuItem* AboutPXM() const { return Item<fw::AppleMenuItem>("AboutPXM"); }
  fw::MenuItem* AboutMenuItem() const { return Item<fw::MenuItem>("AboutMenuItem"); }
  fw::MenuItem* DescriptionMenuItem() const { return Item<fw::MenuItem>("DescriptionMenuItem"); }
  fw::MenuItem* ControlMenuItem() const { return Item<fw::MenuItem>("ControlMenuItem"); }
  fw::MenuItem* UntitledMenu0() const { return Item<fw::MenuItem>("UntitledMenu0"); }
  fw::MenuItem* EditClear() const { return Item<fw::MenuItem>("EditClear"); }
  fw::MenuItem* EditPaste() const { return Item<fw::MenuItem>("EditPaste"); }
  fw::MenuItem* EditCopy() const { return Item<fw::MenuItem>("EditCopy"); }
  fw::MenuItem* EditCut() const { return Item<fw::MenuItem>("EditCut"); }
  fw::MenuItem* UntitledMenu1() const { return Item<fw::MenuItem>("UntitledMenu1"); }
  fw::MenuItem* EditUndo() const { return Item<fw::MenuItem>("EditUndo"); }
  fw::MenuItem* FileMenu() const { return Item<fw::MenuItem>("FileMenu"); }
  fw::QuitMenuItem* FileQuit() const { return Item<fw::QuitMenuItem>("FileQuit"); }
  fw::MenuItem* Print() const { return Item<fw::MenuItem>("Print"); }
  // No item bears this name: it yields nil.
  fw::MenuItem* UntitledMenu3() const { return Item<fw::MenuItem>("UntitledMenu3"); }

private:
  template <class T>
  T* Item(std::string_view name) const {
    const fw::Window& window = static_cast<const W&>(*this);
    const fw::MenuBar& bar = fw::NotNil(window.GetMenuBar(), "the menu bar of " + std::string(window.ClassFullName()));
    return fw::LookupAs<T>(bar, name);
  }
};

}  // namespace Menu

// The global item accessors: each looks its name up in the application's bar (App's
// Application.MenuBar). No application object, or one without a bar, raises
// NilObjectException.
fw::AppleMenuItem* AboutPXM();
fw::MenuItem* AboutMenuItem();
fw::MenuItem* DescriptionMenuItem();
fw::MenuItem* ControlMenuItem();
