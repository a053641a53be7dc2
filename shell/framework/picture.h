#pragma once

// A picture read from a file, shared by every canvas that shows it; nullptr is "nil", no picture.
// Its size is in points, the unit of window coordinates: the file's pixels at the resolution
// that the file states, 72 pixels an inch being one pixel a point and 144 two. A picture drawn
// at twice the density so shows at the size of its canvas, and every one of its pixels stands
// on a screen of twice the density. A file that states no resolution has a pixel a point.

#include <memory>

#include <QImage>

namespace fw {

class Picture final {
public:
  explicit Picture(QImage image);
  // The pixels, with their density as the device pixel ratio, so that Qt draws them at the
  // picture's size in points.
  const QImage& Image() const { return m_image; }
  int Width() const;
  int Height() const;

private:
  QImage m_image;
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace fw
