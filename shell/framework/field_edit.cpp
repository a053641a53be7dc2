#include "shell/framework/field_edit.h"

#include <QKeyEvent>
#include <QMimeData>

#include "shell/framework/key_text.h"
#include "shell/framework/text_area.h"
#include "shell/framework/whole_numbers.h"

namespace fw {

FieldEdit::FieldEdit(TextArea& field) : m_field(field) {
  setAcceptRichText(false);
  setTabChangesFocus(true);
}

int FieldEdit::CharacterCount() const { return document()->characterCount() - 1; }

int FieldEdit::Room() const {
  if (m_field.LimitText() <= 0)
    return -1;
  const int selected = static_cast<int>(textCursor().selectedText().size());
  return std::max(0, m_field.LimitText() - (CharacterCount() - selected));
}

// Keys are offered to the handler here rather than in keyPressEvent, because tab would
// otherwise move the focus before any handler saw it.
bool FieldEdit::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (const auto text = KeyText(*key); text && m_field.KeyDown(*text)) {
      event->accept();
      return true;
    }
  }
  return QTextEdit::event(event);
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
  const auto text = KeyText(*event);
  const bool inserts = text && Asc(*text) >= 32 && Asc(*text) != 127;
  const bool breaksLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if ((inserts || breaksLine) && Room() == 0 && !isReadOnly()) {
    event->accept();
    return;
  }
  QTextEdit::keyPressEvent(event);
}

void FieldEdit::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText())
    return;
  QString text = source->text();
  // One line end, whatever the source used: CRLF and lone CR become one paragraph break.
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  if (const int room = Room(); room >= 0 && text.size() > room)
    text.truncate(room);
  textCursor().insertText(text);
  ensureCursorVisible();
}

// What is copied or dragged is the field's own text, without the widget's joiners.
QMimeData* FieldEdit::createMimeDataFromSelection() const {
  QMimeData* data = QTextEdit::createMimeDataFromSelection();
  data->setText(WithoutJoiners(data->text()));
  return data;
}

}  // namespace fw
