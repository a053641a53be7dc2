#include "shell/framework/file_type.h"

namespace fw {
namespace {

std::vector<FileType>& Registered() {
  static std::vector<FileType> types;
  return types;
}

}  // namespace

String FileType::Operator_Convert() const {
  Registered().push_back(*this);
  return m_name;
}

const std::vector<FileType>& RegisteredFileTypes() { return Registered(); }

}  // namespace fw
