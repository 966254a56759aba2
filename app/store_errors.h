#pragma once
#include <string>

#include "framework/fw_folderitem.h"

// What the user is told when a store file exists but cannot be read.
std::string UnreadableStoreMessage(const fw::FolderItem& file, const std::string& reason);
