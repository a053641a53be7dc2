// The main window's own properties and its thirty controls, as data: one row per control in
// creation order, which is also the tab order. Each field's label names it for screen readers.

#include "calculator/control_wnd_layout.h"

#include "shell/pictures.h"

namespace ControlWnd {
namespace {

using Self = class ControlWnd;

constexpr fw::Colour kAccent = fw::RGB(0xDD3C13);
constexpr fw::Colour kOutput = fw::RGB(0x990000);

// The four short number fields beside their labels: the three counts and the salience.
fw::TextAreaProperties ShortNumberField(const char* name, int top, int tabIndex, int limit, const char* text = "") {
  return { .place = fw::Place(name, 231, top, 50, 20, tabIndex),
           .UseFocusRing = true,
           .TextFont = "Courier",
           .Text = text,
           .LimitText = limit,
           .Alignment = 2 };
}

fw::TextAreaProperties LoadingField(const char* name, int left, int tabIndex) {
  return { .place = fw::Place(name, left, 292, 120, 225, tabIndex),
           .ScrollbarVertical = true,
           .Styled = true,
           .TextFont = "Courier" };
}

fw::TextAreaProperties OutputField(const char* name, int top, int tabIndex) {
  return { .place = fw::Place(name, 400, top, 75, 20, tabIndex),
           .Styled = true,
           .UseFocusRing = true,
           .TextColor = kOutput,
           .TextFont = "Courier",
           .Bold = true,
           .ReadOnly = true,
           .Alignment = 2 };
}

fw::PushButtonProperties Button(const char* name, int top, int tabIndex, const char* caption) {
  return { .place = fw::Place(name, 400, top, 80, 30, tabIndex), .Caption = caption, .TextFont = "System" };
}

// The seven labels beside the output fields are disabled, and drawn in their own text colour
// all the same, as every label is.
fw::StaticTextProperties OutputLabel(fw::ControlPlacement place, const char* text, bool multiline = false) {
  fw::StaticTextProperties p = fw::Label(std::move(place), text, "System", 2, true);
  p.Enabled = false;
  p.Multiline = multiline;
  return p;
}

fw::RectangleProperties Rule() {
  return { .place = fw::Place("Rectangle1", 115, 93, 371, 2, 19),
           .FillColor = kAccent,
           .BorderWidth = 1,
           .TopLeftColor = kAccent,
           .BottomRightColor = kAccent };
}

}  // namespace

const fw::WindowProperties& ControlWndProperties() {
  static const fw::WindowProperties properties { .Width = 500,
                                                 .Height = 550,
                                                 .MaxWidth = 500,
                                                 .MaxHeight = 500,
                                                 .HasBackColor = true,
                                                 .Title = "Quillon",
                                                 .Resizeable = false,
                                                 .MaximizeButton = false };
  return properties;
}

const std::vector<ControlRow>& ControlWndControls() {
  static const std::vector<ControlRow> rows {
    { ShortNumberField("Nvariables", 139, 0, 2), 14, nullptr, {}, &Self::Nvariables_KeyDown },
    { ShortNumberField("Nsubjects1", 163, 1, 5), 14, nullptr, {}, &Self::Nsubjects1_KeyDown },
    { ShortNumberField("Nsubjects2", 187, 2, 5), 14, nullptr, {}, &Self::Nsubjects2_KeyDown },
    { ShortNumberField("sFld", 212, 3, 3, ".10"), 14, nullptr, {}, &Self::sFld_KeyDown },
    { LoadingField("InputFld1", 20, 4), 10, nullptr, {}, &Self::InputFld1_KeyDown },
    { LoadingField("InputFld2", 157, 5), 10, nullptr, {}, &Self::InputFld2_KeyDown },
    { OutputField("rOutFld", 496, 6), 14, nullptr, {} },
    { Button("ClearBtn", 202, 7, "Clear"), 12, nullptr, {}, &Self::ClearBtn_Action },
    { Button("CalculateBtn", 139, 8, "Calculate"), 12, nullptr, {}, &Self::CalculateBtn_Action },
    { fw::Label(fw::Place("StaticText3", 20, 274, 120, 19, 9), "Factor 1 coefficients", "System", 0), 12, nullptr,
      fw::LabelFor("InputFld1") },
    { fw::Label(fw::Place("StaticText2", 157, 273, 120, 20, 10), "Factor 2 coefficients", "System", 0), 12, nullptr,
      fw::LabelFor("InputFld2") },
    { fw::CanvasProperties { .place = fw::Place("Canvas3", 5, 3, 100, 93, 11) },
      0,
      &_x_FactorsImageSmall::FactorsImageSmall,
      {} },
    { fw::Label(fw::Place("StaticText4", 115, 1, 371, 50, 12), "Factorial Quillon", "System", 1, true, kAccent),
      36,
      nullptr,
      {} },
    { OutputLabel(fw::Place("StaticText6", 359, 496, 31, 20, 13), "rc"), 12, nullptr, fw::LabelFor("rOutFld") },
    { OutputField("ChiOutFld", 401, 14), 14, nullptr, {} },
    { OutputLabel(fw::Place("StaticText8", 310, 401, 80, 20, 15), "Chi-Square:"), 12, nullptr,
      fw::LabelFor("ChiOutFld") },
    { OutputField("pOutFld", 421, 16), 14, nullptr, {} },
    { OutputLabel(fw::Place("ptext", 305, 421, 80, 20, 17), "p \u2264"), 12, nullptr, fw::LabelFor("pOutFld") },
    { fw::Label(fw::Place("StaticText9", 115, 63, 371, 20, 18), "Congruence, chi-square and salient similarity",
                "System", 1, true, kAccent),
      12,
      nullptr,
      {} },
    { Rule(), 0, nullptr, {} },
    { OutputField("sOutFld", 329, 20), 14, nullptr, {} },
    { OutputLabel(fw::Place("StaticText10", 310, 329, 80, 20, 21), "s"), 12, nullptr, fw::LabelFor("sOutFld") },
    { OutputLabel(fw::Place("StaticText13", 375, 297, 100, 30, 22), "Salient Variable\rSimilarity Index", true),
      12,
      nullptr,
      {} },
    { OutputLabel(fw::Place("StaticText14", 375, 383, 100, 15, 23), "Goodness of Fit", true), 12, nullptr, {} },
    { OutputLabel(fw::Place("StaticText15", 375, 466, 100, 30, 24), "Coefficient of\rCongruence", true),
      12,
      nullptr,
      {} },
    { fw::Label(fw::Place("StaticText1", 20, 139, 210, 20, 25, false), "Number of variables (2-99):", "System", 0), 14,
      nullptr, fw::LabelFor("Nvariables") },
    { fw::Label(fw::Place("StaticText5", 20, 163, 210, 20, 26), "Number of subjects Factor 1:", "System", 0), 14,
      nullptr, fw::LabelFor("Nsubjects1") },
    { fw::Label(fw::Place("StaticText7", 20, 187, 210, 20, 27), "Number of subjects Factor 2:", "System", 0), 14,
      nullptr, fw::LabelFor("Nsubjects2") },
    { fw::Label(fw::Place("StaticText12", 20, 212, 210, 20, 28), "Salience value (> and <):      \u00B1", "System", 0),
      14, nullptr, fw::LabelFor("sFld") },
    { fw::CanvasProperties { .place = fw::Place("Canvas1", 284, 484, 33, 33, 29, false), .UseFocusRing = true }, 0,
      &_x_Q::Q, fw::AccessibleName("Description"), &Self::Canvas1_MouseDown },
  };
  return rows;
}

}  // namespace ControlWnd
