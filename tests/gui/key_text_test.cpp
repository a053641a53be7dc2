// Which key presses reach KeyDown handlers, and as what: a text field's handler (in a field
// that accepts tabs or not) and a window's handler, for one key press at a time.

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QKeyEvent>

#include "shell/framework/key_text.h"

namespace {

using Keys = std::vector<std::string>;
constexpr auto kNone = std::nullopt;

TEST(KeyTextTest, WhichKeysReachKeyDownAndAsWhat) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    bool acceptsTabs;
    Keys field;
    std::optional<std::string> window;
  } cases[] = {
    // A modifier key alone reaches no handler.
    { Qt::Key_Shift, Qt::ShiftModifier, "", false, {}, kNone },
    { Qt::Key_Control, Qt::ControlModifier, "", false, {}, kNone },
    { Qt::Key_Alt, Qt::AltModifier, "", false, {}, kNone },
    { Qt::Key_AltGr, Qt::NoModifier, "", false, {}, kNone },
    { Qt::Key_Meta, Qt::MetaModifier, "", false, {}, kNone },
    { Qt::Key_Super_L, Qt::MetaModifier, "", false, {}, kNone },
    { Qt::Key_CapsLock, Qt::NoModifier, "", false, {}, kNone },
    { Qt::Key_NumLock, Qt::NoModifier, "", false, {}, kNone },
    // A typed character, whatever chord typed it.
    { Qt::Key_A, Qt::NoModifier, "a", false, { "a" }, "a" },
    { Qt::Key_A, Qt::ShiftModifier, "A", false, { "A" }, "A" },
    { Qt::Key_X, Qt::AltModifier, "x", false, { "x" }, "x" },
    { Qt::Key_E, Qt::AltModifier | Qt::ShiftModifier, "E", false, { "E" }, "E" },
    { Qt::Key_Plus, Qt::AltModifier, "+", false, { "+" }, "+" },
    { Qt::Key_X, Qt::MetaModifier, "x", false, { "x" }, "x" },
    { Qt::Key_unknown, Qt::NoModifier, "\u20AC", false, { "\u20AC" }, "\u20AC" },                   // AltGr+e
    { Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, "\u00E9", false, { "\u00E9" }, "\u00E9" },  // AltGr as Ctrl+Alt
    { Qt::Key_5, Qt::KeypadModifier, "5", false, { "5" }, "5" },
    { Qt::Key_unknown, Qt::NoModifier, "a\U0001D465", false, { "a", "\U0001D465" }, "a" },  // one at a time
    // Chords with Ctrl are shortcuts; keys without a character edit or move the caret.
    { Qt::Key_C, Qt::ControlModifier, "\x03", false, {}, "" },
    { Qt::Key_V, Qt::ControlModifier, "v", false, {}, "" },
    { Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "A", false, {}, "" },
    { Qt::Key_Left, Qt::NoModifier, "", false, {}, "" },
    { Qt::Key_End, Qt::ShiftModifier, "", false, {}, "" },
    { Qt::Key_F4, Qt::NoModifier, "", false, {}, "" },
    // The control keys, without Ctrl, Alt or Meta.
    { Qt::Key_Backspace, Qt::NoModifier, "\b", false, { "\b" }, "\b" },
    { Qt::Key_Return, Qt::NoModifier, "\r", false, { "\r" }, "\r" },
    { Qt::Key_Return, Qt::ShiftModifier, "\r", false, { "\r" }, "\r" },
    { Qt::Key_Enter, Qt::KeypadModifier, "\r", false, { "\r" }, "\r" },
    { Qt::Key_Escape, Qt::NoModifier, "\x1B", false, { "\x1B" }, "\x1B" },
    { Qt::Key_Delete, Qt::NoModifier, "\x7F", false, { "\x7F" }, "\x7F" },
    // With Ctrl, Alt or Meta held a control key is a chord that the field serves itself.
    { Qt::Key_Backspace, Qt::ControlModifier, "\b", false, {}, "" },
    { Qt::Key_Return, Qt::AltModifier, "\r", false, {}, "" },
    { Qt::Key_Backspace, Qt::MetaModifier, "\b", false, {}, "" },
    { Qt::Key_Return, Qt::MetaModifier | Qt::ShiftModifier, "\r", false, {}, "" },
    // Tab: the handler's key where the field accepts tabs; else it moves the focus.
    { Qt::Key_Tab, Qt::NoModifier, "\t", true, { "\t" }, "\t" },
    { Qt::Key_Tab, Qt::NoModifier, "\t", false, {}, "\t" },
    { Qt::Key_Backtab, Qt::ShiftModifier, "", true, { "\t" }, "\t" },
    { Qt::Key_Backtab, Qt::ShiftModifier, "", false, {}, "\t" },
    { Qt::Key_Tab, Qt::ControlModifier, "\t", true, {}, "" },
  };
  for (const auto& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf8(c.text));
    SCOPED_TRACE(testing::Message() << "key 0x" << std::hex << c.key << " modifiers 0x" << c.modifiers.toInt()
                                    << " text \"" << c.text << "\"" << (c.acceptsTabs ? " accepting tabs" : ""));
    EXPECT_EQ(fw::FieldKeys(event, c.acceptsTabs), c.field);
    EXPECT_EQ(fw::WindowKey(event), c.window);
  }
}

TEST(KeyTextTest, AnInputMethodCommitGivesOneKeyPerCharacter) {
  EXPECT_EQ(fw::CommittedKeys(QString()), Keys {});
  EXPECT_EQ(fw::CommittedKeys(QString::fromUtf8("\u00E9")), Keys { "\u00E9" });
  EXPECT_EQ(fw::CommittedKeys(QString::fromUtf8("1\u00E42\U0001D465")), (Keys { "1", "\u00E4", "2", "\U0001D465" }));
}

}  // namespace
