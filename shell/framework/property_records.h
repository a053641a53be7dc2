#pragma once

// One record per kind of object that a property set sets up, with every key of the kind as a
// member in the kind's key order. The defaults are the values that the program's sets share,
// so a window or control table names only what differs; PropertySetOf writes the record's
// set, keys in the kind's order. The tables are thus the single source of the bytes.

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "shell/framework/property_set.h"

namespace fw {

// `Index` of a control that has none: the lowest Int32.
inline constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

struct WindowProperties final {
  std::int32_t Placement { 0 };
  std::int32_t Width { 0 };
  std::int32_t Height { 0 };
  std::int32_t MinWidth { 64 };
  std::int32_t MinHeight { 64 };
  std::int32_t MaxWidth { 32000 };
  std::int32_t MaxHeight { 32000 };
  std::int32_t Frame { 0 };
  bool Composite { false };
  bool HasBackColor { false };
  Colour BackColor { kWhite };
  std::string Title {};
  bool Visible { true };
  bool FullScreen { false };
  bool MenuBarVisible { true };
  bool CloseButton { true };
  bool Resizeable { true };
  bool LiveResize { false };
  bool MaximizeButton { true };
  bool MinimizeButton { true };
  std::int32_t MacProcID { 0 };
};

// The keys that open every control's set.
struct ControlPlacement final {
  std::string Name {};
  std::int32_t Left { 0 };
  std::int32_t Top { 0 };
  std::int32_t Width { 0 };
  std::int32_t Height { 0 };
  bool Locks { true };  // LockLeft, LockTop, LockRight and LockBottom alike
  std::int32_t TabIndex { 0 };
};

// A control's placement as the tables write it: name, left, top, width, height, tab index,
// and whether all four edges are locked.
inline ControlPlacement Place(std::string name, std::int32_t left, std::int32_t top, std::int32_t width,
                              std::int32_t height, std::int32_t tabIndex, bool locks = true) {
  return ControlPlacement { std::move(name), left, top, width, height, locks, tabIndex };
}

struct TextAreaProperties final {
  ControlPlacement place;
  bool TabStop { true };
  bool Border { true };
  bool Multiline { true };
  bool ScrollbarHorizontal { false };
  bool ScrollbarVertical { false };
  bool Styled { false };
  bool UseFocusRing { false };
  Colour TextColor { kBlack };
  Colour BackColor { kWhite };
  bool Enabled { true };
  bool Visible { true };
  bool HideSelection { true };
  std::string TextFont {};
  bool Bold { false };
  std::string Text {};
  bool ReadOnly { false };
  std::int32_t LimitText { 0 };
  std::int32_t Alignment { 0 };
};

struct PushButtonProperties final {
  ControlPlacement place;
  std::string Caption {};
  bool Enabled { true };
  bool Visible { true };
  std::string TextFont {};
  bool Bold { false };
};

struct StaticTextProperties final {
  ControlPlacement place;
  std::string Text {};
  std::int32_t TextAlign { 0 };
  Colour TextColor { kBlack };
  bool Multiline { false };
  bool Enabled { true };
  bool Visible { true };
  std::string TextFont {};
  bool Bold { false };
};

// A label as the tables write it: its place, text, font and TextAlign, bold or not, and its
// colour.
inline StaticTextProperties Label(ControlPlacement place, std::string text, std::string font, std::int32_t textAlign,
                                  bool bold = false, Colour colour = kBlack) {
  return { .place = std::move(place),
           .Text = std::move(text),
           .TextAlign = textAlign,
           .TextColor = colour,
           .TextFont = std::move(font),
           .Bold = bold };
}

struct CanvasProperties final {
  ControlPlacement place;
  bool Enabled { true };
  bool Visible { true };
  bool UseFocusRing { false };
};

struct RectangleProperties final {
  ControlPlacement place;
  bool Enabled { true };
  bool Visible { true };
  Colour FillColor { kBlack };
  std::int32_t BorderWidth { 1 };
  Colour TopLeftColor { kBlack };
  Colour BottomRightColor { kBlack };
};

struct TimerProperties final {
  std::int32_t Mode { 0 };
  std::int32_t Period { 0 };
};

std::string PropertySetOf(const WindowProperties& p);
std::string PropertySetOf(const TextAreaProperties& p);
std::string PropertySetOf(const PushButtonProperties& p);
std::string PropertySetOf(const StaticTextProperties& p);
std::string PropertySetOf(const CanvasProperties& p);
std::string PropertySetOf(const RectangleProperties& p);
std::string PropertySetOf(const TimerProperties& p);

}  // namespace fw
