#pragma once

// A label. TextAlign 0 is left, 1 centred, 2 right; a CR in its text breaks the line. It is
// drawn in its TextColor whether it is enabled or not.

#include "shell/framework/rect_control.h"

class QLabel;

namespace fw {

class StaticText final : public RectControl {
public:
  using RectControl::RectControl;

  void Constructor() override;
  QLabel& Label() const { return *m_label; }

private:
  bool SetKindProperty(std::string_view key, const PropertyValue& value) override;

  QLabel* m_label { nullptr };
};

}  // namespace fw
