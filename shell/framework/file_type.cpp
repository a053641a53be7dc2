#include "shell/framework/file_type.h"

#include "shell/framework/run_watcher.h"

namespace fw {

FileType::~FileType() {
  if (RunWatcher* watcher = CurrentRunWatcher(); watcher != nullptr && m_registered)
    watcher->FileTypeReleased(*this);
}

String FileType::Operator_Convert() {
  m_registered = true;
  if (RunWatcher* watcher = CurrentRunWatcher())
    watcher->FileTypeRegistered(*this);
  return m_name;
}

}  // namespace fw
