// The main of the test programs that make windows: one QApplication for all tests, on the
// offscreen platform unless the caller chose another (a virtual X server, say).

#include <cstdlib>

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
