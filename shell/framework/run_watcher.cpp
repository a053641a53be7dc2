#include "shell/framework/run_watcher.h"

namespace fw {
namespace {

RunWatcher* g_watcher = nullptr;

}  // namespace

void SetRunWatcher(RunWatcher* watcher) { g_watcher = watcher; }

RunWatcher* CurrentRunWatcher() { return g_watcher; }

}  // namespace fw
