#include <QApplication>

#include "calculator/control_wnd.h"
#include "shell/framework/window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ControlWnd::ControlWnd().Show();
  const int code = QApplication::exec();
  fw::ReleaseImplicitWindows();
  return code;
}
