// The shared menu bar: its tree, the lookups and accessors, the menu update of the window in
// front, the choice of an item, and the bar as a real QMenuBar with its shortcuts.

#include <functional>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/framework/menu_bar_view.h"
#include "shell/framework/menu_update.h"
#include "shell/framework/text_area.h"
#include "shell/handle_about_menu.h"
#include "shell/invisible_wnd.h"
#include "tests/gui/shell_fixture.h"

namespace {

using testing_support::ShellTest;
using Launcher = class InvisibleWnd::InvisibleWnd;
using About = class AboutWnd::AboutWnd;

// A document window with one text field, a rule that enables Print and a handler for
// DescriptionMenuItem; it counts what reaches it.
class ProbeWnd final : public fw::Window, public Menu::WindowMenuItems<ProbeWnd> {
public:
  static constexpr std::string_view kClassFullName = "ProbeWnd.ProbeWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }

  int descriptionChosen { 0 };
  int undoChosen { 0 };

  fw::TextArea& Field() const { return fw::ControlAs<fw::TextArea>(*this, "Field"); }
  fw::MenuBarView& BarView() const { return *qobject_cast<fw::MenuBarView*>(TopLevel().findChild<QMenuBar*>()); }

protected:
  void Layout() override { SetMenuBar(&Menu::Menu()); }
  void CreateControls() override { _AddControl("Field", __New<fw::TextArea>()); }
  void AddMenuHandlers(fw::Window& w) override {
    auto& self = dynamic_cast<ProbeWnd&>(w);
    self._AddMenuHandler("DescriptionMenuItem", [&self] { return ++self.descriptionChosen, false; });
  }
  void Event_EnableMenuItems() override { fw::NotNil(Print(), "Print").SetEnabled(true); }
};

ProbeWnd& Probe() { return fw::ImplicitWindow<ProbeWnd>(); }

// A window that shows no bar and has none of its own.
class BarlessWnd final : public fw::Window, public Menu::WindowMenuItems<BarlessWnd> {
public:
  static constexpr std::string_view kClassFullName = "BarlessWnd.BarlessWnd";
  std::string_view ClassFullName() const override { return kClassFullName; }
};

enum class Kind { Plain, Quit, Apple };

struct ExpectedItem {
  const char* name;
  const char* parent;
  Kind kind;
  const char* text;
  std::optional<std::string> shortcut;
  bool autoEnable;
};

const ExpectedItem kTree[] = {
  { "FileMenu", "", Kind::Plain, "File", "", false },
  { "Print", "FileMenu", Kind::Plain, "Print", "", true },
  { "FileQuit", "FileMenu", Kind::Quit, "Quit", "Cmd+Q", true },
  { "UntitledMenu0", "", Kind::Plain, "Edit", "", false },
  { "EditUndo", "UntitledMenu0", Kind::Plain, "Undo", "Cmd+Z", false },
  { "UntitledMenu1", "UntitledMenu0", Kind::Plain, "-", std::nullopt, false },
  { "EditCut", "UntitledMenu0", Kind::Plain, "Cut", "Cmd+X", false },
  { "EditCopy", "UntitledMenu0", Kind::Plain, "Copy", "Cmd+C", false },
  { "EditPaste", "UntitledMenu0", Kind::Plain, "Paste", "Cmd+V", false },
  { "EditClear", "UntitledMenu0", Kind::Plain, "", "", false },
  { "WindowMenu", "", Kind::Plain, "Window", "", false },
  { "ControlMenuItem", "WindowMenu", Kind::Plain, "Control", "", false },
  { "DescriptionMenuItem", "WindowMenu", Kind::Plain, "Description", "", false },
  { "AboutMenuItem", "WindowMenu", Kind::Plain, "About Quillon", "", false },
  { "AboutPXM", "WindowMenu", Kind::Apple, "About Quillon", "", false },
};

Kind KindOf(const fw::MenuItem& item) {
  if (typeid(item) == typeid(fw::QuitMenuItem))
    return Kind::Quit;
  if (typeid(item) == typeid(fw::AppleMenuItem))
    return Kind::Apple;
  EXPECT_TRUE(typeid(item) == typeid(fw::MenuItem)) << item.Name();
  return Kind::Plain;
}

fw::MenuItem& Item(const char* name) { return fw::NotNil(Menu::Menu()._Lookup(name), name); }

std::vector<std::string> EnabledItems() {
  std::vector<std::string> names;
  for (const fw::MenuItem* item : fw::ItemsBelow(Menu::Menu()))
    if (item->Enabled())
      names.push_back(item->Name());
  return names;
}

using Names = std::vector<std::string>;

TEST_F(ShellTest, TheBarIsBuiltOnceAndSharedByTheApplicationAndTheWindows) {
  class Menu::Menu& bar = Menu::Menu();
  EXPECT_EQ(App().GetMenuBar(), &bar);
  EXPECT_EQ(InvisibleWnd::InvisibleWnd().GetMenuBar(), &bar);
  EXPECT_EQ(Probe().GetMenuBar(), &bar);
  EXPECT_EQ(&Menu::Menu(), &bar);
  EXPECT_EQ(bar.Children().size(), 3U);  // built once: not six menus
}

TEST_F(ShellTest, TheTreeHoldsTheFifteenItemsInTableOrder) {
  const std::vector<fw::MenuItem*> items = fw::ItemsBelow(Menu::Menu());
  ASSERT_EQ(items.size(), std::size(kTree));
  for (std::size_t i = 0; i < items.size(); ++i) {
    const ExpectedItem& expected = kTree[i];
    const fw::MenuItem& item = *items[i];
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(item.Name(), expected.name);
    EXPECT_EQ(KindOf(item), expected.kind);
    EXPECT_EQ(item.Text(), expected.text);
    EXPECT_EQ(item.KeyboardShortcut(), expected.shortcut);
    EXPECT_EQ(item.AutoEnable(), expected.autoEnable);
    const fw::MenuItem* parent = *expected.parent != 0 ? Menu::Menu().Child(expected.parent) : &Menu::Menu();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->Child(expected.name), &item);
  }
  EXPECT_TRUE(Item("UntitledMenu1").IsSeparator());
}

TEST_F(ShellTest, LookupsReachItemsInsideTheMenusAndYieldNilForUnknownNames) {
  const fw::MenuBar& bar = Menu::Menu();
  for (const char* name : { "AboutPXM", "ControlMenuItem", "EditClear", "FileQuit" }) {
    EXPECT_EQ(bar.Child(name), nullptr) << name;
    ASSERT_NE(bar._Lookup(name), nullptr) << name;
    EXPECT_EQ(bar._Lookup(name)->Name(), name);
  }
  EXPECT_EQ(bar._Lookup("UntitledMenu3"), nullptr);
}

TEST_F(ShellTest, GlobalAccessorsFindTheItemsThroughTheApplicationsBar) {
  EXPECT_EQ(AboutPXM(), &Item("AboutPXM"));
  EXPECT_EQ(AboutMenuItem(), &Item("AboutMenuItem"));
  EXPECT_EQ(DescriptionMenuItem(), &Item("DescriptionMenuItem"));
  EXPECT_EQ(ControlMenuItem(), &Item("ControlMenuItem"));
  App().SetMenuBar(nullptr);
  EXPECT_THROW(AboutPXM(), fw::NilObjectException);
  fw::_RuntimeRegisterAppObject(nullptr);
  EXPECT_THROW(ControlMenuItem(), fw::NilObjectException);
}

TEST_F(ShellTest, PerWindowAccessorsLookTheirNamesUpInTheWindowsBar) {
  using Accessor = fw::MenuItem* (*)(const Launcher&);
  const std::pair<const char*, Accessor> family[] = {
    { "WindowMenu", [](const auto& w) { return w.WindowMenu(); } },
    { "AboutPXM", [](const auto& w) -> fw::MenuItem* { return w.AboutPXM(); } },
    { "AboutMenuItem", [](const auto& w) { return w.AboutMenuItem(); } },
    { "DescriptionMenuItem", [](const auto& w) { return w.DescriptionMenuItem(); } },
    { "ControlMenuItem", [](const auto& w) { return w.ControlMenuItem(); } },
    { "UntitledMenu0", [](const auto& w) { return w.UntitledMenu0(); } },
    { "EditClear", [](const auto& w) { return w.EditClear(); } },
    { "EditPaste", [](const auto& w) { return w.EditPaste(); } },
    { "EditCopy", [](const auto& w) { return w.EditCopy(); } },
    { "EditCut", [](const auto& w) { return w.EditCut(); } },
    { "UntitledMenu1", [](const auto& w) { return w.UntitledMenu1(); } },
    { "EditUndo", [](const auto& w) { return w.EditUndo(); } },
    { "FileMenu", [](const auto& w) { return w.FileMenu(); } },
    { "FileQuit", [](const auto& w) -> fw::MenuItem* { return w.FileQuit(); } },
    { "Print", [](const auto& w) { return w.Print(); } },
  };
  const Launcher& launcher = InvisibleWnd::InvisibleWnd();
  for (const auto& [name, accessor] : family)
    EXPECT_EQ(accessor(launcher), &Item(name)) << name;
  EXPECT_EQ(launcher.UntitledMenu3(), nullptr);
  EXPECT_NE(launcher.FileQuit(), nullptr);  // taken as the quit item's own class

  BarlessWnd barless;
  EXPECT_THROW(barless.AboutMenuItem(), fw::NilObjectException);
}

TEST_F(ShellTest, TheUpdateRunsTheRulesAndEnablesWhatTheFrontWindowServes) {
  for (fw::MenuItem* item : fw::ItemsBelow(Menu::Menu()))
    item->SetEnabled(true);  // whatever an earlier update left
  fw::UpdateMenuItems(Menu::Menu(), &Probe());
  // Menus and Quit by the layer, Print by the window's rule, DescriptionMenuItem by its
  // handler, AboutPXM by the application's rule; the application's handler for
  // AboutMenuItem enables nothing, and the Edit items have nothing to act on.
  EXPECT_EQ(EnabledItems(), (Names { "FileMenu", "Print", "FileQuit", "UntitledMenu0", "WindowMenu",
                                     "DescriptionMenuItem", "AboutPXM" }));

  fw::UpdateMenuItems(Menu::Menu(), nullptr);  // the application's update alone
  EXPECT_EQ(EnabledItems(), (Names { "FileMenu", "FileQuit", "UntitledMenu0", "WindowMenu", "AboutPXM" }));
}

TEST_F(ShellTest, AfterTheMainWindowsUpdateOnlyControlIsOffInTheWindowMenu) {
  fw::UpdateMenuItems(Menu::Menu(), &ControlWnd::ControlWnd());
  EXPECT_FALSE(Item("ControlMenuItem").Enabled());
  for (const char* name : { "DescriptionMenuItem", "AboutMenuItem", "AboutPXM" })
    EXPECT_TRUE(Item(name).Enabled()) << name;
}

TEST_F(ShellTest, AChosenItemGoesToTheWindowsHandlerElseTheApplicationsAndHandlersReportFalse) {
  ProbeWnd& probe = Probe();
  fw::ChooseMenuItem(Item("DescriptionMenuItem"), &probe);
  EXPECT_EQ(probe.descriptionChosen, 1);

  fw::ChooseMenuItem(Item("AboutMenuItem"), &probe);  // no window handler: the application's
  EXPECT_TRUE(Shown<About>());

  AboutWnd::AboutWnd().Hide();
  EXPECT_FALSE(App()._AboutPXM_Action());
  EXPECT_TRUE(Shown<About>());
  AboutWnd::AboutWnd().Close();
  EXPECT_FALSE(App()._AboutMenuItem_Action());  // builds a new About window first
  EXPECT_TRUE(Shown<About>());
  EXPECT_EQ(probe.descriptionChosen, 1);
}

TEST_F(ShellTest, TheEditItemsActOnTheFocusedFieldWhenTheyCan) {
  ProbeWnd& probe = Probe();
  fw::TextArea& field = probe.Field();
  field.Edit().setFocus();
  QApplication::clipboard()->setText(QStringLiteral(".5\n-.25\n"));
  fw::UpdateMenuItems(Menu::Menu(), &probe);
  EXPECT_TRUE(Item("EditPaste").Enabled());
  EXPECT_FALSE(Item("EditCopy").Enabled());  // nothing selected
  EXPECT_FALSE(Item("EditCut").Enabled());

  fw::ChooseMenuItem(Item("EditPaste"), &probe);
  EXPECT_EQ(field.Text(), ".5\r-.25\r");

  field.Edit().selectAll();
  fw::UpdateMenuItems(Menu::Menu(), &probe);
  for (const char* name : { "EditUndo", "EditCut", "EditCopy", "EditPaste" })
    EXPECT_TRUE(Item(name).Enabled()) << name;
  fw::ChooseMenuItem(Item("EditCut"), &probe);
  EXPECT_EQ(field.Text(), "");
  fw::ChooseMenuItem(Item("EditUndo"), &probe);
  EXPECT_EQ(field.Text(), ".5\r-.25\r");

  field.Edit().setReadOnly(true);
  field.Edit().selectAll();
  fw::UpdateMenuItems(Menu::Menu(), &probe);
  EXPECT_EQ(EnabledItems(), (Names { "FileMenu", "Print", "FileQuit", "UntitledMenu0", "EditCopy", "WindowMenu",
                                     "DescriptionMenuItem", "AboutPXM" }));
}

TEST_F(ShellTest, PasteIsOnExactlyWhileTheClipboardHoldsText) {
  ProbeWnd& probe = Probe();
  probe.Field().Edit().setFocus();
  const auto imageOnly = [] {
    auto* data = new QMimeData;
    data->setImageData(QImage(2, 2, QImage::Format_RGB32));
    return data;
  };
  const struct {
    const char* held;
    std::function<void()> put;
    bool pasteOn;
  } cases[] = {
    { "text", [] { QApplication::clipboard()->setText(QStringLiteral(".5")); }, true },
    { "an empty text", [] { QApplication::clipboard()->setText(QString()); }, false },
    { "an image alone", [&imageOnly] { QApplication::clipboard()->setMimeData(imageOnly()); }, false },
    { "nothing", [] { QApplication::clipboard()->clear(); }, false },
  };
  for (const auto& c : cases) {
    c.put();
    fw::UpdateMenuItems(Menu::Menu(), &probe);
    EXPECT_EQ(Item("EditPaste").Enabled(), c.pasteOn) << c.held;
  }
}

// The arrow keys that walk from one menu to the next give the bar the focus.
TEST_F(ShellTest, TheEditItemsActOnTheFieldWhileTheBarHoldsTheFocus) {
  ProbeWnd& probe = Probe();
  probe.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&probe.TopLevel()));
  fw::TextArea& field = probe.Field();
  field.Edit().setFocus();
  field.Edit().setPlainText(QStringLiteral(".5"));
  field.Edit().selectAll();
  QApplication::clipboard()->setText(QStringLiteral("-.25"));
  probe.BarView().setFocus(Qt::MenuBarFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), &probe.BarView());
  fw::UpdateMenuItems(Menu::Menu(), &probe);
  for (const char* name : { "EditCut", "EditCopy", "EditPaste" })
    EXPECT_TRUE(Item(name).Enabled()) << name;
  fw::ChooseMenuItem(Item("EditPaste"), &probe);
  EXPECT_EQ(field.Text(), "-.25");
}

TEST_F(ShellTest, PasteReachesTheMainWindowsLoadingColumn) {
  class ControlWnd::ControlWnd& main = ControlWnd::ControlWnd();
  auto& column = fw::ControlAs<fw::TextArea>(main, "InputFld1");
  column.Edit().setFocus();
  QApplication::clipboard()->setText(QStringLiteral(".71\r\n.64\r\n"));
  fw::UpdateMenuItems(Menu::Menu(), &main);
  ASSERT_TRUE(Item("EditPaste").Enabled());
  fw::ChooseMenuItem(Item("EditPaste"), &main);
  EXPECT_EQ(column.Text(), ".71\r.64\r");
}

TEST_F(ShellTest, DocumentWindowsShowTheSharedBarAndTheOthersKeepItUnseen) {
  const auto bar = [](const fw::Window& w) { return w.TopLevel().findChild<fw::MenuBarView*>(); };
  const auto shown = [&bar](const fw::Window& w) { return bar(w) != nullptr && !bar(w)->isHidden(); };
  EXPECT_TRUE(shown(ControlWnd::ControlWnd()));  // no bar of its own: the application's
  EXPECT_TRUE(shown(Probe()));
  const fw::Window* others[] = { &AboutWnd::AboutWnd(), &InvisibleWnd::InvisibleWnd() };
  for (const fw::Window* other : others) {
    ASSERT_NE(bar(*other), nullptr) << other->ClassFullName();
    EXPECT_TRUE(bar(*other)->isHidden()) << other->ClassFullName();
  }

  EXPECT_EQ(ControlWnd::ControlWnd().Content().size(), QSize(500, 550));  // the bar stands above the content
  const fw::MenuBarView& view = *bar(ControlWnd::ControlWnd());
  QStringList menus;
  for (const QAction* action : view.actions())
    menus << action->text();
  EXPECT_EQ(menus, (QStringList { "File", "Edit", "Window" }));
  EXPECT_TRUE(view.ActionFor("UntitledMenu1")->isSeparator());
  EXPECT_FALSE(view.ActionFor("EditClear")->isVisible());  // no blank row to choose
  EXPECT_TRUE(view.ActionFor("EditPaste")->isVisible());
  const std::pair<const char*, QKeySequence> shortcuts[] = {
    { "FileQuit", QKeySequence(Qt::CTRL | Qt::Key_Q) },  { "EditUndo", QKeySequence(Qt::CTRL | Qt::Key_Z) },
    { "EditCut", QKeySequence(Qt::CTRL | Qt::Key_X) },   { "EditCopy", QKeySequence(Qt::CTRL | Qt::Key_C) },
    { "EditPaste", QKeySequence(Qt::CTRL | Qt::Key_V) }, { "Print", QKeySequence() },
  };
  for (const auto& [name, keys] : shortcuts)
    EXPECT_EQ(view.ActionFor(name)->shortcut(), keys) << name;
}

TEST_F(ShellTest, AMenuRunsTheUpdateBeforeItOpens) {
  ProbeWnd& probe = Probe();
  QAction* print = probe.BarView().ActionFor("Print");
  QAction* control = probe.BarView().ActionFor("ControlMenuItem");
  print->setEnabled(false);
  control->setEnabled(true);
  emit probe.BarView().ActionFor("FileMenu")->menu()->aboutToShow();
  EXPECT_TRUE(print->isEnabled());     // the window's rule
  EXPECT_FALSE(control->isEnabled());  // no rule, no handler
}

TEST_F(ShellTest, AShortcutActsOnTheStateTheUpdateGivesAtThatMoment) {
  ProbeWnd& probe = Probe();
  probe._AddMenuHandler("EditUndo", [&probe] { return ++probe.undoChosen, false; });
  probe.BarView().ActionFor("EditUndo")->setEnabled(false);  // as a stale update left it
  probe.TopLevel().setFocus();                               // the key goes to the window, not to the field
  ASSERT_TRUE(QTest::qWaitForWindowActive(&probe.TopLevel()));
  QTest::keyClick(&probe.TopLevel(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(probe.undoChosen, 1);
}

// Shows the window, presses Ctrl+Q in it and gives the code with which the application's event
// loop ended (99: Ctrl+Q did nothing). The application's own loop, unlike a local one, leaves
// no quit behind for the tests after.
int EventLoopCodeAfterCtrlQ(fw::Window& window) {
  window.Show();
  if (!QTest::qWaitForWindowActive(&window.TopLevel()))
    return -1;
  const QObject scope;
  QTimer::singleShot(0, &scope, [&window] { QTest::keyClick(&window.TopLevel(), Qt::Key_Q, Qt::ControlModifier); });
  QTimer::singleShot(10000, &scope, [] { QCoreApplication::exit(99); });
  return QApplication::exec();
}

TEST_F(ShellTest, CtrlQEndsTheEventLoopWithCodeZero) { EXPECT_EQ(EventLoopCodeAfterCtrlQ(Probe()), 0); }

// The About window shows no bar, but the shared bar's shortcuts act there as well: Ctrl+Q quits
// instead of handing over to the main window.
TEST_F(ShellTest, CtrlQEndsTheEventLoopFromTheAboutWindowToo) {
  About& about = AboutWnd::AboutWnd();
  EXPECT_EQ(EventLoopCodeAfterCtrlQ(about), 0);
  EXPECT_TRUE(about.IsVisible());
  EXPECT_EQ(fw::_GetImplicitWindow(ControlWnd::ControlWnd::kClassFullName), nullptr);
}

}  // namespace
