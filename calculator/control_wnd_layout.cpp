// The main window's own properties and its thirty controls, as data: one row per control in
// creation order, which is also the tab order. _CreateControls0 runs the same steps for
// every row.

#include <variant>
#include <vector>

#include "calculator/control_wnd_layout.h"

#include "calculator/control_wnd.h"
#include "shell/framework/control_builder.h"
#include "shell/framework/property_records.h"
#include "shell/pictures.h"

namespace ControlWnd {
namespace {

using Self = class ControlWnd;
using KeyDown = bool (Self::*)(const fw::String&);
using Action = void (Self::*)();
using MouseDown = bool (Self::*)(std::int32_t, std::int32_t);
using Handler = std::variant<std::monostate, KeyDown, Action, MouseDown>;

// A control's record and the handler the window installs on it.
struct ControlRow : fw::ControlRecord {
  Handler handler;
};

constexpr fw::Colour kAccent = fw::RGB(0xDD3C13);
constexpr fw::Colour kOutput = fw::RGB(0x990000);

fw::TextAreaProperties CountField(const char* name, int top, int tabIndex, int limit, const char* text = "") {
  fw::TextAreaProperties p;
  p.place = fw::Place(name, 231, top, 50, 20, tabIndex);
  p.UseFocusRing = true;
  p.TextFont = "Courier";
  p.Text = text;
  p.LimitText = limit;
  p.Alignment = 2;
  return p;
}

fw::TextAreaProperties LoadingField(const char* name, int left, int tabIndex) {
  fw::TextAreaProperties p;
  p.place = fw::Place(name, left, 292, 120, 225, tabIndex);
  p.ScrollbarVertical = true;
  p.Styled = true;
  p.TextFont = "Courier";
  return p;
}

fw::TextAreaProperties OutputField(const char* name, int top, int tabIndex) {
  fw::TextAreaProperties p;
  p.place = fw::Place(name, 400, top, 75, 20, tabIndex);
  p.Styled = true;
  p.UseFocusRing = true;
  p.TextColor = kOutput;
  p.TextFont = "Courier";
  p.Bold = true;
  p.ReadOnly = true;
  p.Alignment = 2;
  return p;
}

fw::PushButtonProperties Button(const char* name, int top, int tabIndex, const char* caption) {
  fw::PushButtonProperties p;
  p.place = fw::Place(name, 400, top, 80, 30, tabIndex);
  p.Caption = caption;
  p.TextFont = "System";
  return p;
}

fw::StaticTextProperties Label(fw::ControlPlacement place, const char* text, int align, bool bold = false,
                               fw::Colour colour = fw::kBlack) {
  fw::StaticTextProperties p;
  p.place = std::move(place);
  p.Text = text;
  p.TextAlign = align;
  p.TextColor = colour;
  p.TextFont = "System";
  p.Bold = bold;
  return p;
}

// The seven labels beside the output fields are drawn disabled.
fw::StaticTextProperties OutputLabel(fw::ControlPlacement place, const char* text, bool multiline = false) {
  fw::StaticTextProperties p = Label(std::move(place), text, 2, true);
  p.Enabled = false;
  p.Multiline = multiline;
  return p;
}

fw::CanvasProperties Picture(fw::ControlPlacement place, bool focusRing) {
  fw::CanvasProperties p;
  p.place = std::move(place);
  p.UseFocusRing = focusRing;
  return p;
}

fw::RectangleProperties Rule() {
  fw::RectangleProperties p;
  p.place = fw::Place("Rectangle1", 115, 93, 371, 2, 19);
  p.FillColor = kAccent;
  p.TopLeftColor = kAccent;
  p.BottomRightColor = kAccent;
  p.BorderWidth = 1;
  return p;
}

const std::vector<ControlRow>& Rows() {
  static const std::vector<ControlRow> rows {
    { CountField("Nvariables", 139, 0, 2), 14, nullptr, &Self::Nvariables_KeyDown },
    { CountField("Nsubjects1", 163, 1, 5), 14, nullptr, &Self::Nsubjects1_KeyDown },
    { CountField("Nsubjects2", 187, 2, 5), 14, nullptr, &Self::Nsubjects2_KeyDown },
    { CountField("sFld", 212, 3, 3, ".10"), 14, nullptr, &Self::sFld_KeyDown },
    { LoadingField("InputFld1", 20, 4), 10, nullptr, &Self::InputFld1_KeyDown },
    { LoadingField("InputFld2", 157, 5), 10, nullptr, &Self::InputFld2_KeyDown },
    { OutputField("rOutFld", 496, 6), 14, nullptr, {} },
    { Button("ClearBtn", 202, 7, "Clear"), 12, nullptr, &Self::ClearBtn_Action },
    { Button("CalculateBtn", 139, 8, "Calculate"), 12, nullptr, &Self::CalculateBtn_Action },
    { Label(fw::Place("StaticText3", 20, 274, 120, 19, 9), "Factor 1 coefficients", 0), 12, nullptr, {} },
    { Label(fw::Place("StaticText2", 157, 273, 120, 20, 10), "Factor 2 coefficients", 0), 12, nullptr, {} },
    { Picture(fw::Place("Canvas3", 5, 3, 100, 93, 11), false), 0, &_x_FactorsImageSmall::FactorsImageSmall, {} },
    { Label(fw::Place("StaticText4", 115, 1, 371, 50, 12), "Factorial Quillon", 1, true, kAccent), 36, nullptr, {} },
    { OutputLabel(fw::Place("StaticText6", 359, 496, 31, 20, 13), "rc"), 12, nullptr, {} },
    { OutputField("ChiOutFld", 401, 14), 14, nullptr, {} },
    { OutputLabel(fw::Place("StaticText8", 310, 401, 80, 20, 15), "Chi-Square:"), 12, nullptr, {} },
    { OutputField("pOutFld", 421, 16), 14, nullptr, {} },
    { OutputLabel(fw::Place("ptext", 305, 421, 80, 20, 17), "p \u2264"), 12, nullptr, {} },
    { Label(fw::Place("StaticText9", 115, 63, 371, 20, 18), "Congruence, chi-square and salient similarity", 1, true,
            kAccent),
      12,
      nullptr,
      {} },
    { Rule(), 0, nullptr, {} },
    { OutputField("sOutFld", 329, 20), 14, nullptr, {} },
    { OutputLabel(fw::Place("StaticText10", 310, 329, 80, 20, 21), "s"), 12, nullptr, {} },
    { OutputLabel(fw::Place("StaticText13", 375, 297, 100, 30, 22), "Salient Variable\rSimilarity Index", true),
      12,
      nullptr,
      {} },
    { OutputLabel(fw::Place("StaticText14", 375, 383, 100, 15, 23), "Goodness of Fit", true), 12, nullptr, {} },
    { OutputLabel(fw::Place("StaticText15", 375, 466, 100, 30, 24), "Coefficient of\rCongruence", true),
      12,
      nullptr,
      {} },
    { Label(fw::Place("StaticText1", 20, 139, 210, 20, 25, false), "Number of variables (2-99):", 0), 14, nullptr, {} },
    { Label(fw::Place("StaticText5", 20, 163, 210, 20, 26), "Number of subjects Factor 1:", 0), 14, nullptr, {} },
    { Label(fw::Place("StaticText7", 20, 187, 210, 20, 27), "Number of subjects Factor 2:", 0), 14, nullptr, {} },
    { Label(fw::Place("StaticText12", 20, 212, 210, 20, 28), "Salience value (> and <):      \u00B1", 0),
      14,
      nullptr,
      {} },
    { Picture(fw::Place("Canvas1", 284, 484, 33, 33, 29, false), true), 0, &_x_Q::Q, &Self::Canvas1_MouseDown },
  };
  return rows;
}

void InstallHandler(Self& window, const ControlRow& row) {
  fw::Control& control = fw::RuntimeWindowControlByName(window, fw::NameOf(row));
  if (const auto* keyDown = std::get_if<KeyDown>(&row.handler))
    fw::_InstallInstanceEventHandler(
        control, "KeyDown",
        fw::KeyDownHandler([&window, h = *keyDown](const fw::String& key) { return (window.*h)(key); }));
  else if (const auto* action = std::get_if<Action>(&row.handler))
    fw::_InstallInstanceEventHandler(control, "Action", fw::ActionHandler([&window, h = *action] { (window.*h)(); }));
  else if (const auto* mouseDown = std::get_if<MouseDown>(&row.handler))
    fw::_InstallInstanceEventHandler(
        control, "MouseDown",
        fw::MouseDownHandler([&window, h = *mouseDown](std::int32_t x, std::int32_t y) { return (window.*h)(x, y); }));
}

}  // namespace

const fw::WindowProperties& ControlWndProperties() {
  static const fw::WindowProperties properties = [] {
    fw::WindowProperties p;
    p.Width = 500;
    p.Height = 550;
    p.MaxWidth = 500;
    p.MaxHeight = 500;
    p.HasBackColor = true;
    p.Title = "Quillon";
    p.Resizeable = false;
    p.MaximizeButton = false;
    return p;
  }();
  return properties;
}

std::vector<std::string> ControlWndControlSets() {
  std::vector<std::string> sets;
  for (const auto& row : Rows())
    sets.push_back(fw::SetOf(row));
  return sets;
}

void ControlWnd::Layout() { fw::_SetProperties(*this, fw::PropertySetOf(ControlWndProperties())); }

void ControlWnd::_CreateControls0() {
  for (const auto& row : Rows()) {
    fw::BuildControl(*this, row);
    InstallHandler(*this, row);
  }
}

}  // namespace ControlWnd
