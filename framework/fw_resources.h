#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "framework/fw_picture.h"

namespace fw {

// The application's Resources folder: two levels above the executable, then
// "Resources" (<prefix>/bin/kavro2 -> <prefix>/Resources). Nothing when missing.
std::optional<std::filesystem::path> ResourcesFolder();

// A picture of the Resources folder by file name, read once and kept for the run.
// While the file is missing every call looks for it again and answers nullptr.
PicturePtr ResourcePicture(const std::string& fileName);

namespace testing {
// Points ResourcesFolder elsewhere (empty path: back to the executable's), and
// forgets the pictures kept so far.
void SetResourcesFolder(const std::filesystem::path& folder);
// How many times a picture file was read from disk.
int PictureFileReads(const std::string& fileName);
}  // namespace testing

}  // namespace fw
