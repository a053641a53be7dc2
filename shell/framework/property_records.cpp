#include "shell/framework/property_records.h"

namespace fw {
namespace {

// Name, Index, position and size, and the four locks: the same first keys in every kind.
void WritePlacement(PropertySetBuilder& set, const ControlPlacement& p) {
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
  set.Int32("TabPanelIndex", 0)
      .Int32("TabIndex", p.place.TabIndex)
      .Boolean("TabStop", p.TabStop)
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
      .Boolean("HideSelection", p.HideSelection)
      .String("TextFont", p.TextFont)
      .Boolean("Bold", p.Bold)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .String("Text", p.Text)
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
  set.Int32("TabPanelIndex", 0)
      .Int32("TabIndex", p.place.TabIndex)
      .Boolean("TabStop", true)
      .String("Caption", p.Caption)
      .Boolean("Default", false)
      .Boolean("Cancel", false)
      .Boolean("Enabled", p.Enabled)
      .Boolean("Visible", p.Visible)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Int32("ButtonStyle", 0)
      .String("TextFont", p.TextFont)
      .Boolean("Bold", p.Bold)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .String("InitialParent", "");
  return set.bytes();
}

std::string PropertySetOf(const StaticTextProperties& p) {
  PropertySetBuilder set;
  WritePlacement(set, p.place);
  set.Int32("TabPanelIndex", 0)
      .Int32("TabIndex", p.place.TabIndex)
      .String("Text", p.Text)
      .Int32("TextAlign", p.TextAlign)
      .Colour("TextColor", p.TextColor)
      .Boolean("Multiline", p.Multiline)
      .Boolean("Enabled", p.Enabled)
      .Boolean("Visible", p.Visible)
      .Boolean("Selectable", false)
      .Boolean("Transparent", false)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .String("TextFont", p.TextFont)
      .Boolean("Bold", p.Bold)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .String("DataSource", "")
      .String("DataField", "")
      .String("InitialParent", "");
  return set.bytes();
}

std::string PropertySetOf(const CanvasProperties& p) {
  PropertySetBuilder set;
  WritePlacement(set, p.place);
  set.Int32("TabPanelIndex", 0)
      .Int32("TabIndex", p.place.TabIndex)
      .Boolean("TabStop", true)
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
  WritePlacement(set, p.place);
  // This kind alone lists TabIndex before TabPanelIndex.
  set.Int32("TabIndex", p.place.TabIndex)
      .Int32("TabPanelIndex", 0)
      .Boolean("Visible", p.Visible)
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
