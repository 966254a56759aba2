#include "app/store_errors.h"

#include "framework/fw_strings.h"

std::string UnreadableStoreMessage(const fw::FolderItem& file, const std::string& reason) {
  const std::string cr = fw::Chr(13);
  return "Kavro cannot read the file \"" + file.NativePath() + "\": " + reason + "." + cr + cr +
         "Kavro will quit now and leave the file as it is.";
}
