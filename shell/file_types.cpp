#include "shell/file_types.h"

#include <memory>

#include "shell/framework/file_type.h"

namespace FileTypes {
namespace {

// The module's two references.
std::unique_ptr<fw::FileType> pText;
std::unique_ptr<fw::FileType> pUntitledType;

std::unique_ptr<fw::FileType> Declared(const char* name, const char* extensions, const char* macType,
                                       const char* macCreator) {
  auto type = std::make_unique<fw::FileType>();
  type->SetName(name);
  type->SetExtensions(extensions);
  type->SetMacType(macType);
  type->SetMacCreator(macCreator);
  (void)type->Operator_Convert();
  return type;
}

}  // namespace

void _Initialize() {
  pText = Declared("text", "", "TEXT", "R*ch");
  pUntitledType = Declared("", "", "", "");
}

void __Exit() {
  pText.reset();
  pUntitledType.reset();
}

}  // namespace FileTypes
