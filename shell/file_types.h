#pragma once

// The program's two declared file types: "text" (type TEXT, creator R*ch) and an empty one.
// Nothing reads them; the program opens and saves no documents.

namespace FileTypes {

// Creates, fills and registers both types: pText, then pUntitledType.
void _Initialize();
// Releases both at shut-down, in the same order; the references become nil.
void __Exit();

}  // namespace FileTypes
