#include "shell/framework/key_text.h"

#include <QKeyEvent>

#include "shell/framework/qt_text.h"

namespace fw {

std::optional<String> KeyText(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Backspace:
      return Chr(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return Chr(9);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Chr(13);
    case Qt::Key_Escape:
      return Chr(27);
    case Qt::Key_Delete:
      return Chr(127);
    default:
      break;
  }
  const QString text = event.text();
  if (text.isEmpty())
    return std::nullopt;
  const char32_t first = text.toUcs4().value(0);
  if (first < 0x20 || first == 0x7F)
    return std::nullopt;
  return Chr(static_cast<std::int32_t>(first));
}

}  // namespace fw
