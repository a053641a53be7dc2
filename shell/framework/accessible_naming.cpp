#include "shell/framework/accessible_naming.h"

#include <QLabel>

#include "shell/framework/qt_text.h"
#include "shell/framework/rect_control.h"
#include "shell/framework/static_text.h"
#include "shell/framework/window.h"

namespace fw {

void ApplyNaming(Window& window, const std::string& controlName, const AccessibleNaming& naming) {
  if (!naming.labelFor.empty())
    ControlAs<StaticText>(window, controlName)
        .Label()
        .setBuddy(&ControlAs<RectControl>(window, naming.labelFor).Widget());
  if (!naming.name.empty())
    ControlAs<RectControl>(window, controlName).Widget().setAccessibleName(ToQString(naming.name));
}

}  // namespace fw
