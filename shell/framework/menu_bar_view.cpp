#include "shell/framework/menu_bar_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QWindow>

#include "shell/framework/menu_item.h"
#include "shell/framework/menu_update.h"
#include "shell/framework/qt_text.h"
#include "shell/framework/runtime.h"
#include "shell/framework/window_widget.h"

namespace fw {
namespace {

QWidget* TopLevelOf(QObject* receiver) {
  if (auto* widget = qobject_cast<QWidget*>(receiver))
    return widget->window();
  if (auto* window = qobject_cast<QWindow*>(receiver))
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->windowHandle() == window)
        return top;
  return nullptr;
}

// Qt offers a key to the focused object as ShortcutOverride before its shortcuts act; at that
// moment the bar of the key's window runs its menu update, so the shortcut acts (or not) on
// the items' states of now.
class ShortcutUpdater final : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride)
      return false;
    auto* top = qobject_cast<WindowWidget*>(TopLevelOf(receiver));
    auto* view = top != nullptr ? qobject_cast<MenuBarView*>(top->MenuBarWidget()) : nullptr;
    if (view != nullptr && view->IsShortcut(static_cast<const QKeyEvent&>(*event)))
      CallGuarded([view] { view->Refresh(); });
    return false;
  }
};

void InstallShortcutUpdater() {
  static QPointer<QObject> updater;
  if (updater.isNull()) {
    updater = new ShortcutUpdater(qApp);
    qApp->installEventFilter(updater);
  }
}

}  // namespace

QString QtShortcutText(std::string_view shortcut) {
  QString text = QString::fromUtf8(shortcut.data(), static_cast<qsizetype>(shortcut.size()));
  text.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
  return text;
}

MenuBarView::MenuBarView(Window& window, MenuBar& bar) : m_window(window), m_bar(bar) {
  setNativeMenuBar(false);
  for (const auto& item : bar.Children()) {
    QMenu* menu = addMenu(ToQString(item->Text()));
    Track(menu->menuAction(), *item);
    connect(menu, &QMenu::aboutToShow, this, [this] { CallGuarded([this] { Refresh(); }); });
    AddItems(*menu, *item);
  }
  InstallShortcutUpdater();
  // A menu walked with the arrow keys gives the bar the focus, and Qt may tell that only once
  // the menu has closed; the widget that last had the focus in the bar's window is known before.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && now != this && now->window() == this->window())
      m_focusBeforeBar = now;
  });
}

void MenuBarView::AddItems(QMenu& menu, const MenuItem& parent) {
  for (const auto& child : parent.Children()) {
    const MenuItem& item = *child;
    if (item.IsSeparator()) {
      Track(menu.addSeparator(), item);
    } else if (!item.Children().empty()) {
      QMenu* submenu = menu.addMenu(ToQString(item.Text()));
      Track(submenu->menuAction(), item);
      AddItems(*submenu, item);
    } else {
      QAction* action = menu.addAction(ToQString(item.Text()));
      if (item.KeyboardShortcut())
        action->setShortcut(QKeySequence(QtShortcutText(*item.KeyboardShortcut())));
      // An item without text would be a blank row that can be chosen: it is not shown.
      action->setVisible(!item.Text().empty());
      connect(action, &QAction::triggered, this,
              [this, &item] { CallGuarded([this, &item] { ChooseMenuItem(item, &m_window); }); });
      Track(action, item);
    }
  }
}

void MenuBarView::Track(QAction* action, const MenuItem& item) {
  action->setObjectName(ToQString(item.Name()));
  action->setEnabled(item.Enabled());
  m_actions.emplace_back(action, &item);
}

void MenuBarView::Refresh() {
  UpdateMenuItems(m_bar, &m_window);
  for (const auto& [action, item] : m_actions)
    action->setEnabled(item->Enabled());
}

QAction* MenuBarView::ActionFor(std::string_view itemName) const {
  for (const auto& [action, item] : m_actions)
    if (item->Name() == itemName)
      return action;
  return nullptr;
}

bool MenuBarView::IsShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const auto& [action, item] : m_actions)
    if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
      return true;
  return false;
}

QWidget* MenuBarView::FocusBeforeBar() const { return m_focusBeforeBar.data(); }

void MenuBarView::KeepShortcutsIn(QWidget& window) {
  for (const auto& [action, item] : m_actions)
    if (!action->shortcut().isEmpty())
      window.addAction(action);
}

}  // namespace fw
