#include "shell/framework/folder_item.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

#include <QFile>
#include <QImageReader>

namespace fw {

std::unique_ptr<FolderItem> FolderItem::Parent() const {
  if (!m_path.has_relative_path())
    return nullptr;
  return std::make_unique<FolderItem>(m_path.parent_path());
}

std::unique_ptr<FolderItem> FolderItem::Child(std::string_view name) const {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos)
    return nullptr;
  return std::make_unique<FolderItem>(m_path / std::filesystem::path(name));
}

PicturePtr FolderItem::OpenAsPicture() const {
  // Opened without blocking, so that a pipe with no writer cannot hold the program up, and
  // known for a regular file by what was opened, not by a look at the name beforehand.
  const int descriptor = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0)
    return nullptr;
  QFile file;
  struct stat status { };
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
      !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(descriptor);
    return nullptr;
  }
  QImageReader reader(&file);
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull())
    return nullptr;
  return std::make_shared<const Picture>(std::move(image));
}

std::unique_ptr<FolderItem> ExecutableFile() {
  std::error_code error;
  auto path = std::filesystem::canonical("/proc/self/exe", error);
  if (error)
    return nullptr;
  return std::make_unique<FolderItem>(path);
}

}  // namespace fw
