#pragma once
// Open and save dialogs: set the properties, then show the dialog.
#include <optional>
#include <string>

#include "framework/fw_folderitem.h"

namespace fw {

class Window;

class OpenDialog {
 public:
  FolderItem InitialDirectory;
  std::string PromptText;
  std::string Title;
  // A registered file type's name: only its files can be chosen.
  std::string Filter;

  // Shows the dialog attached to the window; nothing when the user cancels.
  std::optional<FolderItem> ShowModalWithin(Window& window);
  std::optional<FolderItem> ShowModal();
};

class SaveAsDialog {
 public:
  FolderItem InitialDirectory;
  std::string PromptText;
  std::string Title;
  std::string Filter;
  std::string SuggestedFileName;

  // The dialog asks before replacing an existing file.
  std::optional<FolderItem> ShowModalWithin(Window& window);
  std::optional<FolderItem> ShowModal();
};

}  // namespace fw
