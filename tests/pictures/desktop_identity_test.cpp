// The program's desktop entry name and its windows' icon, taken from the hicolor icon theme
// beside this test program's folder (share/icons/hicolor under the folder that holds bin/), as
// an installation holds it; the test fills and removes that folder.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QApplication>
#include <QIcon>
#include <QList>
#include <QSize>

#include "shell/desktop_identity.h"
#include "shell/framework/folder_item.h"

namespace {

namespace fs = std::filesystem;

const fs::path kIcons = fs::path(QUILLON_SOURCE_DIR) / "resources" / "icons" / "hicolor";

std::vector<int> IconSizes() {
  std::vector<int> sizes;
  for (const QSize& size : QApplication::windowIcon().availableSizes())
    sizes.push_back(size.width() == size.height() ? size.width() : -1);
  return sizes;
}

TEST(DesktopIdentityTest, TheWindowsCarryEveryIconSizeThatTheInstallationHolds) {
  const fs::path theme = fw::ExecutableFile()->Parent()->Parent()->Path() / "share" / "icons" / "hicolor";
  const struct {
    std::vector<int> installed;
  } cases[] = {
    { { 16, 24, 32, 48, 64, 128, 256 } },
    { { 16, 32, 256 } },  // a size missing is left out
    { {} },               // no icon at all: the platform's own stays
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.installed));
    fs::remove_all(theme);
    for (const int size : c.installed) {
      const fs::path apps = fs::path(std::to_string(size) + "x" + std::to_string(size)) / "apps";
      fs::create_directories(theme / apps);
      fs::copy_file(kIcons / apps / "quillon.png", theme / apps / "quillon.png");
    }
    QApplication::setWindowIcon(QIcon());
    QGuiApplication::setDesktopFileName(QString());

    shell::IdentifyToDesktop();

    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("quillon"));
    EXPECT_EQ(IconSizes(), c.installed);
  }
  fs::remove_all(theme.parent_path().parent_path());
  QApplication::setWindowIcon(QIcon());
}

}  // namespace
