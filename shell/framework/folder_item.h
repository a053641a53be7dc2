#pragma once

// A file or folder of the file system, by path. The item for the program's executable is
// where the resources folder is found from.

#include <filesystem>
#include <memory>
#include <string_view>

#include "shell/framework/picture.h"

namespace fw {

class FolderItem final {
public:
  explicit FolderItem(std::filesystem::path path) : m_path(std::move(path)) { }

  const std::filesystem::path& Path() const { return m_path; }
  bool Exists() const;
  // The folder that holds this item; nullptr at the root.
  std::unique_ptr<FolderItem> Parent() const;
  // The item of that name inside this folder; nullptr when there is none.
  std::unique_ptr<FolderItem> Child(std::string_view name) const;
  // The file read as a picture, its format recognised from its content whatever its name;
  // nullptr when it cannot be read as one. Each call reads the file.
  PicturePtr OpenAsPicture() const;

private:
  std::filesystem::path m_path;
};

// The executable file of the running program, its real path with links resolved; nullptr
// when the system does not tell it.
std::unique_ptr<FolderItem> ExecutableFile();

}  // namespace fw
