#pragma once

// A property set's colour as Qt draws it.

#include <QColor>

#include "shell/framework/colour.h"

namespace fw {

inline QColor ToQColor(Colour c) { return QColor(c.red, c.green, c.blue); }

}  // namespace fw
