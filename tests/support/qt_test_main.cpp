// The main of the test programs that make windows: one QApplication for all tests, on the
// offscreen platform unless the caller chose another (a virtual X server, say).

#include <cstdlib>

#include <gtest/gtest.h>
#include <QApplication>

namespace {

// The tests print to PDF files of their own. So that nothing they do can reach the machine's
// printers, whatever the machine's CUPS setup, they see a print system with no printers: the
// CUPS server is a socket that cannot exist (no file stands under /dev/null), which also
// overrides any client.conf, and no PRINTER or LPDEST names a default. Without a server, the
// default of an lpoptions file names no printer that exists.
void HidePrinters() {
  setenv("CUPS_SERVER", "/dev/null/no-cups-server", 1);
  unsetenv("PRINTER");
  unsetenv("LPDEST");
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  HidePrinters();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
