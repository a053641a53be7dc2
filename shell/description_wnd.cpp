#include "shell/description_wnd.h"

#include <cstdint>
#include <memory>
#include <string>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd_layout.h"
#include "shell/framework/feedback.h"
#include "shell/framework/printing.h"
#include "shell/framework/text_area.h"
#include "shell/program_name.h"

namespace DescriptionWnd {
namespace {

// The help text's opening run, in characters: the title line, the empty line after it and
// the first words of the opening paragraph.
constexpr std::int32_t kBoldRun = 29;

// The print job bears the program's name and the window's, as the printer's queue shows it.
std::string PrintJobName() { return std::string(shell::kProgramName) + " - " + DescriptionWndProperties().Title; }

fw::TextArea& HelpField(const fw::Window& window) { return fw::ControlAs<fw::TextArea>(window, "DescribeFld2"); }

}  // namespace

class DescriptionWnd& DescriptionWnd() {
  return fw::ImplicitWindow<class DescriptionWnd>();
}

void DescriptionWnd::Layout() {
  SetMenuBar(&Menu::Menu());
  fw::_SetProperties(*this, fw::PropertySetOf(DescriptionWndProperties()));
}

void DescriptionWnd::CreateControls() { _CreateControls0(); }

void DescriptionWnd::_CreateControls0() {
  for (const auto& record : DescriptionWndControls())
    fw::BuildControl(*this, record);
}

void DescriptionWnd::AddMenuHandlers(fw::Window& w) {
  _AddMenuHandler("ControlMenuItem", w, &DescriptionWnd::_ControlMenuItem_Action);
  _AddMenuHandler("AboutMenuItem", w, &DescriptionWnd::_AboutMenuItem_Action);
  _AddMenuHandler("Print", w, &DescriptionWnd::_Print_Action);
}

void DescriptionWnd::Event_Open() {
  fw::TextArea& field = HelpField(*this);
  field.SetSelStart(0);
  field.SetSelLength(kBoldRun);
  field.SetSelBold(true);
}

void DescriptionWnd::Event_EnableMenuItems() {
  fw::NotNil(ControlMenuItem(), "the menu item ControlMenuItem").SetEnabled(true);
  fw::NotNil(AboutMenuItem(), "the menu item AboutMenuItem").SetEnabled(true);
}

bool DescriptionWnd::_ControlMenuItem_Action() {
  ControlWnd::ControlWnd().Show();
  return false;
}

bool DescriptionWnd::_AboutMenuItem_Action() { return AboutWnd::ShowAboutWindow(); }

bool DescriptionWnd::_Print_Action() {
  const std::unique_ptr<fw::Graphics> graphics = fw::OpenPrinterDialog(PrintJobName());
  if (graphics == nullptr)
    return false;
  // The text is as wide as the page's printable area and cut into blocks as tall as it, one
  // block to a page.
  fw::StyledTextPrinter text = HelpField(*this).styledTextPrinter(*graphics, fw::kPageWidth);
  while (!text.Eof()) {
    text.DrawBlock(0, 0, fw::kPageHeight);
    if (!text.Eof())
      graphics->NextPage();
    fw::RuntimeBackgroundTask();
  }
  return false;
}

}  // namespace DescriptionWnd
