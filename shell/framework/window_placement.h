#pragma once

// Where a window opens: centred on the screen's available area. A window taller or wider than
// that area would lose its title bar (and its menu bar) past the area's top or left edge, where
// the user could neither move nor resize it; in that direction it starts at the area's edge
// instead, and once the window manager has framed it, its frame's top-left corner is moved
// into the area if the frame stands out past it.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace fw {

// The top-left corner of a window of that size in the area: centred, but never past the area's
// top or left edge.
QPoint PlacedTopLeft(const QRect& area, const QSize& size);

// Places a top-level widget that is about to be shown for the first time, in the available
// area of the primary screen, and keeps its frame's top-left corner in that area once the
// window manager has framed it.
void PlaceOnScreen(QWidget& window);

}  // namespace fw
