#pragma once

// Where a window opens: centred on the screen's available area. A window taller or wider than
// that area would lose its title bar (and its menu bar) past the area's top or left edge, where
// the user could neither move nor resize it; in that direction its frame starts at the area's
// edge instead.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace fw {

// The top-left corner of the frame of a window of that size in the area.
QPoint PlacedTopLeft(const QRect& area, const QSize& size);

}  // namespace fw
