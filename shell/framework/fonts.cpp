#include "shell/framework/fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace fw {

QFont FontFor(std::string_view name, double pixelSize, FontStyle style) {
  QFont font;
  if (name == "System" || name.empty()) {
    font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  } else if (name == "Courier") {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
  } else if (name == "Times") {
    font.setFamilies(QStringList() << QStringLiteral("Times") << QStringLiteral("Liberation Serif")
                                   << QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
  } else {
    font.setFamily(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  if (pixelSize > 0)
    font.setPixelSize(static_cast<int>(pixelSize + 0.5));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  return font;
}

}  // namespace fw
