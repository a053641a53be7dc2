#include "shell/framework/window_placement.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace fw {
namespace {

// The point, moved right and down as far as needed to stand in the area's top-left corner.
QPoint Inside(const QRect& area, const QPoint& topLeft) {
  return QPoint(std::max(topLeft.x(), area.left()), std::max(topLeft.y(), area.top()));
}

// The frame's size is known only once the window manager has framed the window, after it was
// shown: then a frame that stands out past the area's top or left edge is moved into it, once.
class FrameKeeper final : public QObject {
public:
  FrameKeeper(QWindow& window, const QRect& area) : QObject(&window), m_window(window), m_area(area) {
    window.installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &m_window && (event->type() == QEvent::Expose || event->type() == QEvent::Move) &&
        !m_window.frameMargins().isNull()) {
      const QPoint frame = m_window.framePosition();
      if (Inside(m_area, frame) != frame)
        m_window.setFramePosition(Inside(m_area, frame));
      m_window.removeEventFilter(this);
      deleteLater();
    }
    return QObject::eventFilter(watched, event);
  }

private:
  QWindow& m_window;
  QRect m_area;
};

}  // namespace

QPoint PlacedTopLeft(const QRect& area, const QSize& size) {
  return Inside(area, area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void PlaceOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr)
    return;
  const QRect area = screen->availableGeometry();
  window.move(PlacedTopLeft(area, window.size()));
  window.winId();  // makes the native window, whose frame is watched
  new FrameKeeper(*window.windowHandle(), area);
}

}  // namespace fw
