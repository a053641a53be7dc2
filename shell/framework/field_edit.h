#pragma once

// The widget behind a TextArea: a QTextEdit that first offers what the user types to the
// field's KeyDown handler, one character at a time, whether it comes from a key press or from
// an input method, and keeps the text within the field's limit when typing and pasting.

#include <vector>

#include <QTextEdit>

#include "shell/framework/text_functions.h"

namespace fw {

class FieldBorder;
class TextArea;

class FieldEdit final : public QTextEdit {
  Q_OBJECT

public:
  explicit FieldEdit(TextArea& field);

  // Characters in the field, a line end counting as one.
  int CharacterCount() const;
  // Shows the field's border, or none.
  void SetBorder(bool shown);

protected:
  bool event(QEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

private:
  bool KeyPress(QKeyEvent& event);
  // The typed characters that the handler accepts, as many as the limit leaves room for.
  QString Admitted(const std::vector<String>& keys) const;
  // How many characters an insertion may add without passing the limit (-1: any number).
  int Room() const;

  TextArea& m_field;
  FieldBorder* m_border { nullptr };
};

}  // namespace fw
