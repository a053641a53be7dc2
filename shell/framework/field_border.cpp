#include "shell/framework/field_border.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QPainter>

namespace fw {
namespace {

// The device pixels that lie wholly inside an area of device coordinates; a hair's breadth of
// rounding is forgiven.
QRect WholePixelsInside(const QRectF& area) {
  constexpr double hair = 1e-6;
  const int left = static_cast<int>(std::ceil(area.left() - hair));
  const int top = static_cast<int>(std::ceil(area.top() - hair));
  const int right = static_cast<int>(std::floor(area.right() + hair));
  const int bottom = static_cast<int>(std::floor(area.bottom() + hair));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// The line colour of the Fusion style's plain frame, so that at scale 1 a field looks as the
// style draws it.
QColor BorderColour(const QPalette& palette) { return palette.color(QPalette::Window).darker(140).lighter(108); }

}  // namespace

FieldBorder::FieldBorder(QWidget& field) : QWidget(&field) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(field.rect());
  // Made after the field's text area and scroll bars, it already stands above them.
  field.installEventFilter(this);
}

bool FieldBorder::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize)
    setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

// A line of one unit is as many whole device pixels as come nearest to it, at least one.
void FieldBorder::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QTransform toDevice = painter.deviceTransform();
  const QRect pixels = WholePixelsInside(toDevice.mapRect(QRectF(rect())));
  const int line = std::min({ std::max(1, qRound(toDevice.m11())), pixels.width(), pixels.height() });
  if (line <= 0)
    return;
  painter.setWorldTransform(toDevice.inverted());
  const QColor colour = BorderColour(palette());
  painter.fillRect(pixels.left(), pixels.top(), pixels.width(), line, colour);
  painter.fillRect(pixels.left(), pixels.bottom() + 1 - line, pixels.width(), line, colour);
  painter.fillRect(pixels.left(), pixels.top(), line, pixels.height(), colour);
  painter.fillRect(pixels.right() + 1 - line, pixels.top(), line, pixels.height(), colour);
}

}  // namespace fw
