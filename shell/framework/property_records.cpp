#include "shell/framework/property_records.h"

namespace fw {
namespace {

// Where a kind lists TabIndex: after TabPanelIndex in every kind but the rectangle.
enum class TabIndexPlace { AfterPanel, BeforePanel };

// Name, Index, position and size, the four locks and the two tab keys: the same first keys in
// every kind.
void WritePlacement(PropertySetBuilder& set, const ControlPlacement& p,
                    TabIndexPlace tabIndex = TabIndexPlace::AfterPanel) {
  set.String("Name", p.Name)
      .Int32("Index", kNoIndex)
      .Int32("Left", p.Left)
      .Int32("Top", p.Top)
      .Int32("Width", p.Width)
      .Int32("Height", p.Height)
      .Boolean("LockLeft", p.Locks)
      .Boolean("LockTop", p.Locks)
      .Boolean("LockRight", p.Locks)
      .Boolean("LockBottom", p.Locks);
  if (tabIndex == TabIndexPlace::AfterPanel)
    set.Int32("TabPanelIndex", 0).Int32("TabIndex", p.TabIndex);
  else
    set.Int32("TabIndex", p.TabIndex).Int32("TabPanelIndex", 0);
}

// The font keys of a kind with text: the font, bold, and the two styles no set turns on.
void WriteFont(PropertySetBuilder& set, const std::string& font, bool bold) {
  set.String("TextFont", font).Boolean("Bold", bold).Boolean("Italic", false).Boolean("Underline", false);
}

}  // namespace

std::string PropertySetOf(const WindowProperties& p) {
  PropertySetBuilder set;
  set.Int32("Placement", p.Placement)
      .Int32("Width", p.Width)
      .Int32("Height", p.Height)
      .Int32("MinWidth", p.MinWidth)
      .Int32("MinHeight", p.MinHeight)
      .Int32("MaxWidth", p.MaxWidth)
      .Int32("MaxHeight", p.MaxHeight)
      .Int32("Frame", p.Frame)
      .Boolean("Composite", p.Composite)
      .Boolean("HasBackColor", p.HasBackColor)
      .Colour("BackColor", p.BackColor)
      .String("Title", p.Title)
      .Boolean("Visible", p.Visible)
      .Boolean("FullScreen", p.FullScreen)
      .Boolean("MenuBarVisible", p.MenuBarVisible)
      .Boolean("CloseButton", p.CloseButton)
      .Boolean("Resizeable", p.Resizeable)
      .Boolean("LiveResize", p.LiveResize)
      .Boolean("MaximizeButton", p.MaximizeButton)
      .Boolean("MinimizeButton", p.MinimizeButton)
      .Int32("MacProcID", p.MacProcID);
  return set.bytes();
}

std::string PropertySetOf(const TextAreaProperties& p) {
  PropertySetBuilder set;
  WritePlacement(set, p.place);
  set.Boolean("TabStop", p.TabStop)
      .Boolean("Border", p.Border)
      .Boolean("Multiline", p.Multiline)
      .Boolean("ScrollbarHorizontal", p.ScrollbarHorizontal)
      .Boolean("ScrollbarVertical", p.ScrollbarVertical)
      .Boolean("Styled", p.Styled)
      .Boolean("UseFocusRing", p.UseFocusRing)
      .Colour("TextColor", p.TextColor)
      .Colour("BackColor", p.BackColor)
      .Boolean("Enabled", p.Enabled)
      .String("Format", "")
      .Boolean("Visible", p.Visible)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Boolean("HideSelection", p.HideSelection);
  WriteFont(set, p.TextFont, p.Bold);
  set.String("Text", p.Text)
      .String("Mask", "")
      .Boolean("ReadOnly", p.ReadOnly)
      .Int32("LimitText", p.LimitText)
      .Boolean("AcceptTabs", false)
      .Int32("Alignment", p.Alignment)
      .String("DataSource", "")
      .String("DataField", "")
      .String("InitialParent", "");
  return set.bytes();
}

std::string PropertySetOf(const PushButtonProperties& p) {
  PropertySetBuilder set;
  WritePlacement(set, p.place);
  set.Boolean("TabStop", true)
      .String("Caption", p.Caption)
      .Boolean("Default", false)
      .Boolean("Cancel", false)
      .Boolean("Enabled", p.Enabled)
      .Boolean("Visible", p.Visible)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Int32("ButtonStyle", 0);
  WriteFont(set, p.TextFont, p.Bold);
  set.String("InitialParent", "");
  return set.bytes();
}

std::string PropertySetOf(const StaticTextProperties& p) {
  PropertySetBuilder set;
  WritePlacement(set, p.place);
  set.String("Text", p.Text)
      .Int32("TextAlign", p.TextAlign)
      .Colour("TextColor", p.TextColor)
      .Boolean("Multiline", p.Multiline)
      .Boolean("Enabled", p.Enabled)
      .Boolean("Visible", p.Visible)
      .Boolean("Selectable", false)
      .Boolean("Transparent", false)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true);
  WriteFont(set, p.TextFont, p.Bold);
  set.String("DataSource", "").String("DataField", "").String("InitialParent", "");
  return set.bytes();
}

std::string PropertySetOf(const CanvasProperties& p) {
  PropertySetBuilder set;
  WritePlacement(set, p.place);
  set.Boolean("TabStop", true)
      .Boolean("Visible", p.Visible)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Boolean("Enabled", p.Enabled)
      .Boolean("UseFocusRing", p.UseFocusRing)
      .Boolean("AcceptFocus", false)
      .Boolean("AcceptTabs", false)
      .Boolean("DoubleBuffer", false)
      .Boolean("EraseBackground", true)
      .String("InitialParent", "");
  return set.bytes();
}

std::string PropertySetOf(const RectangleProperties& p) {
  PropertySetBuilder set;
  WritePlacement(set, p.place, TabIndexPlace::BeforePanel);
  set.Boolean("Visible", p.Visible)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Boolean("Enabled", p.Enabled)
      .Colour("FillColor", p.FillColor)
      .Int32("BorderWidth", p.BorderWidth)
      .Colour("TopLeftColor", p.TopLeftColor)
      .Colour("BottomRightColor", p.BottomRightColor)
      .String("InitialParent", "");
  return set.bytes();
}

std::string PropertySetOf(const TimerProperties& p) {
  PropertySetBuilder set;
  set.Int32("Mode", p.Mode).Int32("Period", p.Period);
  return set.bytes();
}

}  // namespace fw
