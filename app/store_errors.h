#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/fw_encoding.h"
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

// Reads every line of a store file that exists and hands them to take. A
// read that ends early for any reason (the file cannot be opened, memory runs
// out part-way, take fails) would leave part of the store in memory, for the
// close to save in the file's place: it ends the run as an unreadable file
// does. Answers whether the file was read whole.
bool ReadStoreFile(fw::FolderItem file, fw::Encoding encoding,
                   const std::function<void(const std::vector<std::string>& lines)>& take);

// The question asked when saving at close failed: Yes stays in the program,
// No quits without saving.
std::string SaveFailedQuestion(const StoreWriteFailure& failure);
