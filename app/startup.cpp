#include "app/startup.h"

#include <exception>
#include <memory>

#include "app/app.h"
#include "app/file_types.h"
#include "app/menubar1.h"
#include "framework/fw_application.h"
#include "framework/fw_dispatch.h"
#include "framework/fw_process.h"
#include "framework/fw_shared.h"

int Main(int& argc, char** argv) {
  // Before the master password or any entry is in memory.
  fw::KeepMemoryPrivate();
  // Run reports the errors of start-up and of every event itself; what
  // reaches here failed in the framework's own setting up or ending.
  try {
    return fw::Run(argc, argv, Startup, ReleaseModuleObjects);
  } catch (const std::exception& e) {
    fw::ReportUnhandledException(e.what());
  } catch (...) {
    fw::ReportUnhandledException("unknown error");
  }
  return fw::kStartupFailedStatus;
}

void Startup() {
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void InitFileTypes() { FileTypes::Initialize(); }

void NewAppInstance() {
  auto app = std::make_unique<App>();
  app->MenuBar(&fw::Shared<MenuBar1>());
  fw::RegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers() {
  App& app = fw::Shared<App>();
  app.AddMenuHandler("FileImport", [&app] { return app.FileImport_Action(); });
  app.AddMenuHandler("FileChangepassword", [&app] { return app.FileChangepassword_Action(); });
  app.AddMenuHandler("FileAboutKavro", [&app] { return app.FileAboutKavro_Action(); });
  app.AddMenuHandler("FileExport", [&app] { return app.FileExport_Action(); });
  app.AddMenuHandler("FilePreferences", [&app] { return app.FilePreferences_Action(); });
}

void ReleaseModuleObjects() {
  fw::ReleaseSharedInstances();
  FileTypes::Release();
}
