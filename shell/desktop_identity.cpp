#include "shell/desktop_identity.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/framework/desktop_identity.h"
#include "shell/framework/folder_item.h"
#include "shell/framework/nil_object_exception.h"
#include "shell/pictures.h"

namespace shell {
namespace {

// The sizes that scripts/draw-pictures draws the icon at.
constexpr std::array kIconSizes { 16, 24, 32, 48, 64, 128, 256 };

}  // namespace

void IdentifyToDesktop() {
  const auto resources = _GetApplicationBundleResources();
  const std::filesystem::path theme =
      fw::NotNil(resources.get(), "the resources folder").Path().parent_path() / "share" / "icons" / "hicolor";
  const std::string fileName = std::string(kDesktopEntryName) + ".png";
  std::vector<fw::PicturePtr> icons;
  for (const int size : kIconSizes) {
    const std::string sizeFolder = std::to_string(size) + "x" + std::to_string(size);
    icons.push_back(fw::FolderItem(theme / sizeFolder / "apps" / fileName).OpenAsPicture());
  }
  fw::SetDesktopIdentity(kDesktopEntryName, icons);
}

}  // namespace shell
