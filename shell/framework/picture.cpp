#include "shell/framework/picture.h"

#include <algorithm>
#include <cmath>

namespace fw {
namespace {

constexpr double kInchesPerMeter = 0.0254;
constexpr double kPointsPerInch = 72;

// Pixels in a point, a whole number from 1, by the resolution that the file states. Qt gives
// a file that states none its default resolution, which depends on the screen.
double PixelsPerPoint(const QImage& image) {
  if (image.dotsPerMeterX() == QImage(1, 1, QImage::Format_Mono).dotsPerMeterX())
    return 1;
  const double perInch = image.dotsPerMeterX() * kInchesPerMeter;
  return std::max(1.0, std::round(perInch / kPointsPerInch));
}

}  // namespace

Picture::Picture(QImage image) : m_image(std::move(image)) { m_image.setDevicePixelRatio(PixelsPerPoint(m_image)); }

int Picture::Width() const { return static_cast<int>(std::lround(m_image.deviceIndependentSize().width())); }
int Picture::Height() const { return static_cast<int>(std::lround(m_image.deviceIndependentSize().height())); }

}  // namespace fw
