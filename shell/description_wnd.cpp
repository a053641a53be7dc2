#include "shell/description_wnd.h"

#include <cstdint>
#include <memory>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd_layout.h"
#include "shell/framework/feedback.h"
#include "shell/framework/printing.h"
#include "shell/framework/text_area.h"

namespace DescriptionWnd {
namespace {

// The help text's opening run, in characters: the title line, the empty line after it and
// the first words of the opening paragraph.
constexpr std::int32_t kBoldRun = 29;

// The printed text is as wide as the page's printable area, 540 page units, and cut into blocks
// as tall as that area, 720 page units, one block to a page (see printing.h).
constexpr double kPrintWidth = 540;
constexpr double kPageBlockHeight = 720;

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
  const std::unique_ptr<fw::Graphics> graphics = fw::OpenPrinterDialog();
  if (graphics == nullptr)
    return false;
  fw::StyledTextPrinter text = HelpField(*this).styledTextPrinter(*graphics, kPrintWidth);
  while (!text.Eof()) {
    text.DrawBlock(0, 0, kPageBlockHeight);
    if (!text.Eof())
      graphics->NextPage();
    fw::RuntimeBackgroundTask();
  }
  return false;
}

}  // namespace DescriptionWnd
