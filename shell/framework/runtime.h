#pragma once

// The run time of the layer: start, the event loop, quitting with a code, and exit.

#include <cstdint>

namespace fw {

// Asks the event loop to end; the exit code becomes what RuntimeExit returns. The caller
// returns normally.
void Quit(std::int32_t code = 0);

// The code of the last Quit (0 when nothing quit with another code).
std::int32_t QuitCode();

}  // namespace fw
