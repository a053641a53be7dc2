#pragma once

// The program's two declared file types: "text" (type TEXT, creator R*ch) and an empty one.
// Nothing reads them; the program opens and saves no documents.

#include <memory>

#include "shell/framework/file_type.h"

namespace FileTypes {

extern std::unique_ptr<fw::FileType> pText;
extern std::unique_ptr<fw::FileType> pUntitledType;

// Creates, fills and registers both types.
void _Initialize();

}  // namespace FileTypes
