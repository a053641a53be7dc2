#include "calculator/control_wnd.h"

#include "calculator/calculate_request.h"
#include "calculator/control_wnd_layout.h"
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

// Installs the row's handler, if it has one, on its control, with the window as receiver.
void InstallHandler(class ControlWnd& window, const ControlRow& row) {
  fw::Control& control = fw::RuntimeWindowControlByName(window, fw::NameOf(row));
  if (const auto* keyDown = std::get_if<ControlRow::KeyDown>(&row.handler))
    fw::_InstallInstanceEventHandler(
        control, "KeyDown",
        fw::KeyDownHandler([&window, h = *keyDown](const fw::String& key) { return (window.*h)(key); }));
  else if (const auto* action = std::get_if<ControlRow::Action>(&row.handler))
    fw::_InstallInstanceEventHandler(control, "Action", fw::ActionHandler([&window, h = *action] { (window.*h)(); }));
  else if (const auto* mouseDown = std::get_if<ControlRow::MouseDown>(&row.handler))
    fw::_InstallInstanceEventHandler(
        control, "MouseDown",
        fw::MouseDownHandler([&window, h = *mouseDown](std::int32_t x, std::int32_t y) { return (window.*h)(x, y); }));
}

}  // namespace

class ControlWnd& ControlWnd() {
  return fw::ImplicitWindow<class ControlWnd>();
}

void ControlWnd::Layout() { fw::_SetProperties(*this, fw::PropertySetOf(ControlWndProperties())); }

void ControlWnd::CreateControls() { _CreateControls0(); }

void ControlWnd::_CreateControls0() {
  for (const ControlRow& row : ControlWndControls()) {
    fw::BuildControl(*this, row);
    InstallHandler(*this, row);
  }
}

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

// The click does what Window > Description does, wherever it falls on the picture.
bool ControlWnd::Canvas1_MouseDown(std::int32_t x, std::int32_t y) {
  (void)x;
  (void)y;
  return _DescriptionMenuItem_Action();
}

void ControlWnd::AddMenuHandlers(fw::Window& w) {
  _AddMenuHandler("DescriptionMenuItem", w, &ControlWnd::_DescriptionMenuItem_Action);
  _AddMenuHandler("AboutPXM", w, &ControlWnd::_AboutPXM_Action);
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

bool ControlWnd::_AboutPXM_Action() { return AboutWnd::ShowAboutWindow(); }

}  // namespace ControlWnd
