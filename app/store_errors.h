#pragma once
#include <string>

#include "framework/fw_folderitem.h"

// A store file that could not be written, and the system's reason.
struct StoreWriteFailure {
  fw::FolderItem file;
  std::string reason;
};

// What the user is told when a store file exists but cannot be read.
std::string UnreadableStoreMessage(const fw::FolderItem& file, const std::string& reason);

// Tells the user that the store file cannot be read and ends the run with a
// failure status; App's storeUnreadable keeps either store file from being
// written on the way out.
void EndRunOnUnreadableStore(const fw::FolderItem& file, const std::string& reason);

// The question asked when saving at close failed: Yes stays in the program,
// No quits without saving.
std::string SaveFailedQuestion(const StoreWriteFailure& failure);
