#include "shell/framework/window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

#include "shell/framework/application.h"
#include "shell/framework/key_text.h"
#include "shell/framework/menu_bar_view.h"
#include "shell/framework/qt_colour.h"
#include "shell/framework/qt_text.h"
#include "shell/framework/rect_control.h"
#include "shell/framework/runtime.h"
#include "shell/framework/window_placement.h"
#include "shell/framework/window_widget.h"

namespace fw {

// ---- the registry of implicit instances -------------------------------------------------

namespace {

struct Registry {
  std::vector<std::unique_ptr<Window>> open;
  // Closed windows wait here until none of their handlers can be on the stack.
  std::vector<std::unique_ptr<Window>> closed;
};

// Never destroyed by a static destructor, where Qt may be gone already: shut-down releases
// the windows (ReleaseImplicitWindows), and so does the run time when the X connection breaks.
Registry& TheRegistry() {
  static auto* const registry = new Registry;
  return *registry;
}

}  // namespace

void RetireImplicitWindow(Window& window) {
  auto& open = TheRegistry().open;
  const auto it = std::find_if(open.begin(), open.end(), [&](const auto& w) { return w.get() == &window; });
  if (it == open.end())
    return;
  TheRegistry().closed.push_back(std::move(*it));
  open.erase(it);
  WhenEventLoopIdle([] { TheRegistry().closed.clear(); });
}

Window* _GetImplicitWindow(std::string_view fullName) {
  for (const auto& window : TheRegistry().open)
    if (window->ClassFullName() == fullName)
      return window.get();
  return nullptr;
}

Window& RegisterImplicitWindow(std::unique_ptr<Window> window) {
  TheRegistry().open.push_back(std::move(window));
  return *TheRegistry().open.back();
}

void ReleaseImplicitWindows() {
  // Newest first, so a window never outlives one it was built after.
  auto& open = TheRegistry().open;
  while (!open.empty())
    open.pop_back();
  TheRegistry().closed.clear();
}

std::vector<Window*> ImplicitWindows() {
  std::vector<Window*> windows;
  for (const auto& window : TheRegistry().open)
    windows.push_back(window.get());
  return windows;
}

Control& RuntimeWindowControlByName(const Window& window, std::string_view name) {
  return NotNil(window.FindControl(name),
                "no control '" + std::string(name) + "' in " + std::string(window.ClassFullName()));
}

// ---- Window ---------------------------------------------------------------------------

Window::Window() : m_widget(std::make_unique<WindowWidget>(*this)) { }

Window::~Window() {
  // The widgets go first: none of them may call into a control that is already gone.
  m_widget.reset();
  m_controls.clear();
}

QWidget& Window::TopLevel() const { return *m_widget; }
QWidget& Window::Content() const { return m_widget->Content(); }

void Window::Constructor() {
  Layout();
  CreateControls();
  ApplyTabOrder();
  AddMenuHandlers(*this);
  ShowMenuBar();
  Event_Open();
  if (m_visibleWhenBuilt)
    ShowWhenBuilt();
}

// A caller that builds a window only to hide it (the main window hiding an About window that
// the user closed) must not put it on screen even briefly: the window manager would still map
// it and hand it the focus after it was hidden. So the window is shown for Qt at once (laid
// out, visible to code) and on screen when the event loop next turns, unless it was hidden.
void Window::ShowWhenBuilt() {
  m_showPending = true;
  m_widget->setAttribute(Qt::WA_DontShowOnScreen);
  m_widget->show();
  QTimer::singleShot(0, m_widget.get(), [this] {
    if (m_showPending)
      Show();
  });
}

// Ends the wait of ShowWhenBuilt: the window leaves the screen's reach for Qt too.
void Window::CancelShowWhenBuilt() {
  if (!std::exchange(m_showPending, false))
    return;
  m_widget->hide();
  m_widget->setAttribute(Qt::WA_DontShowOnScreen, false);
}

void Window::Show() {
  CancelShowWhenBuilt();
  if (!m_placed) {
    // Placement 0: the window opens centred on the screen, its title bar within reach.
    m_placed = true;
    PlaceOnScreen(*m_widget);
  }
  // A minimized window comes back too; showing it alone would leave it an icon.
  if (m_widget->isMinimized())
    m_widget->setWindowState(m_widget->windowState() & ~Qt::WindowMinimized);
  m_widget->show();
  m_widget->raise();
  m_widget->activateWindow();
}

void Window::Hide() {
  CancelShowWhenBuilt();
  m_widget->hide();
}

bool Window::IsVisible() const { return m_widget->isVisible(); }

void Window::Close() { m_widget->close(); }

Control& Window::_AddControl(std::string name, std::unique_ptr<Control> control) {
  control->SetName(std::move(name));
  m_controls.push_back(std::move(control));
  return *m_controls.back();
}

Control* Window::FindControl(std::string_view name) const {
  for (const auto& control : m_controls)
    if (control->Name() == name)
      return control.get();
  return nullptr;
}

void Window::SetMenuBar(MenuBar* bar) { m_menuBar = bar; }

void Window::_AddMenuHandler(std::string_view itemName, MenuHandler handler) {
  m_menuHandlers.Add(itemName, std::move(handler));
}

const MenuHandler* Window::MenuHandlerFor(std::string_view itemName) const { return m_menuHandlers.Find(itemName); }

// A document window (Frame 0) shows the bar at its top. Over any other window the bar stays in
// force unseen, so that its shortcuts act there too: Ctrl+Q quits from the About window.
void Window::ShowMenuBar() {
  if (!m_menuBarVisible)
    return;
  MenuBar* bar = m_menuBar;
  if (bar == nullptr)
    if (const Application* app = _GetAppObject())
      bar = app->GetMenuBar();
  if (bar == nullptr)
    return;
  auto* view = new MenuBarView(*this, *bar);
  if (m_frame != 0)
    view->KeepShortcutsIn(*m_widget);
  m_widget->SetMenuBar(view, m_frame == 0);
}

void Window::ApplyTabOrder() {
  std::vector<RectControl*> order;
  for (const auto& control : m_controls)
    if (auto* rect = dynamic_cast<RectControl*>(control.get()))
      order.push_back(rect);
  std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
  QWidget* previous = nullptr;
  for (RectControl* control : order) {
    QWidget& widget = control->Widget();
    if (!control->TabStop())
      widget.setFocusPolicy(widget.focusPolicy() == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus);
    if (widget.focusPolicy() & Qt::TabFocus) {
      if (previous != nullptr)
        QWidget::setTabOrder(previous, &widget);
      previous = &widget;
    }
  }
}

void Window::SetProperty(std::string_view key, const PropertyValue& value) {
  if (key == "Width") {
    m_width = AsInt32(value);
  } else if (key == "Height") {
    m_height = AsInt32(value);
  } else if (key == "MinWidth") {
    m_minWidth = AsInt32(value);
  } else if (key == "MinHeight") {
    m_minHeight = AsInt32(value);
  } else if (key == "MaxWidth") {
    m_maxWidth = AsInt32(value);
  } else if (key == "MaxHeight") {
    m_maxHeight = AsInt32(value);
  } else if (key == "Frame") {
    // Frame 0 is a document window, which shows the menu bar; any other frame is a
    // dialog-like window without one.
    m_frame = AsInt32(value);
    m_widget->setWindowFlag(Qt::Dialog, m_frame != 0);
  } else if (key == "HasBackColor") {
    m_widget->setAutoFillBackground(AsBoolean(value));
  } else if (key == "BackColor") {
    QPalette palette = m_widget->palette();
    palette.setColor(QPalette::Window, ToQColor(AsColour(value)));
    m_widget->Content().setPalette(palette);
    m_widget->Content().setAutoFillBackground(m_widget->autoFillBackground());
  } else if (key == "Title") {
    // Qt names a window with an empty title after the program; a blank keeps the bar empty.
    const QString title = ToQString(AsString(value));
    m_widget->setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
  } else if (key == "Visible") {
    m_visibleWhenBuilt = AsBoolean(value);
  } else if (key == "MenuBarVisible") {
    m_menuBarVisible = AsBoolean(value);
  } else if (key == "CloseButton") {
    m_widget->setWindowFlag(Qt::CustomizeWindowHint);
    m_widget->setWindowFlag(Qt::WindowTitleHint);
    m_widget->setWindowFlag(Qt::WindowCloseButtonHint, AsBoolean(value));
  } else if (key == "MinimizeButton") {
    m_widget->setWindowFlag(Qt::WindowMinimizeButtonHint, AsBoolean(value));
  } else if (key == "MaximizeButton") {
    m_widget->setWindowFlag(Qt::WindowMaximizeButtonHint, AsBoolean(value));
  } else if (key == "Resizeable") {
    m_resizeable = AsBoolean(value);
  } else if (key == "FullScreen") {
    if (AsBoolean(value))
      m_widget->setWindowState(Qt::WindowFullScreen);
  } else if (key != "Placement" && key != "Composite" && key != "LiveResize" && key != "MacProcID") {
    throw PropertySetError("a window has no property '" + std::string(key) + "'", std::string(key), 0);
  }
  ApplySizeLimits();
}

void Window::ApplySizeLimits() {
  // A window built taller (or wider) than its limit shows all of its content: the limit
  // grows to the size, so no control is cut off.
  const int maxWidth = std::max(m_maxWidth, m_width);
  const int maxHeight = std::max(m_maxHeight, m_height);
  if (m_resizeable)
    m_widget->SetContentSizeLimits(m_minWidth, m_minHeight, maxWidth, maxHeight);
  else
    m_widget->SetContentSizeLimits(m_width, m_height, m_width, m_height);
  m_widget->SetContentSize(m_width, m_height);
}

void Window::ContentResized(int width, int height) {
  const int dw = width - m_width;
  const int dh = height - m_height;
  for (const auto& control : m_controls)
    if (auto* rect = dynamic_cast<RectControl*>(control.get()))
      rect->FollowWindowResize(dw, dh);
}

// ---- WindowWidget -----------------------------------------------------------------------

WindowWidget::WindowWidget(Window& owner) : QWidget(nullptr, Qt::Window), m_owner(owner), m_content(new QWidget(this)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

int WindowWidget::BarHeight() const { return m_bar != nullptr && !m_bar->isHidden() ? m_bar->sizeHint().height() : 0; }

void WindowWidget::SetMenuBar(QMenuBar* bar, bool shown) {
  if (m_bar == bar)
    return;
  // The window's own size holds what was last asked for, even while it is hidden.
  const QSize content(width(), height() - BarHeight());
  if (m_bar != nullptr)
    m_bar->deleteLater();
  m_bar = bar;
  if (m_bar != nullptr) {
    m_bar->setParent(this);
    m_bar->setVisible(shown);
  }
  SetContentSizeLimits(m_minWidth, m_minHeight, m_maxWidth, m_maxHeight);
  SetContentSize(content.width(), content.height());
}

void WindowWidget::SetContentSize(int width, int height) { resize(width, height + BarHeight()); }

void WindowWidget::SetContentSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight) {
  m_minWidth = minWidth;
  m_minHeight = minHeight;
  m_maxWidth = maxWidth;
  m_maxHeight = maxHeight;
  const int bar = BarHeight();
  setMinimumSize(minWidth, minHeight + bar);
  setMaximumSize(std::min(maxWidth, QWIDGETSIZE_MAX), std::min(maxHeight + bar, QWIDGETSIZE_MAX));
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int bar = BarHeight();
  if (m_bar != nullptr)
    m_bar->setGeometry(0, 0, width(), bar);
  m_content->setGeometry(0, bar, width(), height() - bar);
  m_owner.ContentResized(width(), height() - bar);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  event->accept();
  m_owner.Event_Close();
  RetireImplicitWindow(m_owner);
}

void WindowWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    m_owner.Event_Activate();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  const std::optional<String> key = WindowKey(*event);
  if (!key || !m_owner.Event_KeyDown(*key))
    QWidget::keyPressEvent(event);
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = m_content->mapFrom(this, event->position().toPoint());
  if (!m_owner.Event_MouseDown(at.x(), at.y()))
    QWidget::mousePressEvent(event);
}

}  // namespace fw
