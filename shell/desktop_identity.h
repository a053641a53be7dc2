#pragma once

// The program as the desktop knows it: the desktop entry quillon.desktop in the application
// menu, and the icon quillon of the hicolor icon theme on every window. `cmake --install` lays
// both under the prefix, in share/applications and share/icons/hicolor/<size>/apps, beside the
// resources folder; the build lays the icons beside its Resources folder in the same way.

namespace shell {

// The name of the desktop entry and of the icon.
inline constexpr const char* kDesktopEntryName = "quillon";

// Tells the layer the desktop entry's name and gives the windows the icon at every size that
// the installation holds; a missing size is left out.
void IdentifyToDesktop();

}  // namespace shell
