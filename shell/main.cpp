// The process entry: the run time starts under the program's name, which its message boxes bear,
// the program runs, shut-down releases what it built, and the run time's exit gives the process
// status. The language registers the classes itself and the window list is ready at its first
// use, so nothing else runs before _Main.

#include "shell/framework/runtime.h"
#include "shell/program_name.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  fw::RuntimeInit(argc, argv, shell::kProgramName);
  _Main();
  _ModuleFinaliser();
  return fw::RuntimeExit();
}
