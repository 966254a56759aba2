#include "framework/fw_application.h"

#include <QApplication>
#include <algorithm>
#include <optional>

#include "framework/fw_dispatch.h"
#include "framework/fw_menu.h"
#include "framework/fw_process_signals_p.h"
#include "framework/fw_shared.h"

namespace fw {
namespace {

std::unique_ptr<Application>& AppObject() {
  static std::unique_ptr<Application> app;
  return app;
}

bool quitRequested = false;
bool hasQuit = false;
int exitStatus = 0;

void PerformQuit() {
  for (Window* window : OpenWindows()) {
    if (!window->CloseForQuit()) {
      quitRequested = false;
      return;
    }
  }
  if (Application* app = TheApplication()) app->RaiseClose();
  hasQuit = true;
  QCoreApplication::exit(0);
}

bool AnyWindowShown() {
  auto windows = OpenWindows();
  return std::any_of(windows.begin(), windows.end(), [](Window* w) { return w->IsShown(); });
}

}  // namespace

Application::Application() = default;
Application::~Application() = default;

void Application::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

bool Application::HasMenuHandler(const std::string& itemName) const {
  return menuHandlers_.count(itemName) > 0;
}

void Application::ChooseMenuItem(const MenuItem& item) {
  auto it = menuHandlers_.find(item.Name());
  if (it != menuHandlers_.end()) {
    it->second();
    return;
  }
  if (item.ItemRole() == MenuItem::Role::Quit) {
    Quit();
    return;
  }
  RunEditCommand(item.Name());
}

bool Application::RaiseOpen() {
  return Dispatch([this] { Event_Open(); });
}
void Application::RaiseClose() {
  Dispatch([this] { Event_Close(); });
}
void Application::RaiseEnableMenuItems() {
  Dispatch([this] { Event_EnableMenuItems(); });
}

void RegisterAppObject(std::unique_ptr<Application> app) { AppObject() = std::move(app); }
Application* TheApplication() { return AppObject().get(); }
void ReleaseAppObject() { AppObject().reset(); }

int Run(int& argc, char** argv, const std::function<void()>& startup, const std::function<void()>& release) {
  // One toolkit per process: a run inside a process that has one (a test's)
  // uses it.
  std::optional<QApplication> toolkit;
  if (QCoreApplication::instance() == nullptr) toolkit.emplace(argc, argv);
  // Before start-up: a session that ends during it still closes the program.
  ProcessSignals processSignals;
  QCoreApplication::setApplicationName(QStringLiteral("Kavro2"));
  // Quitting is the program's decision (Quit), not a side effect of the last
  // window closing.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  bool started = Dispatch(startup);
  if (started) {
    if (Application* app = TheApplication()) started = app->RaiseOpen();
  }
  if (!started && !AnyWindowShown()) {
    if (exitStatus == 0) exitStatus = kStartupFailedStatus;
  } else if (!hasQuit) {
    QCoreApplication::exec();
  }
  QCoreApplication::sendPostedEvents();
  for (Window* window : OpenWindows()) delete window;
  ReleaseAppObject();
  if (release) release();
  return exitStatus;
}

void SetExitStatus(int status) { exitStatus = status; }
int ExitStatus() { return exitStatus; }

void Quit() {
  if (quitRequested) return;
  quitRequested = true;
  AfterCurrentHandler(PerformQuit);
}

bool QuitInProgress() { return quitRequested && !hasQuit; }
bool HasQuit() { return hasQuit; }

namespace testing {
void ResetQuit() {
  quitRequested = false;
  hasQuit = false;
  exitStatus = 0;
}
}  // namespace testing

}  // namespace fw
