#pragma once
#include <memory>
#include <string>

#include "framework/fw_application.h"
#include "framework/fw_folderitem.h"
#include "framework/fw_run_lock.h"

// The application object: the settings, the application events and the File
// menu's handlers. Reached everywhere as fw::Shared<App>().
class App : public fw::Application {
 public:
  // The settings, as the preferences file holds them.
  std::string pswd;        // the master password, in clear, in memory only
  std::string flag;        // "true" once the master password was accepted in this run
  std::string whatToCopy;  // "pswd" or "name": what Go puts on the clipboard
  std::string clearPswd;   // "yes" or "no": empty the clipboard when the application closes
  std::string showPswd;    // "yes" or "no": show the eye that reveals the password

  // Set when a store file exists but cannot be read: the run then ends without
  // writing either store file, so that nothing replaces what could not be read.
  bool storeUnreadable = false;

  // Held for the whole run: no second run works on the same store meanwhile.
  std::unique_ptr<fw::RunLock> storeLock;

  void Event_Open() override;
  void Event_EnableMenuItems() override;
  void Event_Close() override;

  bool FileImport_Action();
  bool FileChangepassword_Action();
  bool FileAboutKavro_Action();
  bool FileExport_Action();
  bool FilePreferences_Action();

  // Appends every line of a text file the user chooses to the main window's
  // list, when its first line has exactly five TAB-separated fields.
  void import();
  // Whether file's first line has exactly five TAB-separated fields.
  bool checkImport(fw::FolderItem file);

  // Reads the settings and the master password from the preferences file, or
  // welcomes a first run. Answers false when the file exists but cannot be read.
  bool readPswd();
};

// The text shown on a first run.
std::string WelcomeMessage();
