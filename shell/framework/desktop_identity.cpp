#include "shell/framework/desktop_identity.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace fw {

void SetDesktopIdentity(std::string_view desktopEntryName, const std::vector<PicturePtr>& iconSizes) {
  QGuiApplication::setDesktopFileName(
      QString::fromUtf8(desktopEntryName.data(), static_cast<qsizetype>(desktopEntryName.size())));
  QIcon icon;
  for (const PicturePtr& picture : iconSizes) {
    if (picture)
      icon.addPixmap(QPixmap::fromImage(picture->Image()));
  }
  if (!icon.isNull())
    QGuiApplication::setWindowIcon(icon);
}

}  // namespace fw
