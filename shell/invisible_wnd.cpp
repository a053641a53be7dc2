#include "shell/invisible_wnd.h"

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/invisible_wnd_layout.h"

namespace InvisibleWnd {

class InvisibleWnd& InvisibleWnd() {
  return fw::ImplicitWindow<class InvisibleWnd>();
}

void InvisibleWnd::Layout() {
  SetMenuBar(&Menu::Menu());
  fw::_SetProperties(*this, fw::PropertySetOf(InvisibleWndProperties()));
}

void InvisibleWnd::CreateControls() { _CreateControls0(); }

void InvisibleWnd::_CreateControls0() {
  fw::Control& timer = _AddControl("Timer1", __New<Timer1>());
  fw::_SetProperties(timer, fw::PropertySetOf(Timer1Properties()));
  fw::_InstallInstanceEventHandler(timer, "Action", fw::ActionHandler([this] { Timer1_Action(); }));
}

void InvisibleWnd::Event_Open() { AboutWnd::AboutWnd().Show(); }

// The same three steps at every firing, whether the splash is still up or long dismissed.
void InvisibleWnd::Timer1_Action() {
  AboutWnd::AboutWnd().Hide();
  ::InvisibleWnd::InvisibleWnd().Hide();
  ControlWnd::ControlWnd().Show();
}

}  // namespace InvisibleWnd
