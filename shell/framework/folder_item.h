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
  // The folder that holds this item; nullptr at the root.
  std::unique_ptr<FolderItem> Parent() const;
  // The item of that name inside this folder, whether or not it exists; nullptr when name is
  // not the name of an item in a folder (empty, "." or "..", or holding a "/").
  std::unique_ptr<FolderItem> Child(std::string_view name) const;
  // The file read as a picture, its format recognised from its content whatever its name;
  // nullptr when it cannot be read as one. Only a regular file is read: a missing item, a
  // folder, a pipe or a device gives nullptr at once, without waiting for a writer. Each call
  // reads the file.
  PicturePtr OpenAsPicture() const;

private:
  std::filesystem::path m_path;
};

// The executable file of the running program, its real path with links resolved; nullptr
// when the system does not tell it.
std::unique_ptr<FolderItem> ExecutableFile();

}  // namespace fw
