#include "calculator/control_wnd.h"

#include "calculator/calculate_request.h"
#include "calculator/keystroke_filters.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "shell/framework/feedback.h"
#include "shell/framework/runtime.h"
#include "shell/framework/text_area.h"
#include "shell/menu.h"

namespace ControlWnd {
namespace {

// A refused key sounds the alert once and is swallowed.
bool Refuse(bool refused) {
  if (refused)
    fw::Beep();
  return refused;
}

fw::TextArea& Field(const fw::Window& window, std::string_view name) {
  return fw::ControlAs<fw::TextArea>(window, name);
}

}  // namespace

class ControlWnd& ControlWnd() {
  return fw::ImplicitWindow<class ControlWnd>();
}

void ControlWnd::CreateControls() { _CreateControls0(); }

bool ControlWnd::Nvariables_KeyDown(const fw::String& key) { return Refuse(calculator::CountFilterRefuses(key)); }
bool ControlWnd::Nsubjects1_KeyDown(const fw::String& key) { return Refuse(calculator::CountFilterRefuses(key)); }
bool ControlWnd::Nsubjects2_KeyDown(const fw::String& key) { return Refuse(calculator::CountFilterRefuses(key)); }
bool ControlWnd::sFld_KeyDown(const fw::String& key) { return Refuse(calculator::SalienceFilterRefuses(key)); }
bool ControlWnd::InputFld1_KeyDown(const fw::String& key) { return Refuse(calculator::LoadingFilterRefuses(key)); }
bool ControlWnd::InputFld2_KeyDown(const fw::String& key) { return Refuse(calculator::LoadingFilterRefuses(key)); }

void ControlWnd::ClearBtn_Action() {
  for (const char* name : { "Nvariables", "InputFld1", "InputFld2", "rOutFld", "ChiOutFld", "pOutFld", "Nsubjects1",
                            "Nsubjects2", "sFld", "sOutFld" })
    Field(*this, name).SetText("");
  Field(*this, "Nvariables").SetFocus();
}

void ControlWnd::CalculateBtn_Action() {
  const calculator::CalculateInput input {
    Field(*this, "Nvariables").Text(), Field(*this, "Nsubjects1").Text(), Field(*this, "Nsubjects2").Text(),
    Field(*this, "sFld").Text(),       Field(*this, "InputFld1").Text(),  Field(*this, "InputFld2").Text(),
  };
  const calculator::CalculateOutcome outcome = calculator::CalculateRequest(input, fw::RuntimeBackgroundTask);
  for (const auto& message : outcome.messages)
    fw::MsgBox(message);
  for (const auto& write : outcome.writes) {
    fw::TextArea& field = Field(*this, write.field);
    field.SetText(write.text);
    if (write.headingLine)
      field.ScrollToLine(*write.headingLine);  // the echo just appended, not the oldest lines
  }
}

bool ControlWnd::Canvas1_MouseDown(std::int32_t x, std::int32_t y) {
  (void)x;
  (void)y;
  DescriptionWnd::DescriptionWnd().Show();
  return false;
}

void ControlWnd::AddMenuHandlers(fw::Window& w) {
  auto& self = dynamic_cast<class ControlWnd&>(w);
  self._AddMenuHandler("DescriptionMenuItem", [&self] { return self._DescriptionMenuItem_Action(); });
  self._AddMenuHandler("AboutPXM", [&self] { return self._AboutPXM_Action(); });
}

void ControlWnd::Event_Close() { fw::Quit(0); }

void ControlWnd::Event_Activate() { AboutWnd::AboutWnd().Hide(); }

// The main window has no bar of its own: it reaches the items through the application's.
void ControlWnd::Event_EnableMenuItems() {
  fw::NotNil(::ControlMenuItem(), "the menu item ControlMenuItem").SetEnabled(false);
  fw::NotNil(::DescriptionMenuItem(), "the menu item DescriptionMenuItem").SetEnabled(true);
  fw::NotNil(::AboutMenuItem(), "the menu item AboutMenuItem").SetEnabled(true);
}

bool ControlWnd::_DescriptionMenuItem_Action() {
  DescriptionWnd::DescriptionWnd().Show();
  return false;
}

bool ControlWnd::_AboutPXM_Action() {
  AboutWnd::AboutWnd().Show();
  return false;
}

}  // namespace ControlWnd
