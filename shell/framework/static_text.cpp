#include "shell/framework/static_text.h"

#include <QLabel>

#include "shell/framework/qt_colour.h"
#include "shell/framework/qt_text.h"

namespace fw {
namespace {

Qt::Alignment LabelAlignment(std::int32_t code) {
  switch (code) {
    case 1:
      return Qt::AlignHCenter | Qt::AlignTop;
    case 2:
      return Qt::AlignRight | Qt::AlignTop;
    default:
      return Qt::AlignLeft | Qt::AlignTop;
  }
}

}  // namespace

void StaticText::Constructor() {
  m_label = new QLabel;
  m_label->setTextFormat(Qt::PlainText);
  m_label->setAlignment(LabelAlignment(0));
  Adopt(m_label);
}

bool StaticText::SetKindProperty(std::string_view key, const PropertyValue& value) {
  if (key == "Text") {
    m_label->setText(FieldTextToQt(AsString(value)));
  } else if (key == "TextAlign") {
    m_label->setAlignment(LabelAlignment(AsInt32(value)));
  } else if (key == "TextColor") {
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(AsColour(value)));
    m_label->setPalette(palette);
  } else if (key == "Multiline") {
    m_label->setWordWrap(AsBoolean(value));
  } else if (key == "Selectable") {
    m_label->setTextInteractionFlags(AsBoolean(value) ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
  } else if (key != "Transparent" && key != "DataSource" && key != "DataField") {
    // A label never paints a background of its own, so it shows the window's whether it is
    // transparent or not.
    return false;
  }
  return true;
}

}  // namespace fw
