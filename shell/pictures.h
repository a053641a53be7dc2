#pragma once

// The program's three pictures, each loaded from the resources folder on its first successful
// use and kept for the rest of the process, so every window that shows one shares the same
// Picture and the file is read once. While a picture is missing or unreadable its accessor
// returns nil (nullptr) and tries again at its next use.
//
// The resources folder is "Resources" beside the folder that holds the executable: for
// <prefix>/bin/quillon it is <prefix>/Resources. The build and `cmake --install` put the
// pictures there.

#include <memory>

#include "shell/framework/folder_item.h"
#include "shell/framework/picture.h"

namespace shell {

// The resources folder, whether or not it exists: a missing folder holds no picture.
std::unique_ptr<fw::FolderItem> _GetApplicationBundleResources();

}  // namespace shell

namespace _x_BadgeSm {
// "BadgeSm", the About window's badge; a file without extension, recognised by its content.
fw::PicturePtr BadgeSm();
}  // namespace _x_BadgeSm

namespace _x_FactorsImageSmall {
// "FactorsImageSmall.tiff", the factor-pattern picture of the main and About windows.
fw::PicturePtr FactorsImageSmall();
}  // namespace _x_FactorsImageSmall

namespace _x_Q {
// "Q.png", the main window's help button.
fw::PicturePtr Q();
}  // namespace _x_Q
