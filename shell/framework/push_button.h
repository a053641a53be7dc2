#pragma once

// A push button; a click raises its "Action" event.

#include "shell/framework/rect_control.h"

class QPushButton;

namespace fw {

class PushButton final : public RectControl {
public:
  using RectControl::RectControl;

  void Constructor() override;
  QPushButton& Button() const { return *m_button; }
  // What a click does: the "Action" handler runs.
  void Push() const { RaiseAction(); }

private:
  bool SetKindProperty(std::string_view key, const PropertyValue& value) override;

  QPushButton* m_button { nullptr };
};

}  // namespace fw
