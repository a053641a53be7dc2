#pragma once

// The Qt side of a Window: a top-level widget that holds the menu bar (where the window shows
// one) above the content area with the controls, and hands the window events to its Window.

#include <QWidget>

class QMenuBar;

namespace fw {

class Window;

class WindowWidget final : public QWidget {
  Q_OBJECT

public:
  explicit WindowWidget(Window& owner);

  QWidget& Content() { return *m_content; }
  // Puts bar above the content (nullptr: none), shown or not; the window keeps its content
  // size.
  void SetMenuBar(QMenuBar* bar, bool shown);
  QMenuBar* MenuBarWidget() const { return m_bar; }
  int BarHeight() const;
  // Sets the size of the content area; the window is that plus the bar.
  void SetContentSize(int width, int height);
  // The content area's size limits, likewise.
  void SetContentSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight);

protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  Window& m_owner;
  QWidget* m_content { nullptr };
  QMenuBar* m_bar { nullptr };
  int m_minWidth { 0 };
  int m_minHeight { 0 };
  int m_maxWidth { QWIDGETSIZE_MAX };
  int m_maxHeight { QWIDGETSIZE_MAX };
};

}  // namespace fw
