#pragma once

// The border of a text field: a line one unit thick along its four edges, drawn over the
// field's text area and scroll bar on whole device pixels. The style's own frame is drawn at
// positions of the window's coordinates, which at a fractional scale fall between device
// pixels, where the text area and the scroll bar, drawn after it, cover it.

#include <QWidget>

namespace fw {

class FieldBorder final : public QWidget {
public:
  // Stands over the whole of field and follows its size.
  explicit FieldBorder(QWidget& field);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace fw
