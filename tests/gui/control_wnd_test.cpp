// The main window as built from its property sets: every value of the sets as the widgets
// show it, the keystroke filters on real key presses, Clear, and Calculate through the fields.

#include <map>
#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "calculator/control_wnd.h"
#include "calculator/control_wnd_layout.h"
#include "shell/framework/canvas.h"
#include "shell/framework/push_button.h"
#include "shell/framework/qt_colour.h"
#include "shell/framework/rectangle.h"
#include "shell/framework/static_text.h"
#include "shell/framework/text_area.h"
#include "tests/support/first_sample.h"
#include "tests/support/recording_feedback.h"

namespace {

using Entries = std::map<std::string, fw::PropertyValue>;

Entries EntriesOf(const std::string& set) {
  Entries entries;
  for (auto& entry : fw::ReadPropertySet(set))
    entries.emplace(entry.key, entry.value);
  return entries;
}

std::int32_t Int(const Entries& e, const char* key) { return std::get<std::int32_t>(e.at(key)); }
bool Bool(const Entries& e, const char* key) { return std::get<bool>(e.at(key)); }
const std::string& Text(const Entries& e, const char* key) { return std::get<std::string>(e.at(key)); }
QColor Colour(const Entries& e, const char* key) { return fw::ToQColor(std::get<fw::Colour>(e.at(key))); }

// A column of n loadings, one a line.
std::string Loadings(int n) {
  std::string column;
  for (int i = 1; i <= n; ++i)
    column += (i > 1 ? "\r." : ".") + std::to_string(100 + i * 7 % 800);
  return column;
}

class ControlWndTest : public testing::Test {
protected:
  void TearDown() override { fw::ReleaseImplicitWindows(); }

  fw::TextArea& Field(const char* name) { return fw::ControlAs<fw::TextArea>(window, name); }

  // The field of that name holding text, with length characters from start selected.
  fw::TextArea& FieldWithSelection(const char* name, const char* text, int start, int length) {
    fw::TextArea& field = Field(name);
    field.SetText(text);
    field.SetSelStart(start);
    field.SetSelLength(length);
    return field;
  }

  // nv variables, 100 subjects in each sample, salience .30.
  void TypeNumbers(const char* nv) {
    Field("Nvariables").SetText(nv);
    Field("Nsubjects1").SetText("100");
    Field("Nsubjects2").SetText("100");
    Field("sFld").SetText(".30");
  }

  testing_support::RecordingFeedback feedback;
  class ControlWnd::ControlWnd& window { ControlWnd::ControlWnd() };
};

TEST_F(ControlWndTest, TheWindowShowsAllOfItsContent) {
  const QWidget& top = window.TopLevel();
  EXPECT_EQ(top.windowTitle(), QStringLiteral("Quillon"));
  EXPECT_EQ(window.Content().size(), QSize(500, 550));  // taller than the limit of 500
  EXPECT_EQ(top.minimumSize(), top.maximumSize());      // not resizeable
  EXPECT_EQ(ControlWnd::ControlWndProperties().MaxHeight, 500);
  EXPECT_EQ(&ControlWnd::ControlWnd(), &window);
  EXPECT_EQ(window.Controls().size(), 30u);
}

TEST_F(ControlWndTest, EveryControlShowsItsSet) {
  std::vector<std::string> sets;
  for (const auto& row : ControlWnd::ControlWndControls())
    sets.push_back(fw::SetOf(row));
  ASSERT_EQ(sets.size(), 30u);
  std::vector<QWidget*> tabOrder;
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const Entries e = EntriesOf(sets[i]);
    const std::string& name = Text(e, "Name");
    SCOPED_TRACE(name);
    EXPECT_EQ(Int(e, "TabIndex"), static_cast<std::int32_t>(i));
    EXPECT_EQ(Int(e, "Index"), fw::kNoIndex);
    auto& control = fw::ControlAs<fw::RectControl>(window, name);
    EXPECT_EQ(window.Controls()[i].get(), &control);  // created in tab order
    const QWidget& widget = control.Widget();
    EXPECT_EQ(widget.geometry(), QRect(Int(e, "Left"), Int(e, "Top"), Int(e, "Width"), Int(e, "Height")));
    EXPECT_EQ(widget.isEnabled(), Bool(e, "Enabled"));
    EXPECT_EQ(widget.isVisibleTo(&window.Content()), Bool(e, "Visible"));
    const bool allLocks = Bool(e, "LockLeft") && Bool(e, "LockTop") && Bool(e, "LockRight") && Bool(e, "LockBottom");
    const bool noLocks = !Bool(e, "LockLeft") && !Bool(e, "LockTop") && !Bool(e, "LockRight") && !Bool(e, "LockBottom");
    EXPECT_TRUE(name == "StaticText1" || name == "Canvas1" ? noLocks : allLocks);
    if (auto* field = dynamic_cast<fw::TextArea*>(&control)) {
      const QTextEdit& edit = field->Edit();
      EXPECT_EQ(field->Text(), Text(e, "Text"));
      EXPECT_EQ(edit.isReadOnly(), Bool(e, "ReadOnly"));
      EXPECT_EQ(field->LimitText(), Int(e, "LimitText"));
      EXPECT_EQ(edit.font().bold(), Bool(e, "Bold"));
      EXPECT_EQ(edit.font().fixedPitch() || QFontInfo(edit.font()).fixedPitch(), true);  // Courier
      EXPECT_EQ(edit.palette().color(QPalette::Text), Colour(e, "TextColor"));
      // An unfocused field hides its selection: it is drawn in the field's own colours.
      ASSERT_TRUE(Bool(e, "HideSelection"));
      EXPECT_EQ(edit.palette().color(QPalette::Inactive, QPalette::Highlight), Colour(e, "BackColor"));
      EXPECT_EQ(edit.palette().color(QPalette::Inactive, QPalette::HighlightedText), Colour(e, "TextColor"));
      EXPECT_EQ(edit.document()->defaultTextOption().alignment(),
                Int(e, "Alignment") == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
      EXPECT_EQ(edit.verticalScrollBarPolicy(),
                Bool(e, "ScrollbarVertical") ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
      EXPECT_EQ(field->HasHandler("KeyDown"), !Bool(e, "ReadOnly"));
      tabOrder.push_back(&field->Edit());
    } else if (auto* label = dynamic_cast<fw::StaticText*>(&control)) {
      EXPECT_EQ(label->Label().text().toStdString(), fw::ReplaceAll(Text(e, "Text"), "\r", "\n"));
      EXPECT_EQ(label->Label().font().bold(), Bool(e, "Bold"));
      EXPECT_EQ(label->Label().palette().color(QPalette::WindowText), Colour(e, "TextColor"));
      const Qt::Alignment align[] = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight };
      EXPECT_EQ(label->Label().alignment() & Qt::AlignHorizontal_Mask, align[Int(e, "TextAlign")]);
    } else if (auto* button = dynamic_cast<fw::PushButton*>(&control)) {
      EXPECT_EQ(button->Button().text().toStdString(), Text(e, "Caption"));
      EXPECT_FALSE(button->Button().isDefault());
      EXPECT_TRUE(button->HasHandler("Action"));
      tabOrder.push_back(&button->Button());
    } else if (auto* rule = dynamic_cast<fw::Rectangle*>(&control)) {
      EXPECT_EQ(rule->FillColor(), fw::RGB(0xDD3C13));
      EXPECT_EQ(rule->TopLeftColor(), fw::RGB(0xDD3C13));
      EXPECT_EQ(rule->BorderWidth(), 1);
    } else {
      auto& canvas = dynamic_cast<fw::Canvas&>(control);
      EXPECT_EQ(canvas.HasHandler("MouseDown"), name == "Canvas1");
    }
  }
  // Tab moves through the fields and buttons in creation order (past the scroll bars and
  // viewports inside the fields).
  const auto next = [&](QWidget* w) {
    do
      w = w->nextInFocusChain();
    while (std::find(tabOrder.begin(), tabOrder.end(), w) == tabOrder.end());
    return w;
  };
  for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i)
    EXPECT_EQ(next(tabOrder[i]), tabOrder[i + 1]) << i;
}

TEST_F(ControlWndTest, TextSizesAndFontsOfTheTable) {
  const struct {
    const char* name;
    int pixels;
    bool monospace;
  } cases[] = { { "Nvariables", 14, true },   { "InputFld1", 10, true },    { "rOutFld", 14, true },
                { "StaticText4", 36, false }, { "StaticText1", 14, false }, { "StaticText3", 12, false },
                { "CalculateBtn", 12, false } };
  for (const auto& c : cases) {
    const QFont font = fw::ControlAs<fw::RectControl>(window, c.name).Widget().font();
    EXPECT_EQ(font.pixelSize(), c.pixels) << c.name;
    EXPECT_EQ(QFontInfo(font).fixedPitch(), c.monospace) << c.name;
  }
  EXPECT_EQ(fw::ControlAs<fw::StaticText>(window, "StaticText12").Label().text(),
            QStringLiteral("Salience value (> and <):      \u00B1"));
}

TEST_F(ControlWndTest, WithoutTheResourcesFolderTheCanvasesStayEmptyAndTheHelpPictureStillClicks) {
  EXPECT_EQ(fw::ControlAs<fw::Canvas>(window, "Canvas3").Backdrop(), nullptr);
  auto& help = fw::ControlAs<fw::Canvas>(window, "Canvas1");
  EXPECT_EQ(help.Backdrop(), nullptr);
  EXPECT_TRUE(help.HasHandler("MouseDown"));
}

// Typed keys and what each family makes of them: the field's text after typing, and the beeps.
TEST_F(ControlWndTest, TheFiltersOnRealKeyPresses) {
  const struct {
    const char* field;
    const char* typed;
    const char* kept;
    int beeps;
  } cases[] = {
    { "Nvariables", "1.2", "12", 1 },  // a point beeps in a count field
    { "Nvariables", "123", "12", 0 },  // the field's limit stops the third digit, without a beep
    { "Nsubjects1", "-5e ", "5", 3 },    { "sFld", "..5-", "..5", 1 },  // several points pass; the minus beeps
    { "sFld", "1 ,+", "1", 3 },          { "InputFld1", "-.5-1..", "-.5-1..", 0 },  // each key is judged alone
    { "InputFld2", "1,5 e+E", "15", 5 },
  };
  for (const auto& c : cases) {
    fw::TextArea& field = Field(c.field);
    field.SetText("");
    field.Edit().moveCursor(QTextCursor::End);
    const int beepsBefore = feedback.beeps;
    QTest::keyClicks(&field.Edit(), c.typed);
    EXPECT_EQ(field.Text(), c.kept) << c.field << " " << c.typed;
    EXPECT_EQ(feedback.beeps - beepsBefore, c.beeps) << c.field << " " << c.typed;
  }
}

TEST_F(ControlWndTest, ControlKeysAsTheFamiliesTakeThem) {
  const struct {
    Qt::Key key;
    int countBeeps, salienceBeeps, loadingBeeps;
  } cases[] = {
    { Qt::Key_Backspace, 0, 0, 0 }, { Qt::Key_Return, 0, 1, 0 }, { Qt::Key_Delete, 0, 1, 0 },
    { Qt::Key_Escape, 0, 1, 1 },    { Qt::Key_Tab, 0, 0, 0 },  // moves the focus: never judged
    { Qt::Key_Left, 0, 0, 0 },                                 // moves the caret only: never judged
  };
  for (const auto& c : cases) {
    const std::pair<const char*, int> fields[] = { { "Nsubjects2", c.countBeeps },
                                                   { "sFld", c.salienceBeeps },
                                                   { "InputFld1", c.loadingBeeps } };
    for (const auto& [name, beeps] : fields) {
      fw::TextArea& field = Field(name);
      field.SetText("7");
      field.Edit().moveCursor(QTextCursor::End);
      field.Edit().setFocus();
      const int beepsBefore = feedback.beeps;
      QTest::keyClick(&field.Edit(), c.key);
      EXPECT_EQ(feedback.beeps - beepsBefore, beeps) << name << " key " << c.key;
      if (beeps > 0) {
        EXPECT_EQ(field.Text(), "7") << name << " key " << c.key;
      }
    }
  }
}

// A selection typed over makes room: a full count field takes a digit in place of its
// selected characters, and keeps to its limit after them.
TEST_F(ControlWndTest, TypingOverASelectionReplacesItWithinTheLimit) {
  const struct {
    const char* field;
    const char* before;
    int selStart, selLength;
    const char* typed;
    const char* kept;
  } cases[] = {
    { "Nvariables", "99", 0, 2, "5", "5" },      { "Nvariables", "99", 1, 1, "5", "95" },
    { "Nvariables", "99", 0, 1, "57", "59" },  // the 7 finds the field full again
    { "Nsubjects2", "12345", 1, 3, "0", "105" }, { "sFld", ".10", 0, 3, ".25", ".25" },
  };
  for (const auto& c : cases) {
    fw::TextArea& field = FieldWithSelection(c.field, c.before, c.selStart, c.selLength);
    QTest::keyClicks(&field.Edit(), c.typed);
    EXPECT_EQ(field.Text(), c.kept) << c.field << " " << c.before << " typed over with " << c.typed;
  }
  EXPECT_EQ(feedback.beeps, 0);
}

// Return breaks the line of a field that takes it only where the limit leaves room for one
// more character; a full field swallows it without a beep.
TEST_F(ControlWndTest, ReturnBreaksTheLineOnlyWithinTheLimit) {
  const struct {
    const char* field;
    const char* before;
    int selStart, selLength;
    const char* kept;
  } cases[] = {
    { "Nvariables", "12", 2, 0, "12" },       { "Nvariables", "1", 1, 0, "1\r" },
    { "Nvariables", "12", 0, 2, "\r" },                                             // in place of the selection
    { "Nsubjects1", "12345", 5, 0, "12345" }, { "InputFld1", ".5", 2, 0, ".5\r" },  // a column has no limit
  };
  for (const auto& c : cases) {
    fw::TextArea& field = FieldWithSelection(c.field, c.before, c.selStart, c.selLength);
    QTest::keyClick(&field.Edit(), Qt::Key_Return);
    EXPECT_EQ(field.Text(), c.kept) << c.field << " " << c.before;
  }
  EXPECT_EQ(feedback.beeps, 0);
}

// What typing inserts besides plain keys goes through the same filters, one character at a
// time: chords with Alt or Meta, AltGr characters and an input method's commits (dead keys,
// compose). A refused character beeps once and stays out; the limit still holds.
TEST_F(ControlWndTest, ChordsAndInputMethodCommitsPassTheFilters) {
  constexpr auto kCommit = std::nullopt;  // typed through the input method, not as a key press
  const struct {
    const char* field;
    const char* before;
    std::optional<Qt::KeyboardModifiers> chord;
    const char* typed;
    const char* kept;
    int beeps;
  } cases[] = {
    { "Nvariables", "", Qt::AltModifier, "x", "", 1 },
    { "Nvariables", "", Qt::AltModifier, "5", "5", 0 },
    { "Nsubjects1", "", Qt::MetaModifier, ".", "", 1 },
    { "InputFld1", "", Qt::AltModifier, "e", "", 1 },
    { "InputFld2", "", Qt::AltModifier | Qt::ShiftModifier, "+", "", 1 },
    { "sFld", "", Qt::NoModifier, "\u20AC", "", 1 },      // AltGr+e
    { "InputFld1", "", Qt::NoModifier, "1e-", "1-", 1 },  // one key press that types three characters
    { "sFld", ".", kCommit, "\u00E9", ".", 1 },           // a dead key, then e
    { "Nvariables", "", kCommit, "\u00E4", "", 1 },
    { "InputFld1", "", kCommit, "1\u00E4-", "1-", 1 },
    { "Nvariables", "1", kCommit, "23", "12", 0 },  // the limit of 2 keeps the third digit out, without a beep
  };
  for (const auto& c : cases) {
    fw::TextArea& field = Field(c.field);
    field.SetText(c.before);
    field.Edit().moveCursor(QTextCursor::End);
    const int beepsBefore = feedback.beeps;
    const QString typed = QString::fromUtf8(c.typed);
    if (c.chord) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, *c.chord, typed);
      QApplication::sendEvent(&field.Edit(), &press);
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(typed);
      QApplication::sendEvent(&field.Edit(), &commit);
    }
    EXPECT_EQ(field.Text(), c.kept) << c.field << " " << c.typed;
    EXPECT_EQ(feedback.beeps - beepsBefore, c.beeps) << c.field << " " << c.typed;
  }
}

// Tab and Shift+Tab leave a field for the next or the previous control in tab order, without a
// beep, the loading columns too.
TEST_F(ControlWndTest, TabAndShiftTabWalkTheInputsInTabOrder) {
  const QWidget& top = window.TopLevel();
  const char* order[] = { "Nvariables", "Nsubjects1", "Nsubjects2", "sFld", "InputFld1", "InputFld2" };
  Field(order[0]).Edit().setFocus();
  for (const char* name : order) {
    EXPECT_EQ(top.focusWidget(), &Field(name).Edit()) << name;
    QTest::keyClick(top.focusWidget(), Qt::Key_Tab);
  }
  Field("InputFld2").Edit().setFocus();
  for (int i = 5; i > 0; --i) {
    QTest::keyClick(top.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(top.focusWidget(), &Field(order[i - 1]).Edit()) << order[i - 1];
  }
  EXPECT_EQ(feedback.beeps, 0);
  for (const char* name : order)
    EXPECT_EQ(Field(name).Text(), std::string_view(name) == "sFld" ? ".10" : "") << name;

  // A tab inside a pasted column stays in the text, where it ends a value.
  QApplication::clipboard()->setText(QStringLiteral(".5\t.6\n"));
  Field("InputFld1").Edit().paste();
  EXPECT_EQ(Field("InputFld1").Text(), ".5\t.6\r");
}

TEST_F(ControlWndTest, PastingPassesNoFilterAndKeepsToTheLimit) {
  QApplication::clipboard()->setText(QStringLiteral("-.5\n.25e1\n"));
  Field("InputFld1").Edit().paste();
  EXPECT_EQ(Field("InputFld1").Text(), "-.5\r.25e1\r");
  Field("Nvariables").SetText("");
  QApplication::clipboard()->setText(QStringLiteral("13579"));
  Field("Nvariables").Edit().paste();
  EXPECT_EQ(Field("Nvariables").Text(), "13");
  EXPECT_EQ(feedback.beeps, 0);
}

// A megabyte pasted in any shape arrives whole, and a press reads it.
TEST_F(ControlWndTest, AMegabytePastedInAnyShapeIsInTheColumnAndCalculated) {
  window.Show();
  TypeNumbers("99");
  Field("InputFld2").SetText(Loadings(99));
  for (const char* unit : { "-.123\r", "-.123\t", "-.123 ", "0123456789" }) {
    SCOPED_TRACE(unit);
    std::string pasted;
    while (pasted.size() < 1'000'000)
      pasted += unit;
    Field("InputFld1").SetText("");
    QApplication::clipboard()->setText(QString::fromStdString(pasted));
    Field("InputFld1").Edit().paste();
    EXPECT_EQ(Field("InputFld1").Text(), pasted);
    feedback.messages.clear();
    fw::ControlAs<fw::PushButton>(window, "CalculateBtn").Button().click();
    const bool oneValueALine = unit[5] == '\r' || unit[5] == '\t';
    EXPECT_EQ(feedback.messages.size(), oneValueALine ? 0u : 1u);
    EXPECT_EQ(Field("InputFld1").Text().substr(0, pasted.size()), pasted);
  }
}

TEST_F(ControlWndTest, ClearEmptiesTheTenFieldsInOrderAndFocusesTheVariables) {
  const char* order[] = { "Nvariables", "InputFld1",  "InputFld2",  "rOutFld", "ChiOutFld",
                          "pOutFld",    "Nsubjects1", "Nsubjects2", "sFld",    "sOutFld" };
  std::vector<std::string> emptied;
  for (const char* name : order) {
    Field(name).SetText("9");
    QObject::connect(&Field(name).Edit(), &QTextEdit::textChanged, [&emptied, name] { emptied.push_back(name); });
  }
  window.Show();
  fw::ControlAs<fw::PushButton>(window, "ClearBtn").Button().click();
  EXPECT_EQ(emptied, std::vector<std::string>(std::begin(order), std::end(order)));
  for (const char* name : order)
    EXPECT_EQ(Field(name).Text(), "") << name;  // sFld too: not back to ".10"
  // A field keeps its alignment through new texts.
  Field("rOutFld").SetText("+ .9985");
  EXPECT_EQ(Field("rOutFld").Edit().document()->defaultTextOption().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(window.TopLevel().focusWidget(), &Field("Nvariables").Edit());
  EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(ControlWndTest, CalculateReadsTheFieldsShowsTheMessagesAndWritesTheResults) {
  testing_support::EnterFirstSample(window);
  fw::ControlAs<fw::PushButton>(window, "CalculateBtn").Button().click();
  EXPECT_TRUE(feedback.messages.empty());
  EXPECT_EQ(Field("rOutFld").Text(), "+ .9985");
  EXPECT_EQ(Field("ChiOutFld").Text(), "7.335");
  EXPECT_EQ(Field("pOutFld").Text(), ".01");
  EXPECT_EQ(Field("sOutFld").Text(), "1.000");
  EXPECT_EQ(Field("InputFld1").Text(),
            ".996\r.007\r.982\r.449\r-.004\r\rData as read\r0.996\r0.007\r0.982\r0.449\r-0.004\r");
  EXPECT_GT(feedback.yields, 0);

  // A stopped request: its message, and every field as it was.
  Field("Nvariables").SetText("100");
  fw::ControlAs<fw::PushButton>(window, "CalculateBtn").Button().click();
  EXPECT_EQ(feedback.messages, std::vector<std::string> { "Variables must range from 2-99" });
  EXPECT_EQ(Field("rOutFld").Text(), "+ .9985");
  EXPECT_EQ(Field("InputFld2").Text(),
            ".981\r.015\r.963\r.524\r-.022\r\rData as read\r0.981\r0.015\r0.963\r0.524\r-0.022\r");
}

// Where the field shows line n of its text, in its viewport's coordinates.
QRectF Shown(const fw::TextArea& field, int n) {
  const QTextEdit& edit = field.Edit();
  const QTextBlock line = edit.document()->findBlockByNumber(n);
  return edit.document()->documentLayout()->blockBoundingRect(line).translated(-edit.horizontalScrollBar()->value(),
                                                                               -edit.verticalScrollBar()->value());
}

// The line of the last "Data as read" in the field's text.
int LastHeadingLine(const fw::TextArea& field) {
  const std::string text = field.Text();
  const std::size_t heading = text.rfind("\rData as read\r");
  return static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(heading) + 1, '\r'));
}

TEST_F(ControlWndTest, AfterEachPressTheColumnsShowTheEchoJustAppendedNearTheirTop) {
  window.Show();
  TypeNumbers("40");
  Field("InputFld1").SetText(Loadings(40));
  Field("InputFld2").SetText(Loadings(40));
  auto& calculate = fw::ControlAs<fw::PushButton>(window, "CalculateBtn").Button();
  for (int press = 1; press <= 2; ++press) {
    calculate.click();
    QApplication::processEvents();
    for (const char* name : { "InputFld1", "InputFld2" }) {
      const fw::TextArea& field = Field(name);
      const int heading = LastHeadingLine(field);
      EXPECT_EQ(heading, 41 + (press - 1) * 43) << name;  // 40 lines and an empty one; 43 more a press
      const QRectF shown = Shown(field, heading);
      const QRect visible = field.Edit().viewport()->rect();
      EXPECT_TRUE(visible.contains(shown.toAlignedRect())) << name << " press " << press;
      EXPECT_LT(shown.top(), visible.height() / 4) << name << " press " << press;
    }
  }
  EXPECT_TRUE(feedback.messages.empty());

  // A stopped request leaves the view where the user put it.
  Field("InputFld1").Edit().verticalScrollBar()->setValue(100);
  Field("Nvariables").SetText("1");
  calculate.click();
  QApplication::processEvents();
  EXPECT_EQ(feedback.messages, std::vector<std::string> { "Variables must range from 2-99" });
  EXPECT_EQ(Field("InputFld1").Edit().verticalScrollBar()->value(), 100);
}

TEST_F(ControlWndTest, EveryMessageOfARequestComesBeforeItsFirstWrite) {
  TypeNumbers("3");
  Field("Nsubjects1").SetText("4");
  Field("InputFld1").SetText("F1\r0\r0");
  Field("InputFld2").SetText("0,5\r.4\r.2");
  std::vector<std::size_t> messagesAtWrites;
  for (const char* name : { "rOutFld", "ChiOutFld", "pOutFld", "sOutFld", "InputFld1", "InputFld2" })
    QObject::connect(&Field(name).Edit(), &QTextEdit::textChanged,
                     [&] { messagesAtWrites.push_back(feedback.messages.size()); });
  fw::ControlAs<fw::PushButton>(window, "CalculateBtn").Button().click();
  EXPECT_EQ(feedback.messages,
            (std::vector<std::string> {
                "Number of subjects must be greater than 4. Chi-Square significance test will not be calculated.",
                "Please check the accuracy of your Factor 1 data", "Please check the accuracy of your Factor 2 data",
                "Factor 1 loadings are all zero. Please verify data." }));
  ASSERT_FALSE(messagesAtWrites.empty());
  EXPECT_EQ(messagesAtWrites.front(), feedback.messages.size());
  EXPECT_EQ(Field("rOutFld").Text(), " error");
}

}  // namespace
