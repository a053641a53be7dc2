#include "shell/framework/rectangle.h"

#include <QPainter>
#include <QWidget>

#include "shell/framework/qt_colour.h"

namespace fw {

class RectangleWidget final : public QWidget {
public:
  explicit RectangleWidget(const Rectangle& rectangle) : m_rectangle(rectangle) { }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_rectangle.FillColor()));
    const int edge = std::min({ m_rectangle.BorderWidth(), width(), height() });
    if (edge <= 0)
      return;
    painter.fillRect(0, 0, width(), edge, ToQColor(m_rectangle.TopLeftColor()));
    painter.fillRect(0, 0, edge, height(), ToQColor(m_rectangle.TopLeftColor()));
    painter.fillRect(0, height() - edge, width(), edge, ToQColor(m_rectangle.BottomRightColor()));
    painter.fillRect(width() - edge, 0, edge, height(), ToQColor(m_rectangle.BottomRightColor()));
  }

private:
  const Rectangle& m_rectangle;
};

void Rectangle::Constructor() {
  m_widget = new RectangleWidget(*this);
  Adopt(m_widget);
}

bool Rectangle::SetKindProperty(std::string_view key, const PropertyValue& value) {
  if (key == "FillColor")
    m_fill = AsColour(value);
  else if (key == "TopLeftColor")
    m_topLeft = AsColour(value);
  else if (key == "BottomRightColor")
    m_bottomRight = AsColour(value);
  else if (key == "BorderWidth")
    m_borderWidth = AsInt32(value);
  else
    return false;
  m_widget->update();
  return true;
}

}  // namespace fw
