#pragma once
#include "framework/fw_folderitem.h"

namespace fw {

// The folders the program keeps its files in or offers to the user.
struct SpecialFolder {
  // The user's configuration folder (the XDG config folder, normally
  // ~/.config). Asking for it does not create it.
  static FolderItem Preferences();
  // The user's desktop folder, or the home folder when there is no desktop folder.
  static FolderItem Desktop();
  // The running program's executable file.
  static FolderItem ApplicationExecutable();
};

}  // namespace fw
