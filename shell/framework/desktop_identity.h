#pragma once

// How the program makes itself known to the desktop: the desktop entry that stands for it in
// the application menu, and the icon that its windows carry.

#include <string_view>
#include <vector>

#include "shell/framework/picture.h"

namespace fw {

// Names the program's desktop entry (its file name without ".desktop"), by which a Wayland
// compositor, which takes no icon from the windows, finds the program's name and icon; and gives
// every window, those already open and those to come, the icon made of these pictures, one for
// each size. Nil pictures are left out; with none, the windows keep the platform's own icon.
void SetDesktopIdentity(std::string_view desktopEntryName, const std::vector<PicturePtr>& iconSizes);

}  // namespace fw
