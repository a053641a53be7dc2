#pragma once

// The three font names the program's sets use, on fonts that a Linux desktop has: "System"
// is a sans-serif (Liberation Sans, else Nimbus Sans or DejaVu Sans), "Courier" a monospace
// (Liberation Mono, else Nimbus Mono PS or DejaVu Sans Mono) and "Times" a serif (Liberation
// Serif, else Nimbus Roman or DejaVu Serif). Any other name is asked for as it is, and
// fontconfig picks the nearest installed font.
//
// Text sizes are in pixels of the window's coordinates (text unit 0), because the windows are
// laid out in pixels: a 14 pixel Courier fits the 20 pixel count fields at any screen density.

#include <string_view>

#include <QFont>

namespace fw {

struct FontStyle final {
  bool bold { false };
  bool italic { false };
  bool underline { false };
};

QFont FontFor(std::string_view name, double pixelSize, FontStyle style);

}  // namespace fw
