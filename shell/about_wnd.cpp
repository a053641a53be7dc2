#include "shell/about_wnd.h"

#include "calculator/control_wnd.h"
#include "shell/about_wnd_layout.h"

namespace AboutWnd {
namespace {

// A key or a click in the window, however it was opened, brings up the main window.
bool HandOverToMainWindow() {
  AboutWnd().Hide();
  ControlWnd::ControlWnd().Show();
  return false;
}

}  // namespace

class AboutWnd& AboutWnd() {
  return fw::ImplicitWindow<class AboutWnd>();
}

bool ShowAboutWindow() {
  AboutWnd().Show();
  return false;
}

void AboutWnd::Layout() { fw::_SetProperties(*this, fw::PropertySetOf(AboutWndProperties())); }

void AboutWnd::CreateControls() { _CreateControls0(); }

void AboutWnd::_CreateControls0() {
  for (const fw::ControlRecord& record : AboutWndControls())
    fw::BuildControl(*this, record);
}

bool AboutWnd::Event_KeyDown(const fw::String& key) {
  (void)key;
  return HandOverToMainWindow();
}

bool AboutWnd::Event_MouseDown(std::int32_t x, std::int32_t y) {
  (void)x;
  (void)y;
  return HandOverToMainWindow();
}

}  // namespace AboutWnd
