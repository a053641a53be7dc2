#pragma once

// The program's name: the run time starts under it, so that its message boxes bear it, and the
// help text's print job bears it, so that a person knows the job in a printer's queue.

#include <string_view>

namespace shell {

inline constexpr std::string_view kProgramName = "Quillon";

}  // namespace shell
