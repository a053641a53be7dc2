#include "shell/pictures.h"

#include <string_view>

#include "shell/framework/nil_object_exception.h"

namespace shell {
namespace {

// One accessor's cache: empty until a load succeeds, then kept.
class PictureCache final {
public:
  explicit constexpr PictureCache(std::string_view fileName) : m_fileName(fileName) { }

  fw::PicturePtr Get() {
    if (m_picture)
      return m_picture;
    const auto resources = _GetApplicationBundleResources();
    if (!resources)
      return nullptr;
    // A missing file is an item that does not exist, which opens as no picture.
    const auto file = resources->Child(m_fileName);
    m_picture = fw::NotNil(file.get(), "the picture file '" + std::string(m_fileName) + "'").OpenAsPicture();
    return m_picture;
  }

private:
  std::string_view m_fileName;
  fw::PicturePtr m_picture;
};

PictureCache g_badge { "BadgeSm" };
PictureCache g_factors { "FactorsImageSmall.tiff" };
PictureCache g_q { "Q.png" };

}  // namespace

std::unique_ptr<fw::FolderItem> _GetApplicationBundleResources() {
  const auto executable = fw::ExecutableFile();
  const auto folder = fw::NotNil(executable.get(), "the program's executable file").Parent();
  const auto parent = fw::NotNil(folder.get(), "the folder of the program's executable").Parent();
  return fw::NotNil(parent.get(), "the parent of the program's folder").Child("Resources");
}

}  // namespace shell

fw::PicturePtr _x_BadgeSm::BadgeSm() { return shell::g_badge.Get(); }
fw::PicturePtr _x_FactorsImageSmall::FactorsImageSmall() { return shell::g_factors.Get(); }
fw::PicturePtr _x_Q::Q() { return shell::g_q.Get(); }
