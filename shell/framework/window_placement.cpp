#include "shell/framework/window_placement.h"

#include <algorithm>

namespace fw {

QPoint PlacedTopLeft(const QRect& area, const QSize& size) {
  const QPoint centred = area.center() - QPoint(size.width() / 2, size.height() / 2);
  return QPoint(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}

}  // namespace fw
