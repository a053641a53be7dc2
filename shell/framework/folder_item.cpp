#include "shell/framework/folder_item.h"

#include <system_error>

#include <QCoreApplication>
#include <QImageReader>
#include <QString>

namespace fw {

bool FolderItem::Exists() const {
  std::error_code error;
  return std::filesystem::exists(m_path, error);
}

std::unique_ptr<FolderItem> FolderItem::Parent() const {
  if (!m_path.has_relative_path())
    return nullptr;
  return std::make_unique<FolderItem>(m_path.parent_path());
}

std::unique_ptr<FolderItem> FolderItem::Child(std::string_view name) const {
  auto child = std::make_unique<FolderItem>(m_path / std::filesystem::path(name));
  if (!child->Exists())
    return nullptr;
  return child;
}

PicturePtr FolderItem::OpenAsPicture() const {
  QImageReader reader(QString::fromStdString(m_path.string()));
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
