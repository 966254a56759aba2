#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace fw {

class MenuBar;
class MenuItem;

// The application object: its menu bar, its menu handlers by item name and the
// application events Open, Close and EnableMenuItems.
class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  void MenuBar(fw::MenuBar* bar) { menuBar_ = bar; }
  fw::MenuBar* MenuBar() const { return menuBar_; }

  // The handler runs when the user chooses the item of that Name.
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  bool HasMenuHandler(const std::string& itemName) const;
  // Runs the item's command: its handler, else the framework's own command.
  void ChooseMenuItem(const MenuItem& item);

  // Answers whether Open returned; false when an error escaped it.
  bool RaiseOpen();
  void RaiseClose();
  void RaiseEnableMenuItems();

 protected:
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_EnableMenuItems() {}

 private:
  fw::MenuBar* menuBar_ = nullptr;
  std::map<std::string, std::function<bool()>> menuHandlers_;
};

// Makes the object the application object; the framework owns it from then on.
void RegisterAppObject(std::unique_ptr<Application> app);
Application* TheApplication();
// Destroys the application object (the program's end, and between tests).
void ReleaseAppObject();

// Initialises the framework, calls startup once, raises the application's Open
// event, and runs the event loop until the application quits. Then releases the
// framework's own objects (its windows, the application object) and calls
// release for the program's, while the toolkit still runs. Answers the exit status.
// Meanwhile SIGTERM, SIGHUP and SIGINT quit as Quit does, and SIGXFSZ is
// ignored, so that a write past the file-size limit fails instead of ending
// the process.
//
// An error that escapes startup or Open while no window is shown ends the run
// once it is reported, with a status of its own (not 0): there is nothing the
// user could act on, and the event loop would wait for ever. The windows built
// so far are destroyed without their Close events, so nothing half-loaded is
// saved.
int Run(int& argc, char** argv, const std::function<void()>& startup, const std::function<void()>& release);
// The exit status of a run that start-up errors ended.
inline constexpr int kStartupFailedStatus = 70;

// Ends the application once the running handler has returned: closes the open
// windows, raises the application's Close, then leaves the event loop.
void Quit();
// The status the process ends with (0 unless set).
void SetExitStatus(int status);
int ExitStatus();
bool QuitInProgress();
bool HasQuit();

namespace testing {
// Forgets that the application quit and its exit status, so that a test can
// start another run.
void ResetQuit();
}  // namespace testing

}  // namespace fw
