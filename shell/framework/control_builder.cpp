#include "shell/framework/control_builder.h"

#include <type_traits>

#include "shell/framework/canvas.h"
#include "shell/framework/push_button.h"
#include "shell/framework/rectangle.h"
#include "shell/framework/static_text.h"
#include "shell/framework/text_area.h"
#include "shell/framework/window.h"

namespace fw {
namespace {

template <class Kind>
void Make(Window& window, const std::string& name) {
  window._AddControl(name, window.__New<Kind>());
}

void Allocate(Window& window, const ControlRecord& record) {
  const std::string& name = NameOf(record);
  std::visit(
      [&](const auto& p) {
        using P = std::decay_t<decltype(p)>;
        if constexpr (std::is_same_v<P, TextAreaProperties>)
          Make<TextArea>(window, name);
        else if constexpr (std::is_same_v<P, PushButtonProperties>)
          Make<PushButton>(window, name);
        else if constexpr (std::is_same_v<P, StaticTextProperties>)
          Make<StaticText>(window, name);
        else if constexpr (std::is_same_v<P, CanvasProperties>)
          Make<Canvas>(window, name);
        else
          Make<Rectangle>(window, name);
      },
      record.properties);
}

// What a set never carries: the text size and its unit, or a canvas's picture.
void SetUnsetValues(Window& window, const ControlRecord& record) {
  const std::string& name = NameOf(record);
  if (std::holds_alternative<CanvasProperties>(record.properties)) {
    ControlAs<Canvas>(window, name).SetBackdrop(record.picture != nullptr ? record.picture() : nullptr);
  } else if (record.textSize > 0) {
    ControlAs<RectControl>(window, name).SetTextSize(record.textSize);
    ControlAs<RectControl>(window, name).SetTextUnit(0);
  }
}

}  // namespace

const std::string& NameOf(const ControlRecord& record) {
  return std::visit([](const auto& p) -> const std::string& { return p.place.Name; }, record.properties);
}

std::string SetOf(const ControlRecord& record) {
  return std::visit([](const auto& p) { return PropertySetOf(p); }, record.properties);
}

Control& BuildControl(Window& window, const ControlRecord& record) {
  Allocate(window, record);
  SetUnsetValues(window, record);
  Control& control = RuntimeWindowControlByName(window, NameOf(record));
  _SetProperties(control, SetOf(record));
  ApplyNaming(window, NameOf(record), record.naming);
  return control;
}

}  // namespace fw
