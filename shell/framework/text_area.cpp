#include "shell/framework/text_area.h"

#include <algorithm>
#include <string_view>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

#include "shell/framework/field_edit.h"
#include "shell/framework/line_wrap.h"
#include "shell/framework/printing.h"
#include "shell/framework/qt_colour.h"
#include "shell/framework/qt_text.h"
#include "shell/framework/whole_numbers.h"

namespace fw {
namespace {

// Alignment 0 is the default, left; 1 left, 2 centred, 3 right.
Qt::Alignment FieldAlignment(std::int32_t code) {
  switch (code) {
    case 2:
      return Qt::AlignHCenter;
    case 3:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

// A text of printable ASCII, tabs and CRs: the widget gives it back as it was given.
bool ReadsBackUnchanged(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return (c >= ' ' && c <= '~') || c == '\t' || c == '\r'; });
}

}  // namespace

void TextArea::Constructor() {
  m_edit = new FieldEdit(*this);
  Adopt(m_edit);
  WrapLinesCheaply(*m_edit);
  // Typing, pasting, undo and new texts all pass here, so the text last read stays true.
  QObject::connect(m_edit->document(), &QTextDocument::contentsChanged, m_edit, [this] { m_textKnown = false; });
}

QTextEdit& TextArea::Edit() const { return *m_edit; }

const String& TextArea::KnownText() const {
  if (!m_textKnown) {
    m_text = FieldTextFromQt(WithoutJoiners(m_edit->toPlainText()));
    m_textKnown = true;
  }
  return m_text;
}

String TextArea::Text() const { return KnownText(); }

void TextArea::SetText(const String& text) {
  // A new text that only adds lines to the field's own is appended, so that the document keeps
  // the lines it has laid out and the cost is that of the new lines alone. A CR LF that would
  // straddle the two parts reads as one line end only in the whole text.
  const String& current = KnownText();
  const std::size_t kept = current.size();
  const bool extends = !m_hasBoldRuns && !m_edit->isReadOnly() && kept > 0 && text.size() > kept &&
                       text.compare(0, kept, current) == 0 && !(current.back() == '\r' && text[kept] == '\n');
  const std::string_view added = std::string_view(text).substr(extends ? kept : 0);
  if (extends) {
    // As after a whole new text: no undo history, the caret at the start.
    QTextDocument& document = *m_edit->document();
    document.setUndoRedoEnabled(false);
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    end.insertText(FieldTextToQt(String(added)));
    document.setUndoRedoEnabled(true);
    m_edit->setTextCursor(QTextCursor(&document));
  } else {
    m_edit->setPlainText(FieldTextToQt(text));
    if (m_edit->isReadOnly())
      JoinNumbers(*m_edit->document());
    m_hasBoldRuns = false;
    m_text.clear();
  }
  // The widget's text has changed: it is read again, unless it reads back as it was given.
  if (ReadsBackUnchanged(added)) {
    m_text.append(added);
    m_textKnown = true;
  }
}

void TextArea::ScrollToLine(std::int32_t n) {
  QTextDocument& document = *m_edit->document();
  QTextBlock line = document.findBlockByNumber(n);
  if (!line.isValid())
    line = document.lastBlock();
  const qreal top = document.documentLayout()->blockBoundingRect(line).top();
  m_edit->verticalScrollBar()->setValue(qRound(top));
}

// Numbers are kept whole where nobody edits the text, so that no hidden joiner ever stands in
// the way of the caret or of a key.
void TextArea::SetReadOnly(bool readOnly) {
  if (readOnly == m_edit->isReadOnly())
    return;
  // A read-only field has nothing to undo, and the joiners are no edit of the user's: undo is
  // off while they stand.
  QTextDocument& document = *m_edit->document();
  if (readOnly) {
    document.setUndoRedoEnabled(false);
    JoinNumbers(document);
  } else {
    UnjoinNumbers(document);
    document.setUndoRedoEnabled(true);
  }
  m_edit->setReadOnly(readOnly);
}

void TextArea::Select(std::int32_t start, std::int32_t length) {
  const QTextDocument& document = *m_edit->document();
  const int count = static_cast<int>(WithoutJoiners(document.toPlainText()).size());
  const int from = std::clamp(start, 0, count);
  const int to = std::clamp(from + std::max(length, 0), from, count);
  QTextCursor cursor(m_edit->document());
  cursor.setPosition(DocumentPosition(document, from));
  cursor.setPosition(DocumentPosition(document, to), QTextCursor::KeepAnchor);
  m_edit->setTextCursor(cursor);
}

void TextArea::SetSelStart(std::int32_t start) {
  m_selStart = start;
  m_selLength = 0;
  Select(m_selStart, m_selLength);
}

void TextArea::SetSelLength(std::int32_t length) {
  m_selLength = length;
  Select(m_selStart, m_selLength);
}

void TextArea::SetSelBold(bool bold) {
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  m_edit->textCursor().mergeCharFormat(format);
  m_hasBoldRuns = true;
}

StyledTextPrinter TextArea::styledTextPrinter(Graphics& graphics, double width) const {
  return StyledTextPrinter(graphics, *m_edit->document(), m_edit->palette().color(QPalette::Text), width);
}

void TextArea::ApplyFont(const QFont& font) {
  m_edit->setFont(font);
  m_edit->document()->setDefaultFont(font);
}

// An unfocused field that hides its selection draws it as plain text on the field's colour.
void TextArea::UpdatePalette() {
  QPalette palette = m_edit->palette();
  palette.setColor(QPalette::Text, m_textColour);
  palette.setColor(QPalette::Base, m_backColour);
  const QPalette normal = QApplication::palette(m_edit);
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   m_hideSelection ? m_backColour : normal.color(QPalette::Inactive, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   m_hideSelection ? m_textColour : normal.color(QPalette::Inactive, QPalette::HighlightedText));
  m_edit->setPalette(palette);
}

bool TextArea::SetKindProperty(std::string_view key, const PropertyValue& value) {
  if (key == "Text") {
    SetText(AsString(value));
  } else if (key == "ReadOnly") {
    SetReadOnly(AsBoolean(value));
  } else if (key == "LimitText") {
    m_limitText = AsInt32(value);
  } else if (key == "Alignment") {
    QTextOption option = m_edit->document()->defaultTextOption();
    option.setAlignment(FieldAlignment(AsInt32(value)));
    m_edit->document()->setDefaultTextOption(option);
  } else if (key == "Border") {
    m_edit->SetBorder(AsBoolean(value));
  } else if (key == "Multiline") {
    m_edit->setLineWrapMode(AsBoolean(value) ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  } else if (key == "ScrollbarVertical") {
    // A field with a scroll bar always shows it, so a long column is laid out once, not again
    // when the bar appears.
    m_edit->setVerticalScrollBarPolicy(AsBoolean(value) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  } else if (key == "ScrollbarHorizontal") {
    m_edit->setHorizontalScrollBarPolicy(AsBoolean(value) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  } else if (key == "AcceptTabs") {
    m_edit->setTabChangesFocus(!AsBoolean(value));
  } else if (key == "TextColor") {
    m_textColour = ToQColor(AsColour(value));
    UpdatePalette();
  } else if (key == "BackColor") {
    m_backColour = ToQColor(AsColour(value));
    UpdatePalette();
  } else if (key == "HideSelection") {
    m_hideSelection = AsBoolean(value);
    UpdatePalette();
  } else if (key == "Styled" || key == "UseFocusRing" || key == "Format" || key == "Mask" || key == "DataSource" ||
             key == "DataField") {
    // Carried, and not used: every field keeps the bold runs that SetSelBold gives it, styled
    // or not; the focus shows in the frame; and no field of the program has a format, mask or
    // data source.
  } else {
    return false;
  }
  return true;
}

}  // namespace fw
