#pragma once

// An editable or read-only text field; every text field of the program is multi-line. Its
// Text is the field's lines separated by CR (13), whatever the widget holds, so pasted LF and
// CRLF columns read the same as typed ones. Keys go to the "KeyDown" handler first (a true
// result keeps the key out); LimitText caps what typing and pasting can put in. Pasted text
// passes no key handler. A read-only field never breaks a line inside a number
// (whole_numbers.h).

#include <cstdint>

#include <QColor>

#include "shell/framework/rect_control.h"

class QTextEdit;

namespace fw {

class FieldEdit;
class Graphics;
class StyledTextPrinter;

class TextArea final : public RectControl {
public:
  using RectControl::RectControl;

  void Constructor() override;

  String Text() const;
  // Replaces the whole text; a text that extends the field's own costs only what it adds.
  void SetText(const String& text);

  // Scrolls the field so that line n of Text (counted from 0) stands at the top of its visible
  // area, or as near to it as the end of the text allows. The caret stays where it is.
  void ScrollToLine(std::int32_t n);

  // The selection, in characters from the start of the text.
  void SetSelStart(std::int32_t start);
  void SetSelLength(std::int32_t length);
  // Makes the selected characters bold (or plain).
  void SetSelBold(bool bold);

  // The field's styled text, bold runs included, laid out for printing at a width in page
  // units (printing.h).
  StyledTextPrinter styledTextPrinter(Graphics& graphics, double width) const;

  std::int32_t LimitText() const { return m_limitText; }
  QTextEdit& Edit() const;

private:
  friend class FieldEdit;
  bool SetKindProperty(std::string_view key, const PropertyValue& value) override;
  void ApplyFont(const QFont& font) override;
  bool KeyDown(const String& key) const { return RaiseKeyDown(key); }
  void Select(std::int32_t start, std::int32_t length);
  void SetReadOnly(bool readOnly);

  void UpdatePalette();
  const String& KnownText() const;

  FieldEdit* m_edit { nullptr };
  QColor m_textColour { Qt::black };
  QColor m_backColour { Qt::white };
  bool m_hideSelection { true };
  // Whether SetSelBold gave some characters a weight of their own since the last whole new text:
  // text appended after them would take their weight.
  bool m_hasBoldRuns { false };
  // The field's text as Text gives it, while m_textKnown: reading a long column from the widget
  // costs a pass over all of it.
  mutable String m_text;
  mutable bool m_textKnown { false };
  std::int32_t m_limitText { 0 };
  std::int32_t m_selStart { 0 };
  std::int32_t m_selLength { 0 };
};

}  // namespace fw
