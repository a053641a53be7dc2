#pragma once

// A picture holder: draws its Backdrop at its top-left corner at the picture's size in points
// (nothing when the backdrop is nil) and raises "MouseDown" with the click position when it is
// clicked. A disabled canvas takes no clicks; they go to its window.

#include "shell/framework/picture.h"
#include "shell/framework/rect_control.h"

namespace fw {

class CanvasWidget;

class Canvas final : public RectControl {
public:
  using RectControl::RectControl;

  void Constructor() override;
  const PicturePtr& Backdrop() const { return m_backdrop; }
  void SetBackdrop(PicturePtr picture);

private:
  friend class CanvasWidget;
  bool SetKindProperty(std::string_view key, const PropertyValue& value) override;
  bool MouseDown(std::int32_t x, std::int32_t y) const { return RaiseMouseDown(x, y); }

  CanvasWidget* m_canvas { nullptr };
  PicturePtr m_backdrop;
};

}  // namespace fw
