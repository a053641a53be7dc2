#include "shell/framework/push_button.h"

#include <QPushButton>

#include "shell/framework/qt_text.h"

namespace fw {

void PushButton::Constructor() {
  m_button = new QPushButton;
  m_button->setAutoDefault(false);
  QObject::connect(m_button, &QPushButton::clicked, m_button, [this] { Push(); });
  Adopt(m_button);
}

bool PushButton::SetKindProperty(std::string_view key, const PropertyValue& value) {
  if (key == "Caption")
    m_button->setText(ToQString(AsString(value)));
  else if (key == "Default")
    m_button->setDefault(AsBoolean(value));
  // Cancel (Escape pressing the button) and ButtonStyle 0, the plain push button, need nothing
  // of the widget: no button of the program is a cancel button.
  else if (key != "Cancel" && key != "ButtonStyle")
    return false;
  return true;
}

}  // namespace fw
