#include "shell/framework/field_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "shell/framework/clipboard_text.h"
#include "shell/framework/field_border.h"
#include "shell/framework/key_text.h"
#include "shell/framework/qt_text.h"
#include "shell/framework/text_area.h"
#include "shell/framework/whole_numbers.h"

namespace fw {

FieldEdit::FieldEdit(TextArea& field) : m_field(field), m_border(new FieldBorder(*this)) {
  setAcceptRichText(false);
  setTabChangesFocus(true);
}

// The style's frame keeps the text inside the border's width; the border itself is drawn over it.
void FieldEdit::SetBorder(bool shown) {
  setFrameShape(shown ? QFrame::StyledPanel : QFrame::NoFrame);
  m_border->setVisible(shown);
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
  if (event->type() == QEvent::KeyPress)
    return KeyPress(static_cast<QKeyEvent&>(*event));
  return QTextEdit::event(event);
}

// A refused control key is swallowed; of a typed text only what the handler accepts goes in.
bool FieldEdit::KeyPress(QKeyEvent& event) {
  const std::vector<String> keys = FieldKeys(event, !tabChangesFocus());
  if (keys.empty())
    return QTextEdit::event(&event);
  if (IsControlKey(keys.front())) {
    const bool breaksLine = Asc(keys.front()) == 13;
    if (m_field.KeyDown(keys.front()) || (breaksLine && Room() == 0)) {
      event.accept();
      return true;
    }
    return QTextEdit::event(&event);
  }
  const QString admitted = Admitted(keys);
  if (admitted == event.text())
    return QTextEdit::event(&event);
  if (admitted.isEmpty()) {
    event.accept();
    return true;
  }
  QKeyEvent typed(QEvent::KeyPress, event.key(), event.modifiers(), admitted, event.isAutoRepeat());
  return QTextEdit::event(&typed);
}

// A dead key or a compose sequence arrives as the input method's commit, not as a key press.
void FieldEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = event->commitString();
  const QString admitted = Admitted(CommittedKeys(committed));
  if (admitted == committed) {
    QTextEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(admitted, event->replacementStart(), event->replacementLength());
  QTextEdit::inputMethodEvent(&filtered);
  event->setAccepted(filtered.isAccepted());
}

// Every key goes to the handler, even past the limit: the filter judges first, then the limit
// (no room of -1 ever fills).
QString FieldEdit::Admitted(const std::vector<String>& keys) const {
  const int room = Room();
  QString admitted;
  int count = 0;
  for (const String& key : keys) {
    if (m_field.KeyDown(key) || count == room)
      continue;
    admitted += ToQString(key);
    ++count;
  }
  return admitted;
}

// Another program's data is asked for its formats once: on data without any, Qt asks again at
// each question (hasText alone asks twice) and waits each time for an owner that never answers.
void FieldEdit::insertFromMimeData(const QMimeData* source) {
  const bool hasText = source != nullptr && !source->formats().isEmpty() && source->hasText();
  NotePasteFound(source, hasText);
  if (!hasText)
    return;
  // Each line end of the source becomes one paragraph break.
  QString text = WithLineEnds(source->text(), QChar('\n'));
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
