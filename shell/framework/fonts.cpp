#include "shell/framework/fonts.h"

#include <QString>
#include <QStringList>

namespace fw {
namespace {

// Each name's fonts in order of preference: Liberation has the widths the windows were laid
// out for (Helvetica, Courier and Times metrics); Nimbus and DejaVu stand in where it is missing.
QStringList FamiliesFor(std::string_view name) {
  if (name == "System" || name.empty())
    return { QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans") };
  if (name == "Courier")
    return { QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono") };
  if (name == "Times")
    return { QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif") };
  return { QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) };
}

QFont::StyleHint HintFor(std::string_view name) {
  if (name == "Courier")
    return QFont::Monospace;
  if (name == "Times")
    return QFont::Serif;
  return QFont::SansSerif;
}

}  // namespace

QFont FontFor(std::string_view name, double pixelSize, FontStyle style) {
  QFont font;
  font.setFamilies(FamiliesFor(name));
  font.setStyleHint(HintFor(name));
  if (pixelSize > 0)
    font.setPixelSize(static_cast<int>(pixelSize + 0.5));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  return font;
}

}  // namespace fw
