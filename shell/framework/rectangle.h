#pragma once

// A coloured rectangle: filled with FillColor, its edges BorderWidth wide, the top and left
// edges in TopLeftColor and the bottom and right ones in BottomRightColor.

#include "shell/framework/rect_control.h"

namespace fw {

class RectangleWidget;

class Rectangle final : public RectControl {
public:
  using RectControl::RectControl;

  void Constructor() override;
  Colour FillColor() const { return m_fill; }
  Colour TopLeftColor() const { return m_topLeft; }
  Colour BottomRightColor() const { return m_bottomRight; }
  std::int32_t BorderWidth() const { return m_borderWidth; }

private:
  bool SetKindProperty(std::string_view key, const PropertyValue& value) override;

  RectangleWidget* m_widget { nullptr };
  Colour m_fill { kBlack };
  Colour m_topLeft { kBlack };
  Colour m_bottomRight { kBlack };
  std::int32_t m_borderWidth { 1 };
};

}  // namespace fw
