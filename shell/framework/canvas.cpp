#include "shell/framework/canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace fw {

class CanvasWidget final : public QWidget {
public:
  explicit CanvasWidget(Canvas& canvas) : m_canvas(canvas) { }

protected:
  void paintEvent(QPaintEvent*) override {
    if (const auto& picture = m_canvas.Backdrop()) {
      QPainter painter(this);
      // At its size in points: a picture denser than the screen is scaled down smoothly.
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(QPoint(0, 0), picture->Image());
    }
  }

  void mousePressEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    m_canvas.MouseDown(at.x(), at.y());
    event->accept();
  }

private:
  Canvas& m_canvas;
};

void Canvas::Constructor() {
  m_canvas = new CanvasWidget(*this);
  Adopt(m_canvas);
}

void Canvas::SetBackdrop(PicturePtr picture) {
  m_backdrop = std::move(picture);
  m_canvas->update();
}

bool Canvas::SetKindProperty(std::string_view key, const PropertyValue& value) {
  if (key == "AcceptFocus") {
    m_canvas->setFocusPolicy(AsBoolean(value) ? Qt::StrongFocus : Qt::NoFocus);
    return true;
  }
  // Drawing is always double-buffered and erased first on this platform, and a canvas that
  // takes no focus has no tabs or focus ring to show.
  return key == "UseFocusRing" || key == "AcceptTabs" || key == "DoubleBuffer" || key == "EraseBackground";
}

}  // namespace fw
