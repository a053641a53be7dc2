// The help window's own properties and its two fields, as data. The fields overlap almost
// entirely; the second, made last, holds the help text and stands in front.

#include "shell/description_wnd_layout.h"

#include <string>
#include <utility>

#include "shell/help_text.h"

namespace DescriptionWnd {
namespace {

fw::TextAreaProperties ReadOnlyField(fw::ControlPlacement place, const char* font, bool styled, int alignment,
                                     std::string text) {
  return { .place = std::move(place),
           .ScrollbarVertical = true,
           .Styled = styled,
           .TextFont = font,
           .Text = std::move(text),
           .ReadOnly = true,
           .Alignment = alignment };
}

}  // namespace

const fw::WindowProperties& DescriptionWndProperties() {
  static const fw::WindowProperties properties { .Width = 427, .Height = 491, .Title = "Description" };
  return properties;
}

const std::vector<fw::ControlRecord>& DescriptionWndControls() {
  static const std::vector<fw::ControlRecord> controls {
    { ReadOnlyField(fw::Place("DescribeFld", 1, -1, 427, 478, 0), "Courier", false, 0, "\r"), 10 },
    { ReadOnlyField(fw::Place("DescribeFld2", -1, -1, 429, 476, 1), "Times", true, 1, std::string(shell::HelpText())),
      11, nullptr, fw::AccessibleName("Description") },
  };
  return controls;
}

}  // namespace DescriptionWnd
