#pragma once
#include <memory>

#include "framework/fw_filetype.h"

// The file types the application registers at start-up; the import dialog
// filters by "text/plain".
namespace FileTypes {
extern std::unique_ptr<fw::FileType> pText;
extern std::unique_ptr<fw::FileType> pTextPlain;
void Initialize();
// Releasing a file type withdraws its registration.
void Release();
}  // namespace FileTypes
