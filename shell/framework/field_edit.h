#pragma once

// The widget behind a TextArea: a QTextEdit that first offers each key to the field's
// KeyDown handler and keeps the text within the field's limit when typing and pasting.

#include <QTextEdit>

namespace fw {

class TextArea;

class FieldEdit final : public QTextEdit {
  Q_OBJECT

public:
  explicit FieldEdit(TextArea& field);

  // Characters in the field, a line end counting as one.
  int CharacterCount() const;

protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

private:
  // How many characters an insertion may add without passing the limit (-1: any number).
  int Room() const;

  TextArea& m_field;
};

}  // namespace fw
