#include "shell/framework/runtime.h"

#include <QCoreApplication>

namespace fw {
namespace {

std::int32_t g_quitCode = 0;

}  // namespace

void Quit(std::int32_t code) {
  g_quitCode = code;
  QCoreApplication::exit(code);
}

std::int32_t QuitCode() { return g_quitCode; }

}  // namespace fw
