#include "shell/framework/key_text.h"

#include <QKeyEvent>

namespace fw {
namespace {

bool IsModifierKey(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
      return true;
    default:
      return false;
  }
}

// The code of a key that edits or ends a line, or nothing. With Ctrl, Alt or Meta held such a
// key is a chord that the field serves itself (Ctrl+Backspace deletes a word).
std::optional<std::int32_t> ControlCode(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Delete:
      return 127;
    default:
      return std::nullopt;
  }
}

// Whether a text field would insert the key's text, as Qt's own text fields judge it: a
// printable first character, unless Ctrl alone (or with Shift) makes the key a shortcut.
// Alt with Ctrl stands for AltGr on some keyboards and types.
bool TypesText(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty())
    return false;
  const Qt::KeyboardModifiers chord = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
  if (chord == Qt::ControlModifier)
    return false;
  const char32_t first = text.toUcs4().value(0);
  return QChar::isPrint(first) || QChar::category(first) == QChar::Other_PrivateUse ||
         QChar::category(first) == QChar::Other_Format;
}

}  // namespace

std::vector<String> FieldKeys(const QKeyEvent& event, bool acceptsTabs) {
  if (IsModifierKey(event.key()))
    return {};
  if (const auto code = ControlCode(event)) {
    if (*code == 9 && !acceptsTabs)
      return {};
    return { Chr(*code) };
  }
  if (!TypesText(event))
    return {};
  return CommittedKeys(event.text());
}

std::vector<String> CommittedKeys(const QString& text) {
  std::vector<String> keys;
  for (const char32_t c : text.toUcs4())
    keys.push_back(Chr(static_cast<std::int32_t>(c)));
  return keys;
}

std::optional<String> WindowKey(const QKeyEvent& event) {
  if (IsModifierKey(event.key()))
    return std::nullopt;
  const std::vector<String> keys = FieldKeys(event, true);
  return keys.empty() ? String() : keys.front();
}

bool IsControlKey(const String& key) {
  const std::int32_t code = Asc(key);
  return code < 32 || code == 127;
}

}  // namespace fw
