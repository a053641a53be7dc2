#pragma once

// A declared file type: a name, its extensions and the classic type and creator codes.
// Converting one to a String registers it with the layer and gives its name. The layer opens
// and saves no documents, so a registered type serves nothing here; a run watcher sees it
// registered and, when its owner lets it go, released.

#include "shell/framework/text_functions.h"

namespace fw {

class FileType final {
public:
  FileType() = default;
  FileType(const FileType&) = delete;
  FileType& operator=(const FileType&) = delete;
  ~FileType();

  const String& Name() const { return m_name; }
  void SetName(String name) { m_name = std::move(name); }
  const String& Extensions() const { return m_extensions; }
  void SetExtensions(String extensions) { m_extensions = std::move(extensions); }
  const String& MacType() const { return m_macType; }
  void SetMacType(String macType) { m_macType = std::move(macType); }
  const String& MacCreator() const { return m_macCreator; }
  void SetMacCreator(String macCreator) { m_macCreator = std::move(macCreator); }

  // Registers the type as it is now and returns its name.
  String Operator_Convert();

private:
  String m_name;
  String m_extensions;
  String m_macType;
  String m_macCreator;
  bool m_registered { false };
};

}  // namespace fw
