#include "shell/startup.h"

#include <exception>
#include <memory>

#include "shell/desktop_identity.h"
#include "shell/file_types.h"
#include "shell/framework/runtime.h"
#include "shell/framework/window.h"
#include "shell/handle_about_menu.h"
#include "shell/invisible_wnd.h"
#include "shell/menu.h"

void _Main() {
  try {
    // Before the first window is shown, so that each is mapped with its icon.
    shell::IdentifyToDesktop();
    fw::_RunFrameworkInitialization(_Startup);
    fw::_RuntimeRun();
  } catch (...) {
    fw::_UnhandledException(std::current_exception());
  }
}

void _Startup() {
  fw::_RuntimeInitExternalClasses();
  fw::_InitPluginEntrypoints();
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
  _MakeDefaultView();
}

void _InitFileTypes() { FileTypes::_Initialize(); }

void _NewAppInstance() {
  auto app = std::make_unique<HandleAboutMenu>();
  app->SetMenuBar(&Menu::Menu());
  fw::_RuntimeRegisterAppObject(std::move(app));
}

void _ApplicationAddMenuHandlers() {
  HandleAboutMenu& app = App();
  app._AddMenuHandler("AboutPXM", [&app] { return app._AboutPXM_Action(); });
  app._AddMenuHandler("AboutMenuItem", [&app] { return app._AboutMenuItem_Action(); });
}

void _MakeDefaultView() { (void)InvisibleWnd::InvisibleWnd(); }

void _ModuleFinaliser() {
  fw::ReleaseImplicitWindows();
  FileTypes::__Exit();
  Menu::__Exit();
}
