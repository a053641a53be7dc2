#include "shell/handle_about_menu.h"

#include "shell/about_wnd.h"
#include "shell/menu.h"

void HandleAboutMenu::Event_EnableMenuItems() { fw::NotNil(AboutPXM(), "the menu item AboutPXM").SetEnabled(true); }

bool HandleAboutMenu::_AboutPXM_Action() { return AboutWnd::ShowAboutWindow(); }

bool HandleAboutMenu::_AboutMenuItem_Action() { return AboutWnd::ShowAboutWindow(); }

HandleAboutMenu& App() {
  return fw::NotNil(dynamic_cast<HandleAboutMenu*>(fw::_GetAppObject()), "the application object");
}
