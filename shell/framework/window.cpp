#include "shell/framework/window.h"

#include <algorithm>
#include <iterator>
#include <utility>

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
#include "shell/framework/window_placement.h"
#include "shell/framework/window_widget.h"

namespace fw {

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

// Each key the window carries, with what its value sets. The size keys only record their
// value: the window takes its size and limits once, when the whole set is given (SetComplete),
// and only if the set gave one of them.
void Window::SetProperty(std::string_view key, const PropertyValue& value) {
  struct KeySetter final {
    std::string_view key;
    void (*set)(Window&, const PropertyValue&);
    bool sizes { false };
  };
  static constexpr KeySetter kSetters[] = {
    { "Width", [](Window& w, const PropertyValue& v) { w.m_width = AsInt32(v); }, true },
    { "Height", [](Window& w, const PropertyValue& v) { w.m_height = AsInt32(v); }, true },
    { "MinWidth", [](Window& w, const PropertyValue& v) { w.m_minWidth = AsInt32(v); }, true },
    { "MinHeight", [](Window& w, const PropertyValue& v) { w.m_minHeight = AsInt32(v); }, true },
    { "MaxWidth", [](Window& w, const PropertyValue& v) { w.m_maxWidth = AsInt32(v); }, true },
    { "MaxHeight", [](Window& w, const PropertyValue& v) { w.m_maxHeight = AsInt32(v); }, true },
    { "Resizeable", [](Window& w, const PropertyValue& v) { w.m_resizeable = AsBoolean(v); }, true },
    // Frame 0 is a document window, which shows the menu bar; any other frame is a dialog-like
    // window without one.
    { "Frame",
      [](Window& w, const PropertyValue& v) {
        w.m_frame = AsInt32(v);
        w.m_widget->setWindowFlag(Qt::Dialog, w.m_frame != 0);
      } },
    { "HasBackColor", [](Window& w, const PropertyValue& v) { w.m_widget->setAutoFillBackground(AsBoolean(v)); } },
    { "BackColor",
      [](Window& w, const PropertyValue& v) {
        QPalette palette = w.m_widget->palette();
        palette.setColor(QPalette::Window, ToQColor(AsColour(v)));
        w.m_widget->Content().setPalette(palette);
        w.m_widget->Content().setAutoFillBackground(w.m_widget->autoFillBackground());
      } },
    // Qt names a window with an empty title after the program; a blank keeps the bar empty.
    { "Title",
      [](Window& w, const PropertyValue& v) {
        const QString title = ToQString(AsString(v));
        w.m_widget->setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
      } },
    { "Visible", [](Window& w, const PropertyValue& v) { w.m_visibleWhenBuilt = AsBoolean(v); } },
    { "MenuBarVisible", [](Window& w, const PropertyValue& v) { w.m_menuBarVisible = AsBoolean(v); } },
    { "CloseButton",
      [](Window& w, const PropertyValue& v) {
        w.m_widget->setWindowFlag(Qt::CustomizeWindowHint);
        w.m_widget->setWindowFlag(Qt::WindowTitleHint);
        w.m_widget->setWindowFlag(Qt::WindowCloseButtonHint, AsBoolean(v));
      } },
    { "MinimizeButton",
      [](Window& w, const PropertyValue& v) {
        w.m_widget->setWindowFlag(Qt::WindowMinimizeButtonHint, AsBoolean(v));
      } },
    { "MaximizeButton",
      [](Window& w, const PropertyValue& v) {
        w.m_widget->setWindowFlag(Qt::WindowMaximizeButtonHint, AsBoolean(v));
      } },
    { "FullScreen",
      [](Window& w, const PropertyValue& v) {
        if (AsBoolean(v))
          w.m_widget->setWindowState(Qt::WindowFullScreen);
      } },
    // Carried, with nothing to set: the window is placed by Show (centred), and the others have
    // no meaning here.
    { "Placement", [](Window&, const PropertyValue&) {} },
    { "Composite", [](Window&, const PropertyValue&) {} },
    { "LiveResize", [](Window&, const PropertyValue&) {} },
    { "MacProcID", [](Window&, const PropertyValue&) {} },
  };
  const auto* const setter =
      std::find_if(std::begin(kSetters), std::end(kSetters), [&](const auto& entry) { return entry.key == key; });
  if (setter == std::end(kSetters))
    throw PropertySetError("a window has no property '" + std::string(key) + "'", std::string(key), 0);
  setter->set(*this, value);
  m_sizeGiven = m_sizeGiven || setter->sizes;
}

void Window::SetComplete() {
  if (std::exchange(m_sizeGiven, false))
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
