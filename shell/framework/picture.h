#pragma once

// A picture read from a file, shared by every canvas that shows it; nullptr is "nil", no picture.

#include <memory>

#include <QImage>

namespace fw {

class Picture final {
public:
  explicit Picture(QImage image) : m_image(std::move(image)) { }
  const QImage& Image() const { return m_image; }
  int Width() const { return m_image.width(); }
  int Height() const { return m_image.height(); }

private:
  QImage m_image;
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace fw
