#include "shell/framework/application.h"

namespace fw {
namespace {

std::unique_ptr<Application>& TheAppObject() {
  static std::unique_ptr<Application> app;
  return app;
}

}  // namespace

void _RuntimeRegisterAppObject(std::unique_ptr<Application> app) { TheAppObject() = std::move(app); }

Application* _GetAppObject() { return TheAppObject().get(); }

}  // namespace fw
